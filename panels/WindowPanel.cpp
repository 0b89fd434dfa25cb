// The window panel: its grid of window properties, the bar of media-table
// commands, the media table, and the edits they make.

#include "panels/WindowPanel.h"

#include "base/Prompts.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/PanelHost.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/FillGuard.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

QVLedMediaObject *copiedMedia = nullptr;

namespace {
constexpr int kBarWidth = 200;

QSpinBox *newSpinBox(QWidget *parent, int minimum, int maximum, int value)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    return spin;
}

// Border widths are even: an odd value takes the next one up.
int evenWidth(int value)
{
    return value % 2 == 0 ? value : value + 1;
}

int &fieldOf(CommonWinObject &window, WindowGeometry::Field field)
{
    switch (field) {
    case WindowGeometry::Field::X:
        return window.x;
    case WindowGeometry::Field::Y:
        return window.y;
    case WindowGeometry::Field::Width:
        return window.width;
    case WindowGeometry::Field::Height:
        break;
    }
    return window.height;
}
} // namespace

WindowPanel::WindowPanel(PanelHost &host, QWidget *workArea) : PropertyPanel(host, workArea)
{
    placeInPropertyArea();
    buildPropertyGroup();
    buildButtonBar();
    m_mediaTable = new QTableWidget(0, 1, this);
    m_mediaTable->horizontalHeader()->hide();
    m_mediaTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One item at a time: every command acts on the current item and its row.
    m_mediaTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_mediaTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    placeBarAndTable();
    trUpdate();
}

void WindowPanel::buildPropertyGroup()
{
    m_group = new QGroupBox(this);
    m_group->move(0, 0);
    auto *grid = new QGridLayout(m_group);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(10);
    m_nameCaption = new QLabel(m_group);
    m_nameEdit = new QLineEdit(m_group);
    m_nameEdit->setReadOnly(true);
    m_frameBox = new QCheckBox(m_group);
    m_colourButton = new ColourButton(m_group);
    m_borderWidthCaption = new QLabel(m_group);
    m_borderWidthSpin = newSpinBox(m_group, 1, 10, 1);
    m_xSpin = newSpinBox(m_group, 0, 5000, 0);
    m_ySpin = newSpinBox(m_group, 0, 5000, 0);
    m_widthCaption = new QLabel(m_group);
    m_widthSpin = newSpinBox(m_group, 0, 5000, 320);
    m_heightCaption = new QLabel(m_group);
    m_heightSpin = newSpinBox(m_group, 0, 5000, 240);
    grid->addWidget(m_nameCaption, 0, 0);
    grid->addWidget(m_nameEdit, 0, 1);
    grid->addWidget(m_frameBox, 0, 2);
    grid->addWidget(m_colourButton, 0, 3);
    grid->addWidget(m_borderWidthCaption, 0, 4);
    grid->addWidget(m_borderWidthSpin, 0, 5);
    grid->addWidget(new QLabel(QStringLiteral("X:"), m_group), 1, 0);
    grid->addWidget(m_xSpin, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Y:"), m_group), 1, 2);
    grid->addWidget(m_ySpin, 1, 3);
    grid->addWidget(m_widthCaption, 2, 0);
    grid->addWidget(m_widthSpin, 2, 1);
    grid->addWidget(m_heightCaption, 2, 2);
    grid->addWidget(m_heightSpin, 2, 3);

    connect(m_nameEdit, &QLineEdit::textChanged, this, &WindowPanel::slotCommonWinNameChange);
    connect(m_frameBox, &QCheckBox::toggled, this, &WindowPanel::slotEnabledCommonFrame);
    connect(m_colourButton, &ColourButton::sigColourChosen, this, &WindowPanel::slotCommonWinColorSet);
    connect(m_borderWidthSpin, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &WindowPanel::slotCommonFrameBorderWindthChanged);
    connect(m_xSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, &WindowPanel::slotCommonWinXChanged);
    connect(m_ySpin, QOverload<int>::of(&QSpinBox::valueChanged), this, &WindowPanel::slotCommonWinYChanged);
    connect(m_widthSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, &WindowPanel::slotCommonWinWidthChanged);
    connect(m_heightSpin, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &WindowPanel::slotCommonWinHeightChanged);
}

void WindowPanel::buildButtonBar()
{
    m_bar = new QLabel(this);
    auto *row = new QHBoxLayout(m_bar);
    row->addStretch();
    row->setSpacing(3);
    row->setContentsMargins(0, 6, 0, 0);
    auto button = [this, row](const char *image, void (WindowPanel::*slot)()) {
        auto *b = new QPushButton(m_bar);
        b->setFixedSize(30, 30);
        b->setIconSize(QSize(30, 30));
        b->setIcon(QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(image))));
        b->setCursor(Qt::PointingHandCursor);
        row->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    m_copyButton = button("copy_on", &WindowPanel::slotCopyCommonItem);
    m_pasteButton = button("paste_on", &WindowPanel::slotPasteCommonItem);
    m_deleteButton = button("delete_on", &WindowPanel::slotDeleteCommonItem);
    m_upButton = button("up_on", &WindowPanel::slotUpCommonItem);
    m_downButton = button("down_on", &WindowPanel::slotDownCommonItem);
}

void WindowPanel::trUpdate()
{
    m_nameCaption->setText(tr("Name:"));
    m_frameBox->setText(tr("Frame"));
    m_borderWidthCaption->setText(tr("Width:"));
    m_widthCaption->setText(tr("Width:"));
    m_heightCaption->setText(tr("Height:"));
    m_copyButton->setToolTip(tr("copy"));
    m_pasteButton->setToolTip(tr("paste"));
    m_deleteButton->setToolTip(tr("delete"));
    m_upButton->setToolTip(tr("up"));
    m_downButton->setToolTip(tr("down"));
    m_group->adjustSize();
}

void WindowPanel::relayout()
{
    placeInPropertyArea();
    placeBarAndTable();
}

void WindowPanel::placeBarAndTable()
{
    m_bar->setGeometry(width() - kBarWidth, 120, kBarWidth, 36);
    // Under the property group and the bar, leaving the lowest 220 pixels to the media panels.
    m_mediaTable->setGeometry(0, 160, width(), height() - 380);
    m_mediaTable->setColumnWidth(0, width());
}

QSpinBox *WindowPanel::spinBox(WindowGeometry::Field field) const
{
    switch (field) {
    case WindowGeometry::Field::X:
        return m_xSpin;
    case WindowGeometry::Field::Y:
        return m_ySpin;
    case WindowGeometry::Field::Width:
        return m_widthSpin;
    case WindowGeometry::Field::Height:
        break;
    }
    return m_heightSpin;
}

// ---- filling ---------------------------------------------------------------

void WindowPanel::fillFrom(CommonWinObject &window)
{
    m_nameEdit->setText(window.name);
    {
        // Showing the border writes nothing: the width box must not store the
        // value the previous window left in it.
        FillGuard guard{m_frameBox, m_borderWidthSpin, m_colourButton};
        m_frameBox->setChecked(window.borderEnabled);
        m_colourButton->setEnabled(window.borderEnabled);
        m_borderWidthSpin->setEnabled(window.borderEnabled);
        m_colourButton->setColour(window.borderColour);
        m_borderWidthSpin->setValue(window.borderWidth);
    }
    const QSize display = host().curDisplaySize();
    fillField(WindowGeometry::Field::X, window.x);
    fillField(WindowGeometry::Field::Y, window.y);
    if (window.width == 0 && display.isValid())
        window.width = display.width();
    fillField(WindowGeometry::Field::Width, window.width);
    if (window.height == 0 && display.isValid())
        window.height = display.height();
    fillField(WindowGeometry::Field::Height, window.height);
}

void WindowPanel::fillField(WindowGeometry::Field field, int value)
{
    QSpinBox *spin = spinBox(field);
    {
        FillGuard guard{spin};
        spin->setValue(value);
    }
    editGeometry(field, spin->value());
}

void WindowPanel::showGeometry(const CommonWinObject &window)
{
    m_xSpin->setValue(window.x);
    m_ySpin->setValue(window.y);
    m_widthSpin->setValue(window.width);
    m_heightSpin->setValue(window.height);
}

void WindowPanel::applyPreset(WindowGeometry::Preset preset, const QSize &screen)
{
    CommonWinObject *window = host().curCommonWin();
    if (!window)
        return;
    // Each box's own edit stores and bounds its value; the boxes clamp to 0 .. 5000.
    for (const WindowGeometry::Setting &setting :
         WindowGeometry::preset(preset, screen, QSize(window->width, window->height)))
        spinBox(setting.field)->setValue(setting.value);
    host().refreshWindowArea(window, false);
}

// ---- the window's own fields ---------------------------------------------------

void WindowPanel::slotCommonWinNameChange(const QString &text)
{
    CommonWinObject *window = host().curCommonWin();
    if (!window)
        return;
    const QString previous = window->name;
    if (text.isEmpty()) {
        // A window keeps at least the first character of its name.
        const QString kept = previous.left(1);
        m_nameEdit->setText(kept);
        window->name = kept;
    } else {
        window->name = text;
    }
    emit sigCommonWinNameChanged(previous, window);
}

void WindowPanel::borderEdited(CommonWinObject &window)
{
    host().refreshWindowArea(&window, false);
    emit sigCommonWinChanged(&window);
}

void WindowPanel::slotEnabledCommonFrame(bool on)
{
    CommonWinObject *window = host().curCommonWin();
    if (!window)
        return;
    window->borderEnabled = on;
    m_colourButton->setEnabled(on);
    m_borderWidthSpin->setEnabled(on);
    window->borderWidth = on ? evenWidth(m_borderWidthSpin->value()) : 0;
    borderEdited(*window);
}

void WindowPanel::slotCommonWinColorSet()
{
    if (CommonWinObject *window = host().curCommonWin()) {
        window->borderColour = m_colourButton->colour();
        borderEdited(*window);
    }
}

void WindowPanel::slotCommonFrameBorderWindthChanged(int value)
{
    if (CommonWinObject *window = host().curCommonWin()) {
        window->borderWidth = evenWidth(value);
        borderEdited(*window);
    }
}

void WindowPanel::slotShowCommonWinColorDialog()
{
    m_colourButton->click();
}

void WindowPanel::editGeometry(WindowGeometry::Field field, int value)
{
    CommonWinObject *window = host().curCommonWin();
    const QSize bounds = host().curDisplaySize();
    if (!window || !bounds.isValid())
        return;
    const QRect now(window->x, window->y, window->width, window->height);
    const WindowGeometry::Step step = WindowGeometry::edit(field, value, now, bounds);
    if (step.store)
        fieldOf(*window, field) = value;
    if (step.correct)
        spinBox(step.correctField)->setValue(step.correctValue); // that box's own edit completes this one
    if (step.complete) {
        emit sigCommonWinChanged(window);
        host().refreshWindowArea(window, true);
    }
}

void WindowPanel::slotCommonWinXChanged(int value)
{
    editGeometry(WindowGeometry::Field::X, value);
}

void WindowPanel::slotCommonWinYChanged(int value)
{
    editGeometry(WindowGeometry::Field::Y, value);
}

void WindowPanel::slotCommonWinWidthChanged(int value)
{
    editGeometry(WindowGeometry::Field::Width, value);
}

void WindowPanel::slotCommonWinHeightChanged(int value)
{
    editGeometry(WindowGeometry::Field::Height, value);
}

// ---- the media table's commands ----------------------------------------------

void WindowPanel::slotCopyCommonItem()
{
    if (m_mediaTable->currentRow() >= 0)
        copiedMedia = host().curMedia();
}

void WindowPanel::slotPasteCommonItem()
{
    CommonWinObject *window = host().curCommonWin();
    if (!copiedMedia || !window)
        return;
    int row = m_mediaTable->currentRow();
    if (row < 0)
        row = m_mediaTable->rowCount() - 1;
    const int itemsBefore = window->media.size();
    m_mediaTable->insertRow(row + 1);
    m_mediaTable->setItem(row + 1, 0, new QTableWidgetItem(MediaKinds::pasteLabel(*copiedMedia)));
    emit sigPasteMedia(copiedMedia, window, row);
    // The row stays only when the window's tree took the copy.
    if (window->media.size() == itemsBefore)
        m_mediaTable->removeRow(row + 1);
}

void WindowPanel::slotDeleteCommonItem()
{
    const auto answer = Prompts::current().question(host().dialogParent(), tr("info"),
                                                    tr("Are you sure to delete the selected media?"),
                                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer != QMessageBox::Yes)
        return;
    QVLedMediaObject *item = host().curMedia();
    const QList<QTableWidgetSelectionRange> ranges = m_mediaTable->selectedRanges();
    if (!item || ranges.isEmpty())
        return;
    if (copiedMedia == item)
        copiedMedia = nullptr;
    const int row = ranges.first().topRow();
    emit sigDeleteMedia(item, row);
    // The tree frees the item only when it is the one at that row; the main window then lets go of it.
    if (host().curMedia())
        return;
    m_mediaTable->removeRow(row);
    // The table would highlight the row that moved up, though no item is current
    // and no panel shows: nothing stays highlighted until the operator selects again.
    m_mediaTable->clearSelection();
    m_mediaTable->setCurrentItem(nullptr);
}

void WindowPanel::swapRows(int row, int step)
{
    const int other = row + step;
    for (int column = 0; column < m_mediaTable->columnCount(); ++column) {
        QTableWidgetItem *first = m_mediaTable->takeItem(row, column);
        QTableWidgetItem *second = m_mediaTable->takeItem(other, column);
        m_mediaTable->setItem(row, column, second);
        m_mediaTable->setItem(other, column, first);
    }
    m_mediaTable->setCurrentCell(other, 0);
    emit sigSwapMedia(row, other);
    m_mediaTable->selectRow(other);
}

void WindowPanel::slotUpCommonItem()
{
    const int row = m_mediaTable->currentRow();
    if (row >= 1 && row < m_mediaTable->rowCount())
        swapRows(row, -1);
}

void WindowPanel::slotDownCommonItem()
{
    const int row = m_mediaTable->currentRow();
    if (row >= 0 && row < m_mediaTable->rowCount() - 1)
        swapRows(row, 1);
}
