// The length edit of the panels.

#include "panels/controls/LengthEdit.h"

#include "base/Clock.h"

LengthEdit::LengthEdit(QWidget *parent) : QTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("HH:mm:ss"));
    setTime(Clock::current().currentTime());
}
