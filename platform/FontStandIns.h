#pragma once

// The program's texts are laid out for the family "微软雅黑", which ships with
// Windows only. Where it is missing, the family is mapped inside the program
// to an installed CJK sans family of like widths (Noto Sans CJK SC, which the
// set-up installs), so every widget, style sheet and painter that names it
// gets that family at the same pixel sizes instead of a wider fall-back.
// Nothing is written to the system's or the user's font configuration.

#include <QString>

namespace FontStandIns {

// The family the program's layout is made for.
QString layoutFamily();

// Maps layoutFamily() to the first installed stand-in when the family itself
// is not installed. Returns the stand-in, or an empty text when none is
// needed or none is installed. Call after the application object exists and
// before the first font of that family is used.
QString install();

} // namespace FontStandIns
