#pragma once

// The font dialog of a video item's cover text: text, font, size, bold,
// italic, underline, colour, colourful style, rolling, direction, speed and
// height. Every edit goes at once into the item through the video panel's
// cover slots; there is no OK or Cancel, and closing undoes nothing. A new
// dialog is built for each use and freed when it closes.

#include <QDialog>

class ColourButton;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QPushButton;
class QSpinBox;
class QTextEdit;
class VideoPanel;
class VideoProperty;

class CommonFontSetDialog : public QDialog
{
    Q_OBJECT

public:
    CommonFontSetDialog(VideoPanel &panel, QWidget *parent);

    // Shows the item's cover settings; stores nothing.
    void fill(const VideoProperty &video);

    QFontComboBox *fontCombo() const { return m_font; }
    QComboBox *sizeCombo() const { return m_size; }
    QPushButton *boldButton() const { return m_bold; }
    QComboBox *colourfulCombo() const { return m_colourful; }
    QCheckBox *rollingBox() const { return m_rolling; }
    QComboBox *directionCombo() const { return m_direction; }
    QComboBox *speedCombo() const { return m_speed; }
    QSpinBox *ySpin() const { return m_y; }
    QTextEdit *textBox() const { return m_text; }
    ColourButton *colourButton() const { return m_colour; }

public slots:
    // The text box's plain text to the panel.
    void slotVideoCoverTextChanged();

private:
    QPushButton *makeStyleButton(const QString &text, int x);

    VideoPanel &m_panel;
    QFontComboBox *m_font = nullptr;
    QComboBox *m_size = nullptr;
    QPushButton *m_bold = nullptr;
    QPushButton *m_italic = nullptr;
    QPushButton *m_underline = nullptr;
    ColourButton *m_colour = nullptr;
    QComboBox *m_colourful = nullptr;
    QCheckBox *m_rolling = nullptr;
    QComboBox *m_direction = nullptr;
    QComboBox *m_speed = nullptr;
    QSpinBox *m_y = nullptr;
    QTextEdit *m_text = nullptr;
};
