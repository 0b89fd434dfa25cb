#pragma once

// The program panel: name, background colour and picture (both shown at
// once on the current display window), display type, the background-music
// list, and, for programs of general segments, how long the program plays.
// Edits of the program's fields are reported by sigProgramChanged; the music
// list's commands change the list and report nothing. With no program
// current nothing happens. Filling and retranslating write nothing.

#include "panels/PropertyPanel.h"

#include <functional>

class BackgroundChooser;
class ColourButton;
class LengthEdit;
class ProgramObject;
class QColor;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTime;

class ProgramPanel : public PropertyPanel
{
    Q_OBJECT

public:
    ProgramPanel(PanelHost &host, QWidget *workArea);

    void trUpdate() override;

    // Shows the program; the play-mode controls only for a program of a
    // general segment. Null leaves the controls.
    void fill(ProgramObject *program, const QString &segmentType);

    QLineEdit *nameEdit() const { return m_nameEdit; }
    ColourButton *colourButton() const { return m_colourButton; }
    QComboBox *pictureCombo() const { return m_pictureCombo; }
    QComboBox *displayTypeCombo() const { return m_displayTypeCombo; }
    QTableWidget *musicTable() const { return m_musicTable; }
    QRadioButton *timesRadio() const { return m_timesRadio; }
    QSpinBox *timesSpin() const { return m_timesSpin; }
    QRadioButton *lengthRadio() const { return m_lengthRadio; }
    LengthEdit *lengthEdit() const { return m_lengthEdit; }
    QRadioButton *loopRadio() const { return m_loopRadio; }

public slots:
    void slotProgramNameChange(const QString &text);
    // The colour the operator chose with the colour button.
    void slotProgramBKColorSet(const QColor &colour);
    // Index 0 no picture, 2 the picture of entry 2; 1 (the file dialog was
    // cancelled) stores nothing. Reported and shown in every case.
    void slotProgramBKImageChange(int index);
    void slotProgramDisplayTypeChanged(int index);
    void slotProgramTimesChanged(int times);
    void slotProgramLengthChanged(const QTime &length);
    void slotprogramTimesBtn(bool checked);
    void slotprogramLengthBtn(bool checked);
    void slotprogramLoopBtn(bool checked);
    void slotAddBKMusic();
    void slotDelBKMusic();
    void slotUpBKMusic();
    void slotDownBKMusic();
    void slotClearBKMusic();

signals:
    void sigProgramChanged(ProgramObject *program);

private:
    void buildFields();
    void buildMusicList();
    void buildPlayMode();
    void connectControls();
    QLabel *addLabel(int y);
    // Enables the times box and the length edit as the play mode says.
    void enablePlayValues(int playMode);
    // Writes the current program (when there is one) and reports it.
    bool editProgram(const std::function<void(ProgramObject &program)> &write);
    // Swaps music rows (and entries) a and b, both within the list.
    void swapMusic(ProgramObject &program, int a, int b);
    QList<QWidget *> playModeWidgets() const;

    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QLabel *m_colourLabel = nullptr;
    ColourButton *m_colourButton = nullptr;
    QLabel *m_pictureLabel = nullptr;
    QComboBox *m_pictureCombo = nullptr;
    BackgroundChooser *m_pictureChooser = nullptr;
    QLabel *m_displayTypeLabel = nullptr;
    QComboBox *m_displayTypeCombo = nullptr;
    QLabel *m_musicLabel = nullptr;
    QList<QPushButton *> m_musicButtons; // add, delete, up, down, clear
    QTableWidget *m_musicTable = nullptr;
    QRadioButton *m_timesRadio = nullptr;
    QSpinBox *m_timesSpin = nullptr;
    QRadioButton *m_lengthRadio = nullptr;
    LengthEdit *m_lengthEdit = nullptr;
    QRadioButton *m_loopRadio = nullptr;
};
