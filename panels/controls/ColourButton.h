#pragma once

// A colour property: a fixed-size button showing the colour in a framed
// swatch. A click asks for a colour (through Prompts, so tests can answer);
// a chosen colour is shown and reported, a cancelled dialog changes nothing.

#include <QColor>
#include <QPushButton>
#include <QRect>
#include <QSize>

class QFrame;

class ColourButton : public QPushButton
{
    Q_OBJECT

public:
    // The size of the window panel's border-colour button; other panels give
    // their own button size and swatch rectangle (inside the button).
    static constexpr QSize kDefaultSize{150, 30};
    static constexpr QRect kDefaultSwatch{6, 6, 138, 18};

    explicit ColourButton(QWidget *parent, const QSize &size = kDefaultSize, const QRect &swatch = kDefaultSwatch);

    QColor colour() const { return m_colour; }
    // For fillers: shows the colour without reporting it.
    void setColour(const QColor &colour);
    QFrame *swatch() const { return m_swatch; }

signals:
    // The operator chose a colour; it is shown already.
    void sigColourChosen(const QColor &colour);

private:
    void chooseColour();

    QFrame *m_swatch = nullptr;
    QColor m_colour{Qt::black};
};
