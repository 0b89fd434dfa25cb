#include "shell/dialogs/DisplaySettingsDialog.h"

#include "base/Prompts.h"
#include "model/DisplayGeometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {
QLabel *label(const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setStyleSheet(QStringLiteral("font:14px;"));
    return l;
}

QSpinBox *spin(int minimum, int maximum, int value, const QRect &geometry, QWidget *parent)
{
    auto *s = new QSpinBox(parent);
    s->setRange(minimum, maximum);
    s->setValue(value);
    s->setGeometry(geometry);
    s->setStyleSheet(QStringLiteral("font:14px;"));
    return s;
}

QRadioButton *radio(const QString &text, const QPoint &at, QWidget *parent)
{
    auto *r = new QRadioButton(text, parent);
    r->setStyleSheet(QStringLiteral("font:14px"));
    r->move(at);
    r->adjustSize();
    return r;
}
} // namespace

DisplaySettingsDialog::DisplaySettingsDialog(QWidget *parent, const QStringList &takenNames)
    : QDialog(parent), m_takenNames(takenNames)
{
    setFixedSize(300, 320);
    nameLabel = label(tr("Name:"), QRect(8, 10, 60, 22), this);
    nameEdit = new QLineEdit(this);
    nameEdit->setGeometry(66, 10, 210, 22);
    nameEdit->setReadOnly(true);
    nameEdit->setStyleSheet(QStringLiteral("font:14px"));
    xLabel = label(tr("X:"), QRect(8, 40, 60, 22), this);
    // The bounds a schedule file is held to as well.
    xSpin = spin(DisplayGeometry::kMinPosition, DisplayGeometry::kMaxPosition, 0, QRect(66, 40, 80, 22), this);
    yLabel = label(tr("Y:"), QRect(8, 70, 60, 22), this);
    ySpin = spin(DisplayGeometry::kMinPosition, DisplayGeometry::kMaxPosition, 0, QRect(66, 70, 80, 22), this);
    widthLabel = label(tr("Width:"), QRect(150, 40, 60, 22), this);
    // A display window of no width or height could not be shown nor scaled.
    widthSpin = spin(DisplayGeometry::kMinSize, DisplayGeometry::kMaxSize, 320, QRect(210, 40, 80, 22), this);
    heightLabel = label(tr("Height:"), QRect(150, 70, 60, 22), this);
    heightSpin = spin(DisplayGeometry::kMinSize, DisplayGeometry::kMaxSize, 240, QRect(210, 70, 80, 22), this);
    onTopLabel = label(tr("On Top:"), QRect(8, 110, 60, 22), this);
    neverRadio = radio(tr("Never"), QPoint(80, 110), this);
    alwaysRadio = radio(tr("Always"), QPoint(150, 110), this);
    playingRadio = radio(tr("Playing"), QPoint(220, 110), this);
    alwaysRadio->setChecked(true);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setGeometry(140, 284, 72, 28);
    okButton->setStyleSheet(QStringLiteral("font:14px"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setGeometry(220, 284, 72, 28);
    cancelButton->setStyleSheet(QStringLiteral("font:14px"));
    connect(okButton, &QPushButton::clicked, this, &DisplaySettingsDialog::sureBtnSlot);
    connect(cancelButton, &QPushButton::clicked, this, &DisplaySettingsDialog::cancelBtnSlot);
    // Escape and the window's close button cancel.
    connect(this, &QDialog::rejected, this, [this] {
        if (outcome != 1)
            outcome = 0;
    });
}

int DisplaySettingsDialog::onTopMode() const
{
    if (neverRadio->isChecked())
        return 0;
    if (playingRadio->isChecked())
        return 2;
    return 1;
}

void DisplaySettingsDialog::setOnTopMode(int mode)
{
    neverRadio->setChecked(mode == 0);
    alwaysRadio->setChecked(mode == 1);
    playingRadio->setChecked(mode == 2);
}

void DisplaySettingsDialog::sureBtnSlot()
{
    const QString name = nameEdit->text();
    if (name.isEmpty()) {
        Prompts::current().information(this, tr("info"), tr("Name can not be empty!"));
        return;
    }
    if (m_takenNames.contains(name)) {
        Prompts::current().information(this, tr("info"), tr("The name already exists, please Reinput!"));
        return;
    }
    outcome = 1;
    accept();
}

void DisplaySettingsDialog::cancelBtnSlot()
{
    outcome = 0;
    reject();
}
