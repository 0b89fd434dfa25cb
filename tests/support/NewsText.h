#pragma once

// A long text for the tests and benchmarks of long texts: numbered
// sentences, so no two stretches of it look alike.

#include <QString>

inline QString newsText(int characters)
{
    QString text;
    text.reserve(characters + 64);
    for (int i = 0; text.size() < characters; ++i)
        text += QStringLiteral("Item %1: the market opens at nine. ").arg(i);
    text.truncate(characters);
    return text;
}
