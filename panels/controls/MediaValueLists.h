#pragma once

// The value lists of the media panels, written once: the index of an entry
// is the value stored in the record, so their order is part of the data.
// Each list is given as source texts (marked for the context "Widget", as
// the effect lists of model/Effects are); translated() turns a list into
// the current language. The number lists are shown as they are.

#include <QStringList>

namespace MediaValueLists {

QStringList fontSizes();           // "8" ... "80", by eights (not translated)
QStringList colourful();           // the six colourful-character styles
QStringList horizontalAlignments(); // left, right, centre
QStringList verticalAlignments();   // top, bottom, centre
QStringList imageStyles();          // tile, stretch
QStringList rollingDirections();    // right to left, left to right
QStringList rollingSpeeds();        // "1" ... "10"; entry i stands for speed i + 1 (not translated)
QStringList scaleTypes();           // fill, original scale
QStringList rotations();            // none, 90, 180, 270

// The source texts in the current language (context "Widget").
QStringList translated(const QStringList &sources);

} // namespace MediaValueLists
