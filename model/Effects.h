#pragma once

// Entrance and exit effects of pictures, Office pages and texts: their
// numbers, the names the item editors list them by, and the random choice.
// The panels and the area player's effects share this one numbering.

#include <QStringList>

namespace Effects {

// 0 draws one of 1..17 at random; 1-8 slides, 9-17 reveals (wipes), 18 fades.
constexpr int kRandom = 0;
constexpr int kFirstSlide = 1;
constexpr int kLastSlide = 8;
constexpr int kFirstReveal = 9;
constexpr int kLastReveal = 17;
constexpr int kFade = 18;

// A stored number outside 0..18 counts as 0 (random).
int normalized(int number);

// The effect a random draw gives: value modulo 17, with 0 meaning 17; 18 is never drawn.
int fromDraw(quint32 value);
// normalized(number), with 0 replaced by a draw from the global random generator.
int resolve(int number);

// Source texts of the lists the item editors show, index = effect number 0..17
// (the fade has no entry). Translated by the panels in their own context.
enum class List {
    Entrance,      // the text editor's entrance list: 17 "Reveal in to center"
    ImageEntrance, // the picture editor's entrance list: 17 "Reveal into center"
    Exit,          // both editors' exit list: 17 "Reveal out from center"
};
QStringList names(List list);

} // namespace Effects
