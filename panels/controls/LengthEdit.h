#pragma once

// A length of play as hours, minutes and seconds ("HH:mm:ss"). It starts at
// the current time of day, as the panels that use it expect until a record
// is shown.

#include <QTimeEdit>

class LengthEdit : public QTimeEdit
{
    Q_OBJECT

public:
    explicit LengthEdit(QWidget *parent);
};
