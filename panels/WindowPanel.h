#pragma once

// The window panel: the property panel of a window (area) of a program. Its
// upper part edits the window's name, border and geometry; below lies the
// media table, one row per media item in play order, with a bar to copy,
// paste, delete and reorder items; the ten media panels are its children,
// against its lower edge, so hiding it hides them too.
//
// Every edit acts on the window the main window has selected (nothing
// happens when none is) and shows at once in the current display window.

#include "model/WindowGeometry.h"
#include "panels/PropertyPanel.h"

class ColourButton;
class CommonWinObject;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QVLedMediaObject;

// The media item copied in the window panel (not owned), shared by all display
// windows; emptied before that item is freed.
extern QVLedMediaObject *copiedMedia;

class WindowPanel : public PropertyPanel
{
    Q_OBJECT

public:
    WindowPanel(PanelHost &host, QWidget *workArea);

    void trUpdate() override;
    // Placed again, with its bar and media table, when the main window is
    // maximised or restored; the media panels follow through their own relayout().
    void relayout();

    // One column as wide as the panel, no header, not editable, one row selected at most.
    QTableWidget *mediaTable() const { return m_mediaTable; }

    // Shows the selected window: its name, its border as it stands (nothing is
    // written back), then X, Y, width and height, each stored and bounded as an
    // edit would be; a size of 0 takes the display window's.
    void fillFrom(CommonWinObject &window);
    // The position and size fields take the window's values (a mouse edit of its area).
    void showGeometry(const CommonWinObject &window);
    // A preset of the tree's window menu for a display window `screen` large on the desktop.
    void applyPreset(WindowGeometry::Preset preset, const QSize &screen);

    QSpinBox *spinBox(WindowGeometry::Field field) const;
    QSpinBox *borderWidthSpin() const { return m_borderWidthSpin; }
    QCheckBox *frameBox() const { return m_frameBox; }
    ColourButton *colourButton() const { return m_colourButton; }
    QLineEdit *nameEdit() const { return m_nameEdit; }

public slots:
    void slotCommonWinNameChange(const QString &text);
    void slotEnabledCommonFrame(bool on);
    void slotCommonWinColorSet();
    void slotCommonFrameBorderWindthChanged(int value);
    void slotCommonWinXChanged(int value);
    void slotCommonWinYChanged(int value);
    void slotCommonWinWidthChanged(int value);
    void slotCommonWinHeightChanged(int value);
    void slotShowCommonWinColorDialog();

    void slotCopyCommonItem();
    void slotPasteCommonItem();
    void slotDeleteCommonItem();
    void slotUpCommonItem();
    void slotDownCommonItem();

signals:
    void sigCommonWinChanged(CommonWinObject *window);
    void sigCommonWinNameChanged(QString previousName, CommonWinObject *window);
    // Carried to the schedule trees by the main window.
    void sigDeleteMedia(QVLedMediaObject *item, int row);
    void sigPasteMedia(QVLedMediaObject *item, CommonWinObject *window, int row);
    void sigSwapMedia(int first, int second);

private:
    void buildPropertyGroup();
    void buildButtonBar();
    void placeBarAndTable();
    void editGeometry(WindowGeometry::Field field, int value);
    // The field set without its slot, then its slot run once with what the box shows.
    void fillField(WindowGeometry::Field field, int value);
    void borderEdited(CommonWinObject &window);
    // Exchanges rows `row` and `row + step` of the table and tells the trees.
    void swapRows(int row, int step);

    QGroupBox *m_group = nullptr;
    QLabel *m_nameCaption = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QCheckBox *m_frameBox = nullptr;
    ColourButton *m_colourButton = nullptr;
    QLabel *m_borderWidthCaption = nullptr;
    QSpinBox *m_borderWidthSpin = nullptr;
    QSpinBox *m_xSpin = nullptr;
    QSpinBox *m_ySpin = nullptr;
    QLabel *m_widthCaption = nullptr;
    QSpinBox *m_widthSpin = nullptr;
    QLabel *m_heightCaption = nullptr;
    QSpinBox *m_heightSpin = nullptr;
    QLabel *m_bar = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_pasteButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_upButton = nullptr;
    QPushButton *m_downButton = nullptr;
    QTableWidget *m_mediaTable = nullptr;
};
