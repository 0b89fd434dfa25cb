#pragma once

// The text panel, shared by the four text kinds: the text with its font and
// colours, alignment, background, effects or rolling, and how long it plays.
// A "Text" page and a "Property" page; which rows show depends on the kind.
// Every control writes one field of the current item, refreshes its preview
// and reports the change; filling the panel from an item writes nothing and
// opens no dialog. The editor shows and stores the text as plain text.

#include "panels/MediaPanel.h"
#include "panels/controls/BackgroundChooser.h"

#include <QTime>

class ColourButton;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTextEdit;
class QTimeEdit;
class TextProperty;

class TextPanel : public MediaPanel
{
    Q_OBJECT

public:
    TextPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
    // Shows the current item again by the filler of its kind, when it is a text.
    void refill() override;

    // The fillers of the kinds ("txt" and "simpleText"; "singleRowText";
    // "scrollingText"): each shows the kind's rows and the item's values.
    void fillSimpleText(const QVLedMediaObject &item);
    void fillSingleRowText(const QVLedMediaObject &item);
    void fillScrollingText(const QVLedMediaObject &item);
    // The editor shows for every text kind but "txt"; a selection decides.
    void setEditorShown(bool shown);

    // Set false, the next change of the editor only sets it true again;
    // fillers never set it false, so no keystroke is lost.
    bool textChangeArmed = true;

public slots:
    void slotTextTextChanged();
    void mSlotTextFamily(const QString &family);
    void mSlotTextFontSize(const QString &size);
    void slotTextBChecked(bool on);
    void slotTextIChecked(bool on);
    void slotTextUChecked(bool on);
    // The colour just chosen becomes the text colour.
    void slotTextColorSet();
    void slotShowTextColorDialog();
    void m_textColorfulBoxChanged(int index);
    void slotTextHorizontalChanged(int index);
    void m_textVerticalBoxChanged(int index);
    void slotTextSPacingChanged(int value);
    void slotTextKerningChanged(int value);
    // 0 colour, 1 a picture was asked for and none chosen, 2 the picture of entry 2.
    void mSlotTextBKChange(int index);
    void slotTextBKColorSet();
    void slotShowTextBKColorDialog();
    void slottextBKImageStyleChange(int index);
    void slotTextBKTransparent(bool on);
    void slotTextComingIntoBox(bool on);
    void mSlottextComingStyleChange(int index);
    void slotTextComingSpeedChanged(int value);
    void slotTextGoingOutBox(bool on);
    void mSlottextOutStyleChange(int index);
    void slotTextGoingOutSpeedChanged(int value);
    void slotTextStayTimeChanged(int seconds);
    void slotTextCompletePlayBox(bool on);
    void slottextPlayDurationTimeChanged(const QTime &duration);
    void mSlotTextRollingChange(int index);
    void slottextEndToEndBox(bool on);
    void slottextIntervalOfCycleChanged(int value);
    void mtextRollingSpeedChange(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Layout { Paged, SingleRow, Scrolling };
    void buildTextPage(QWidget *page);
    void buildPropertyPage(QWidget *page);
    void buildEffectRows(QWidget *page);
    void buildRollingRows(QWidget *page);
    void connectControls();
    // The rows of the kind shown, the others hidden.
    void showRowsOf(Layout layout);
    void fill(const QVLedMediaObject &item, Layout layout);
    void fillBackground(const TextProperty &text);
    void onBackgroundChosen(BackgroundChooser::Choice choice);
    QList<QObject *> valueControls() const;

    QTabWidget *m_tabs = nullptr;
    QWidget *m_textPage = nullptr;
    QWidget *m_propertyPage = nullptr;
    // "Text" page
    QTextEdit *m_textEdit = nullptr;
    QLabel *m_fontCaption = nullptr;
    QFontComboBox *m_familyCombo = nullptr;
    QLabel *m_sizeCaption = nullptr;
    QComboBox *m_sizeCombo = nullptr;
    QPushButton *m_boldButton = nullptr;
    QPushButton *m_italicButton = nullptr;
    QPushButton *m_underlineButton = nullptr;
    ColourButton *m_textColourButton = nullptr;
    QLabel *m_colourfulCaption = nullptr;
    QComboBox *m_colourfulCombo = nullptr;
    QLabel *m_horizontalCaption = nullptr;
    QComboBox *m_horizontalCombo = nullptr;
    QLabel *m_verticalCaption = nullptr;
    QComboBox *m_verticalCombo = nullptr;
    QLabel *m_spacingCaption = nullptr;
    QSpinBox *m_spacingSpin = nullptr;
    QLabel *m_kerningCaption = nullptr;
    QSpinBox *m_kerningSpin = nullptr;
    // "Property" page
    QLabel *m_backgroundCaption = nullptr;
    QComboBox *m_backgroundCombo = nullptr;
    BackgroundChooser *m_backgroundChooser = nullptr;
    ColourButton *m_backgroundColourButton = nullptr;
    QComboBox *m_imageStyleCombo = nullptr;
    QCheckBox *m_transparentBox = nullptr;
    QCheckBox *m_comingBox = nullptr;
    QComboBox *m_comingCombo = nullptr;
    QLabel *m_comingSpeedCaption = nullptr;
    QSpinBox *m_comingSpeed = nullptr;
    QLabel *m_comingUnit = nullptr;
    QCheckBox *m_outBox = nullptr;
    QComboBox *m_outCombo = nullptr;
    QLabel *m_outSpeedCaption = nullptr;
    QSpinBox *m_outSpeed = nullptr;
    QLabel *m_outUnit = nullptr;
    QLabel *m_directionCaption = nullptr;
    QComboBox *m_directionCombo = nullptr;
    QCheckBox *m_endToEndBox = nullptr;
    QLabel *m_intervalCaption = nullptr;
    QSpinBox *m_intervalSpin = nullptr;
    QLabel *m_intervalUnit = nullptr;
    QLabel *m_rollingSpeedCaption = nullptr;
    QComboBox *m_rollingSpeedCombo = nullptr;
    QLabel *m_stayCaption = nullptr;
    QSpinBox *m_staySpin = nullptr;
    QLabel *m_stayUnit = nullptr;
    QCheckBox *m_completePlayBox = nullptr;
    QLabel *m_durationCaption = nullptr;
    QTimeEdit *m_durationEdit = nullptr;
};
