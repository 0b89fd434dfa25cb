#pragma once

// The rule of the read-only name fields of the segment, program and window
// panels: a name is never left empty by an edit that empties the field. The
// field then takes back the first character of the name it showed.

#include <QString>

class QLineEdit;

namespace NameRule {

// The typed text, or, when it is empty, the first character of the previous
// name (empty when that name is empty too).
QString nameAfterEdit(const QString &typed, const QString &previous);

// Writes the name the rule gives into `name` and, when the field was
// emptied, puts the kept character back into the field without running its
// slots again.
void applyEdit(QLineEdit *field, const QString &typed, QString &name);

} // namespace NameRule
