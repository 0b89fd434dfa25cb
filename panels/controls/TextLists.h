#pragma once

// The value lists the text-drawing panels share: the font sizes and the six
// colourful-characters styles, in stored-index order.

#include <QStringList>

namespace TextLists {

// "8", "16", ... "80" (not translated).
QStringList fontSizes();
// "None" ... "Rainbow streamer word", translated.
QStringList colourfulStyles();

} // namespace TextLists
