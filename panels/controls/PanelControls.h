#pragma once

// Small makers of the controls the media panels place by pixel: a spin box,
// a length edit ("HH:mm:ss"), a combo box and the 90 x 26 colour button with
// its 78 x 16 swatch.

#include "panels/controls/ColourButton.h"
#include "panels/controls/LengthEdit.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTimeEdit>

namespace PanelControls {

inline QSpinBox *spinBox(QWidget *parent, const QRect &geometry, int minimum, int maximum)
{
    auto *spin = new QSpinBox(parent);
    spin->setGeometry(geometry);
    spin->setRange(minimum, maximum);
    return spin;
}

inline QTimeEdit *timeEdit(QWidget *parent, const QRect &geometry)
{
    auto *edit = new LengthEdit(parent);
    edit->setGeometry(geometry);
    return edit;
}

inline QComboBox *comboBox(QWidget *parent, const QRect &geometry)
{
    auto *combo = new QComboBox(parent);
    combo->setGeometry(geometry);
    return combo;
}

inline ColourButton *colourButton(QWidget *parent, int x, int y)
{
    auto *button = new ColourButton(parent, QSize(90, 26), QRect(6, 4, 78, 16));
    button->move(x, y);
    return button;
}

} // namespace PanelControls
