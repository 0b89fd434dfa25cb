// The colour button with its swatch, and the colour dialog it asks.

#include "panels/controls/ColourButton.h"

#include "base/Prompts.h"

#include <QFrame>

ColourButton::ColourButton(QWidget *parent, const QSize &size, const QRect &swatch) : QPushButton(parent)
{
    setFixedSize(size);
    m_swatch = new QFrame(this);
    m_swatch->setGeometry(swatch);
    m_swatch->setFrameShape(QFrame::Box);
    // A child of a button would fill with the button's role, the button's grey.
    m_swatch->setBackgroundRole(QPalette::Window);
    m_swatch->setAutoFillBackground(true);
    // Clicks on the swatch belong to the button.
    m_swatch->setAttribute(Qt::WA_TransparentForMouseEvents);
    setColour(m_colour);
    connect(this, &QPushButton::clicked, this, &ColourButton::chooseColour);
}

void ColourButton::setColour(const QColor &colour)
{
    m_colour = colour;
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, colour);
    m_swatch->setPalette(palette);
}

void ColourButton::chooseColour()
{
    const QColor chosen = Prompts::current().colour(window(), m_colour);
    if (!chosen.isValid())
        return;
    setColour(chosen);
    emit sigColourChosen(chosen);
}
