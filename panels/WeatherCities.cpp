// The province list and the reading of "city.txt".

#include "panels/WeatherCities.h"

#include "base/AppContext.h"

#include <QFile>

namespace WeatherCities {

namespace {
constexpr int kProvinceCodeBytes = 5;
constexpr int kCodeFieldBytes = 10;
constexpr qint64 kLargestCityFile = 4 * 1024 * 1024; // a city list is a few kilobytes
} // namespace

const QStringList &provinceEntries()
{
    static const QStringList entries{
        QStringLiteral("直辖市 10101"), QStringLiteral("黑龙江 10105"), QStringLiteral("吉林 10106"),
        QStringLiteral("辽宁 10107"),   QStringLiteral("内蒙古 10108"), QStringLiteral("河北 10109"),
        QStringLiteral("山西 10110"),   QStringLiteral("陕西 10111"),   QStringLiteral("山东 10112"),
        QStringLiteral("新疆 10113"),   QStringLiteral("西藏 10114"),   QStringLiteral("青海 10115"),
        QStringLiteral("甘肃 10116"),   QStringLiteral("宁夏 10117"),   QStringLiteral("河南 10118"),
        QStringLiteral("江苏 10119"),   QStringLiteral("湖北 10120"),   QStringLiteral("浙江 10121"),
        QStringLiteral("安徽 10122"),   QStringLiteral("福建 10123"),   QStringLiteral("江西 10124"),
        QStringLiteral("湖南 10125"),   QStringLiteral("贵州 10126"),   QStringLiteral("四川 10127"),
        QStringLiteral("广东 10128"),   QStringLiteral("云南 10129"),   QStringLiteral("广西 10130"),
        QStringLiteral("海南 10131"),   QStringLiteral("香港 10132"),   QStringLiteral("澳门 10133"),
        QStringLiteral("台湾 10134"),
    };
    return entries;
}

QString provinceName(int index)
{
    return provinceEntries().value(index).section(QLatin1Char(' '), 0, 0);
}

QByteArray provinceCode(int index)
{
    return provinceEntries().value(index).section(QLatin1Char(' '), 1).toLatin1();
}

QString cityFilePath()
{
    return AppContext::programFilePath(QStringLiteral("city.txt"));
}

QStringList citiesIn(const QByteArray &cityList, const QByteArray &provinceCode)
{
    QStringList cities;
    if (provinceCode.size() != kProvinceCodeBytes)
        return cities;
    QByteArray bytes = cityList;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    for (const QByteArray &rawLine : bytes.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.size() <= kCodeFieldBytes || !line.startsWith(provinceCode))
            continue;
        const QString name = QString::fromUtf8(line.mid(kCodeFieldBytes)).trimmed();
        if (!name.isEmpty())
            cities << name;
    }
    return cities;
}

QStringList citiesOf(const QString &path, const QByteArray &provinceCode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestCityFile)
        return {};
    return citiesIn(file.readAll(), provinceCode);
}

} // namespace WeatherCities
