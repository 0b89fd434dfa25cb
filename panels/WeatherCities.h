#pragma once

// The provinces and cities the weather panel offers. The 31 provinces are a
// fixed list of name and five-digit code; the cities come from "city.txt",
// which ships in the program's own folder, one per line: a ten-byte code field whose first
// five bytes are the province's code, then the city's name.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace WeatherCities {

// The 31 entries "name code", in the order of the province choice.
const QStringList &provinceEntries();
QString provinceName(int index);
// The five-digit code of the province; empty for an index outside the list.
QByteArray provinceCode(int index);

// The path of the city list: "city.txt" in the program's own folder.
QString cityFilePath();
// The cities of the province in a city list's bytes, in file order. A
// leading byte-order mark is skipped; a line with nothing after its code
// field adds no city.
QStringList citiesIn(const QByteArray &cityList, const QByteArray &provinceCode);
// The same, read from the file; empty when the file cannot be read.
QStringList citiesOf(const QString &path, const QByteArray &provinceCode);

} // namespace WeatherCities
