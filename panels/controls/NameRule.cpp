// The name rule shared by the panels' name fields.

#include "panels/controls/NameRule.h"

#include "panels/controls/FillGuard.h"

#include <QLineEdit>

namespace NameRule {

QString nameAfterEdit(const QString &typed, const QString &previous)
{
    return typed.isEmpty() ? previous.left(1) : typed;
}

void applyEdit(QLineEdit *field, const QString &typed, QString &name)
{
    name = nameAfterEdit(typed, name);
    if (field && field->text() != name) {
        const FillGuard guard{field};
        field->setText(name);
    }
}

} // namespace NameRule
