#pragma once

// Puts a record list into the order of the tree items that show it. Items
// and records are matched by name: each name takes the first record of that
// name not placed yet. Records no item names keep their relative order and
// follow the named ones. Nothing is read outside the list, whatever the names.

#include <QList>
#include <QStringList>

#include <vector>

namespace RecordOrder {

// `matches(record, name)` tells whether the record is the one an item of that text shows.
template <typename Record, typename Matches>
void followNames(QList<Record *> &records, const QStringList &names, Matches matches)
{
    std::vector<bool> placed(size_t(records.size()), false);
    QList<Record *> ordered;
    ordered.reserve(records.size());
    for (const QString &name : names) {
        for (int i = 0; i < records.size(); ++i) {
            if (!placed[size_t(i)] && matches(records.at(i), name)) {
                placed[size_t(i)] = true;
                ordered.append(records.at(i));
                break;
            }
        }
    }
    for (int i = 0; i < records.size(); ++i) {
        if (!placed[size_t(i)])
            ordered.append(records.at(i));
    }
    records = ordered;
}

} // namespace RecordOrder
