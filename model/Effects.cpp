// The effect numbering and the names of the effect lists.

#include "model/Effects.h"

#include <QCoreApplication>
#include <QRandomGenerator>

namespace Effects {

int normalized(int number)
{
    return number >= kRandom && number <= kFade ? number : kRandom;
}

int fromDraw(quint32 value)
{
    const int r = int(value % 17);
    return r == 0 ? 17 : r;
}

int resolve(int number)
{
    const int n = normalized(number);
    return n == kRandom ? fromDraw(QRandomGenerator::global()->generate()) : n;
}

namespace {
// Marked for the panels' catalogue (context "Widget"). "Reveal from top " keeps
// its trailing blank: it is the text the lists have always shown.
const char *const kCommonNames[] = {
    QT_TRANSLATE_NOOP("Widget", "Random"),
    QT_TRANSLATE_NOOP("Widget", "Slide from right"),
    QT_TRANSLATE_NOOP("Widget", "Slide from left"),
    QT_TRANSLATE_NOOP("Widget", "Slide from top"),
    QT_TRANSLATE_NOOP("Widget", "Slide from bottom"),
    QT_TRANSLATE_NOOP("Widget", "Slide from bottom right"),
    QT_TRANSLATE_NOOP("Widget", "Slide from bottom left"),
    QT_TRANSLATE_NOOP("Widget", "Slide from top left"),
    QT_TRANSLATE_NOOP("Widget", "Slide from top right"),
    QT_TRANSLATE_NOOP("Widget", "Reveal from right"),
    QT_TRANSLATE_NOOP("Widget", "Reveal from left"),
    QT_TRANSLATE_NOOP("Widget", "Reveal from top "),
    QT_TRANSLATE_NOOP("Widget", "Reveal from bottom"),
    QT_TRANSLATE_NOOP("Widget", "Reveal out left and right from middle"),
    QT_TRANSLATE_NOOP("Widget", "Reveal in from left and right"),
    QT_TRANSLATE_NOOP("Widget", "Reveal out up and down from middle"),
    QT_TRANSLATE_NOOP("Widget", "Reveal in from top and bottom"),
};
const char *const kTextEntranceLast = QT_TRANSLATE_NOOP("Widget", "Reveal in to center");
const char *const kImageEntranceLast = QT_TRANSLATE_NOOP("Widget", "Reveal into center");
const char *const kExitLast = QT_TRANSLATE_NOOP("Widget", "Reveal out from center");
} // namespace

QStringList names(List list)
{
    QStringList texts;
    for (const char *name : kCommonNames)
        texts << QString::fromLatin1(name);
    switch (list) {
    case List::Entrance:
        texts << QString::fromLatin1(kTextEntranceLast);
        break;
    case List::ImageEntrance:
        texts << QString::fromLatin1(kImageEntranceLast);
        break;
    case List::Exit:
        texts << QString::fromLatin1(kExitLast);
        break;
    }
    return texts;
}

} // namespace Effects
