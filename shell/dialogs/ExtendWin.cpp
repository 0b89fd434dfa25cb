// The back-stage screen choice.

#include "shell/dialogs/ExtendWin.h"

#include "base/AppContext.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ExtendWin::ExtendWin(QWidget *parent, const QList<ScreenRect> &screens) : QDialog(parent)
{
    setWindowTitle(tr("Backstage setting"));
    setFixedSize(328, 248);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("Screen selection:"), this);
    label->setFixedSize(150, 26);
    layout->addWidget(label);
    for (int i = 1; i < screens.size(); ++i) {
        const QRect &g = screens.at(i).geometry;
        auto *button = new QRadioButton(
            QStringLiteral("x:%1 y:%2 w:%3 h:%4").arg(g.left()).arg(g.top()).arg(g.width()).arg(g.height()), this);
        screenButtons << button;
        layout->addWidget(button);
    }
    if (QRadioButton *first = screenButtons.value(0))
        first->setChecked(true);
    layout->setSpacing(20);
    layout->addStretch();
    layout->setContentsMargins(40, 10, 10, 10);

    okButton = new QPushButton(tr("ok"), this);
    okButton->setGeometry(60, 200, 80, 30);
    cancelButton = new QPushButton(tr("cancel"), this);
    cancelButton->setGeometry(188, 200, 80, 30);
    connect(okButton, &QPushButton::clicked, this, &ExtendWin::slotSure);
    connect(cancelButton, &QPushButton::clicked, this, &ExtendWin::slotCancel);
}

void ExtendWin::slotSure()
{
    for (int i = 0; i < screenButtons.size(); ++i) {
        if (screenButtons.at(i)->isChecked()) {
            chosenIndex = i;
            break;
        }
    }
    cancelled = false;
    accept();
}

void ExtendWin::slotCancel()
{
    cancelled = true;
    reject();
}
