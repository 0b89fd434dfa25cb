// The program panel: its controls, how a program fills them, and its slots.

#include "panels/ProgramPanel.h"

#include "base/Prompts.h"
#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "panels/PanelHost.h"
#include "panels/controls/BackgroundChooser.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/LengthEdit.h"
#include "panels/controls/NameRule.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>

namespace {
constexpr int kRowHeight = 26;
constexpr int kFieldX = 200;
constexpr int kFieldWidth = 220;

struct MusicButton
{
    const char *image;
    const char *toolTip;
    void (ProgramPanel::*slot)();
};
const MusicButton kMusicButtons[] = {
    {"add_on", QT_TRANSLATE_NOOP("ProgramPanel", "add"), &ProgramPanel::slotAddBKMusic},
    {"delete_on", QT_TRANSLATE_NOOP("ProgramPanel", "delete"), &ProgramPanel::slotDelBKMusic},
    {"up_on", QT_TRANSLATE_NOOP("ProgramPanel", "up"), &ProgramPanel::slotUpBKMusic},
    {"down_on", QT_TRANSLATE_NOOP("ProgramPanel", "down"), &ProgramPanel::slotDownBKMusic},
    {"clear_on", QT_TRANSLATE_NOOP("ProgramPanel", "clear"), &ProgramPanel::slotClearBKMusic},
};

bool confirmed(QWidget *parent, const QString &text)
{
    return Prompts::current().question(parent, ProgramPanel::tr("info"), text, QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::No)
           == QMessageBox::Yes;
}
} // namespace

// Placed once: maximising the main window leaves this panel at its first size.
ProgramPanel::ProgramPanel(PanelHost &host, QWidget *workArea) : PropertyPanel(host, workArea)
{
    placeInPropertyArea();
    buildFields();
    buildMusicList();
    buildPlayMode();
    connectControls();
}

QLabel *ProgramPanel::addLabel(int y)
{
    auto *label = new QLabel(this);
    label->setGeometry(0, y, kFieldX, kRowHeight);
    return label;
}

void ProgramPanel::buildFields()
{
    m_nameLabel = addLabel(0);
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setGeometry(kFieldX, 0, kFieldWidth, kRowHeight);
    m_nameEdit->setReadOnly(true);

    m_colourLabel = addLabel(40);
    m_colourButton = new ColourButton(this, QSize(kFieldWidth, kRowHeight), QRect(6, 6, 208, 14));
    m_colourButton->move(kFieldX, 40);

    m_pictureLabel = addLabel(80);
    m_pictureCombo = new QComboBox(this);
    m_pictureCombo->setGeometry(kFieldX, 80, kFieldWidth, kRowHeight);
    m_pictureChooser = new BackgroundChooser(m_pictureCombo, BackgroundChooser::noPictureFirst, this);

    m_displayTypeLabel = addLabel(120);
    m_displayTypeCombo = new QComboBox(this);
    m_displayTypeCombo->setGeometry(kFieldX, 120, kFieldWidth, kRowHeight);
}

void ProgramPanel::buildMusicList()
{
    m_musicLabel = addLabel(160);
    auto *bar = new QWidget(this);
    bar->setGeometry(width() - 200, 160, 200, 36);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 6, 0, 0);
    row->setSpacing(3);
    row->addStretch();
    for (const MusicButton &entry : kMusicButtons) {
        auto *button = new QPushButton(bar);
        button->setFixedSize(30, 30);
        button->setIcon(QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(entry.image))));
        button->setIconSize(QSize(30, 30));
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, entry.slot);
        row->addWidget(button);
        m_musicButtons << button;
    }

    m_musicTable = new QTableWidget(0, 1, this);
    m_musicTable->setGeometry(0, 200, width(), height() - 360);
    m_musicTable->setColumnWidth(0, width());
    m_musicTable->horizontalHeader()->hide();
    m_musicTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void ProgramPanel::buildPlayMode()
{
    const int h = height();
    m_timesRadio = new QRadioButton(this);
    m_timesRadio->setGeometry(0, h - 100, 260, kRowHeight);
    m_timesRadio->setChecked(true);
    m_timesSpin = new QSpinBox(this);
    m_timesSpin->setGeometry(260, h - 100, 120, kRowHeight);
    m_timesSpin->setRange(0, 10000);
    m_lengthRadio = new QRadioButton(this);
    m_lengthRadio->setGeometry(0, h - 70, 260, kRowHeight);
    m_lengthEdit = new LengthEdit(this);
    m_lengthEdit->setGeometry(260, h - 70, 120, kRowHeight);
    m_loopRadio = new QRadioButton(this);
    m_loopRadio->setGeometry(0, h - 40, 260, kRowHeight);
}

void ProgramPanel::connectControls()
{
    connect(m_nameEdit, &QLineEdit::textChanged, this, &ProgramPanel::slotProgramNameChange);
    connect(m_colourButton, &ColourButton::sigColourChosen, this, &ProgramPanel::slotProgramBKColorSet);
    // The chooser has asked for the file already; what is left is the entry it leaves current.
    connect(m_pictureChooser, &BackgroundChooser::sigChosen, this,
            [this] { slotProgramBKImageChange(m_pictureCombo->currentIndex()); });
    connect(m_displayTypeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ProgramPanel::slotProgramDisplayTypeChanged);
    connect(m_timesSpin, qOverload<int>(&QSpinBox::valueChanged), this, &ProgramPanel::slotProgramTimesChanged);
    connect(m_lengthEdit, &QTimeEdit::timeChanged, this, &ProgramPanel::slotProgramLengthChanged);
    connect(m_timesRadio, &QRadioButton::toggled, this, &ProgramPanel::slotprogramTimesBtn);
    connect(m_lengthRadio, &QRadioButton::toggled, this, &ProgramPanel::slotprogramLengthBtn);
    connect(m_loopRadio, &QRadioButton::toggled, this, &ProgramPanel::slotprogramLoopBtn);
}

void ProgramPanel::trUpdate()
{
    m_nameLabel->setText(tr("Name:"));
    m_colourLabel->setText(tr("Background Color:"));
    m_pictureLabel->setText(tr("Background Picture:"));
    m_displayTypeLabel->setText(tr("Display Type:"));
    m_musicLabel->setText(tr("Back Music:"));
    m_timesRadio->setText(tr("Specify number of times:"));
    m_lengthRadio->setText(tr("Specify duration:"));
    m_loopRadio->setText(tr("Cycle:"));
    // The lists come back in the new language showing what they showed: no record changes.
    m_pictureChooser->retranslate();
    const int displayType = m_displayTypeCombo->currentIndex();
    refillCombo(m_displayTypeCombo, {tr("Tile"), tr("Stretch")}, displayType < 0 ? 0 : displayType);
    for (int i = 0; i < m_musicButtons.size(); ++i)
        m_musicButtons.at(i)->setToolTip(tr(kMusicButtons[i].toolTip));
}

// ---- filling --------------------------------------------------------------

QList<QWidget *> ProgramPanel::playModeWidgets() const
{
    return {m_timesRadio, m_timesSpin, m_lengthRadio, m_lengthEdit, m_loopRadio};
}

void ProgramPanel::fill(ProgramObject *program, const QString &segmentType)
{
    if (!program)
        return;
    const FillGuard guard{m_nameEdit,   m_colourButton, m_pictureCombo, m_displayTypeCombo, m_timesSpin,
                          m_lengthEdit, m_timesRadio,   m_lengthRadio,  m_loopRadio};
    m_nameEdit->setText(program->name);
    m_colourButton->setColour(program->bgColour);
    m_pictureChooser->fill(program->bgPicture.isEmpty(), program->bgPicture);
    m_displayTypeCombo->setCurrentIndex(program->displayType);
    m_musicTable->setRowCount(0);
    for (const QString &path : qAsConst(program->bgMusic)) {
        const int row = m_musicTable->rowCount();
        m_musicTable->insertRow(row);
        m_musicTable->setItem(row, 0, new QTableWidgetItem(path));
    }

    if (segmentType == SegmentType::General) {
        for (QWidget *widget : playModeWidgets())
            widget->show();
        switch (program->playMode) {
        case 0:
            m_timesRadio->setChecked(true);
            m_timesSpin->setValue(program->playTimes);
            break;
        case 1:
            m_lengthRadio->setChecked(true);
            m_lengthEdit->setTime(program->playLength);
            break;
        case 2:
            m_loopRadio->setChecked(true);
            break;
        default:
            return; // a mode of no radio: the controls stay as they were
        }
        enablePlayValues(program->playMode);
    } else if (segmentType == SegmentType::Cycle || segmentType == SegmentType::Timing) {
        for (QWidget *widget : playModeWidgets())
            widget->hide();
    }
}

void ProgramPanel::enablePlayValues(int playMode)
{
    m_timesSpin->setEnabled(playMode == 0);
    m_lengthEdit->setEnabled(playMode == 1);
}

// ---- the program's fields ----------------------------------------------------

bool ProgramPanel::editProgram(const std::function<void(ProgramObject &program)> &write)
{
    ProgramObject *program = host().curProgram();
    if (!program)
        return false;
    write(*program);
    emit sigProgramChanged(program);
    return true;
}

void ProgramPanel::slotProgramNameChange(const QString &text)
{
    editProgram([&](ProgramObject &program) { NameRule::applyEdit(m_nameEdit, text, program.name); });
}

void ProgramPanel::slotProgramBKColorSet(const QColor &colour)
{
    editProgram([&](ProgramObject &program) {
        program.bgColour = colour;
        host().setDisplayBackgroundColour(colour);
    });
}

void ProgramPanel::slotProgramBKImageChange(int index)
{
    ProgramObject *program = host().curProgram();
    if (!program)
        return;
    if (index == 0)
        program->bgPicture.clear();
    else if (index == 2)
        program->bgPicture = m_pictureChooser->picture();
    emit sigProgramChanged(program);
    host().setDisplayBackgroundPicture(program->bgPicture);
}

void ProgramPanel::slotProgramDisplayTypeChanged(int index)
{
    editProgram([index](ProgramObject &program) { program.displayType = index; });
}

void ProgramPanel::slotProgramTimesChanged(int times)
{
    editProgram([times](ProgramObject &program) { program.playTimes = times; });
}

void ProgramPanel::slotProgramLengthChanged(const QTime &length)
{
    editProgram([&length](ProgramObject &program) { program.playLength = length; });
}

void ProgramPanel::slotprogramTimesBtn(bool checked)
{
    if (checked && editProgram([](ProgramObject &program) { program.playMode = 0; }))
        enablePlayValues(0);
}

void ProgramPanel::slotprogramLengthBtn(bool checked)
{
    if (checked && editProgram([](ProgramObject &program) { program.playMode = 1; }))
        enablePlayValues(1);
}

void ProgramPanel::slotprogramLoopBtn(bool checked)
{
    if (checked && editProgram([](ProgramObject &program) { program.playMode = 2; }))
        enablePlayValues(2);
}

// ---- background music ----------------------------------------------------------

void ProgramPanel::slotAddBKMusic()
{
    ProgramObject *program = host().curProgram();
    if (!program)
        return;
    const QString path = Prompts::current().openFileName(
        host().dialogParent(), tr("Open"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        tr("audio(*.mp3 *.wav)"));
    if (path.isEmpty())
        return;
    // The newest file plays first.
    program->bgMusic.prepend(path);
    m_musicTable->insertRow(0);
    m_musicTable->setItem(0, 0, new QTableWidgetItem(path));
}

void ProgramPanel::slotDelBKMusic()
{
    ProgramObject *program = host().curProgram();
    if (!program || !confirmed(host().dialogParent(), tr("Are you sure to delete the selected media?")))
        return;
    const int row = m_musicTable->currentRow();
    if (row < 0)
        return;
    if (row < program->bgMusic.size())
        program->bgMusic.removeAt(row);
    m_musicTable->removeRow(row);
}

void ProgramPanel::swapMusic(ProgramObject &program, int a, int b)
{
    program.bgMusic.swapItemsAt(a, b);
    QTableWidgetItem *first = m_musicTable->item(a, 0);
    QTableWidgetItem *second = m_musicTable->item(b, 0);
    if (first && second) {
        const QString text = first->text();
        first->setText(second->text());
        second->setText(text);
    }
}

void ProgramPanel::slotUpBKMusic()
{
    ProgramObject *program = host().curProgram();
    const int row = m_musicTable->currentRow();
    // The current row stays where it is: the selection does not follow the file.
    if (program && row > 0 && row < program->bgMusic.size())
        swapMusic(*program, row, row - 1);
}

void ProgramPanel::slotDownBKMusic()
{
    ProgramObject *program = host().curProgram();
    const int row = m_musicTable->currentRow();
    if (program && row >= 0 && row + 1 < program->bgMusic.size())
        swapMusic(*program, row, row + 1);
}

void ProgramPanel::slotClearBKMusic()
{
    ProgramObject *program = host().curProgram();
    if (!program || !confirmed(host().dialogParent(), tr("Are you sure to delete all the files?")))
        return;
    program->bgMusic.clear();
    m_musicTable->setRowCount(0);
}
