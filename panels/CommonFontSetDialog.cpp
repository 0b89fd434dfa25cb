// The cover text's font dialog.

#include "panels/CommonFontSetDialog.h"

#include "model/MediaProperties.h"
#include "panels/VideoPanel.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/FillGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

namespace {
QLabel *label(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *made = new QLabel(text, parent);
    made->setGeometry(geometry);
    return made;
}
} // namespace

CommonFontSetDialog::CommonFontSetDialog(VideoPanel &panel, QWidget *parent) : QDialog(parent), m_panel(panel)
{
    setFixedSize(480, 424);
    label(this, tr("Font:"), QRect(20, 20, 90, 26));
    m_font = new QFontComboBox(this);
    m_font->setGeometry(110, 20, 250, 26);
    m_font->setEditable(false);
    connect(m_font, &QComboBox::textActivated, &panel,
            &VideoPanel::slotVideoCoverTextFamily);

    label(this, tr("Size(px):"), QRect(20, 54, 90, 26));
    m_size = new QComboBox(this);
    m_size->setGeometry(110, 54, 60, 26);
    for (int size = 8; size <= 80; size += 8)
        m_size->addItem(QString::number(size));
    connect(m_size, &QComboBox::textActivated, &panel,
            &VideoPanel::slotVideoCoverTextFontSize);
    m_bold = makeStyleButton(QStringLiteral("B"), 180);
    connect(m_bold, &QPushButton::toggled, &panel, &VideoPanel::slotVideoCoverTextBChecked);
    m_italic = makeStyleButton(QStringLiteral("I"), 210);
    connect(m_italic, &QPushButton::toggled, &panel, &VideoPanel::slotVideoCoverTextIChecked);
    m_underline = makeStyleButton(QStringLiteral("U"), 240);
    connect(m_underline, &QPushButton::toggled, &panel, &VideoPanel::slotVideoCoverTextUChecked);
    // A chosen colour is stored at once.
    m_colour = new ColourButton(this, QSize(80, 26), QRect(6, 6, 68, 14));
    m_colour->move(274, 54);
    m_colour->setFocusPolicy(Qt::NoFocus);
    connect(m_colour, &ColourButton::sigColourChosen, this, [this](const QColor &colour) {
        m_panel.slotVideoCoverTextColorSet(colour);
    });

    label(this, tr("Colorful characters:"), QRect(20, 88, 180, 26));
    m_colourful = new QComboBox(this);
    m_colourful->setGeometry(200, 88, 200, 26);
    m_colourful->addItems({tr("None"), tr("Horizontal gradient(six colors)"), tr("Vertical gradient(six colors)"),
                           tr("Angle gradient(six colors)"), tr("Three color streamer word"),
                           tr("Rainbow streamer word")});
    connect(m_colourful, QOverload<int>::of(&QComboBox::activated), &panel, &VideoPanel::slotVideoCoverColorful);

    m_rolling = new QCheckBox(tr("Rolling text"), this);
    m_rolling->setGeometry(20, 122, 100, 26);
    connect(m_rolling, &QCheckBox::stateChanged, &panel, &VideoPanel::slotVideoCoverRollState);
    label(this, tr("Rolling Direction:"), QRect(130, 122, 120, 26));
    m_direction = new QComboBox(this);
    m_direction->setGeometry(250, 122, 120, 26);
    m_direction->addItems({tr("Right to Left"), tr("Left toRight")});
    connect(m_direction, QOverload<int>::of(&QComboBox::activated), &panel, &VideoPanel::slotVideoCoverDirect);

    label(this, tr("Rolling speed:"), QRect(20, 156, 120, 26));
    m_speed = new QComboBox(this);
    m_speed->setGeometry(140, 156, 80, 26);
    for (int speed = 1; speed <= 10; ++speed)
        m_speed->addItem(QString::number(speed));
    connect(m_speed, QOverload<int>::of(&QComboBox::activated), &panel, &VideoPanel::slotVideoCoverSpeed);
    label(this, tr("Rolling text Y:"), QRect(240, 156, 100, 26));
    m_y = new QSpinBox(this);
    m_y->setGeometry(340, 156, 40, 26);
    m_y->setRange(-100, 3000);
    connect(m_y, QOverload<int>::of(&QSpinBox::valueChanged), &panel, &VideoPanel::slotRollTextYChange);

    m_text = new QTextEdit(this);
    m_text->setGeometry(20, 190, 440, 220);
    m_text->setAcceptRichText(false);
    connect(m_text, &QTextEdit::textChanged, this, &CommonFontSetDialog::slotVideoCoverTextChanged);
}

QPushButton *CommonFontSetDialog::makeStyleButton(const QString &text, int x)
{
    auto *button = new QPushButton(text, this);
    button->setGeometry(x, 54, 26, 26);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void CommonFontSetDialog::fill(const VideoProperty &video)
{
    // Showing the item writes nothing back into it.
    FillGuard guard{m_bold, m_italic, m_underline, m_colourful, m_text, m_size, m_font,
                    m_rolling, m_direction, m_speed, m_y};
    m_bold->setChecked(video.coverBold);
    m_underline->setChecked(video.coverUnderline);
    m_italic->setChecked(video.coverItalic);
    m_colourful->setCurrentIndex(video.coverColourful);
    m_text->setPlainText(video.coverText); // plain: "<b>Sale</b>" stays what it is
    m_colour->setColour(video.coverColour);
    const int size = m_size->findText(QString::number(video.coverFontSize));
    if (size >= 0)
        m_size->setCurrentIndex(size);
    const int family = m_font->findText(video.coverFontFamily);
    if (family >= 0)
        m_font->setCurrentIndex(family);
    m_rolling->setChecked(video.coverRolling);
    m_direction->setCurrentIndex(video.coverDirection);
    m_speed->setCurrentIndex(video.coverSpeed - 1);
    m_y->setValue(video.coverY);
}

void CommonFontSetDialog::slotVideoCoverTextChanged()
{
    m_panel.slotVideoCoverTextChanged(m_text->toPlainText());
}
