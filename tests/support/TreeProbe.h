#pragma once

// Reaching a schedule tree as the operator does: items by their path of
// texts, left clicks, and right clicks that choose an entry of the menu.

#include "editor/ProjectTree.h"
#include "support/ScriptedPrompts.h"

#include <QAction>
#include <QStringList>
#include <QTest>
#include <QTreeWidgetItem>

// The item at the path of texts below the root, e.g. "General Segment1/Program1";
// the root for an empty path; null when there is none.
inline QTreeWidgetItem *itemAt(ProjectTree *tree, const QString &path)
{
    QTreeWidgetItem *item = tree->topLevelItem(0);
    for (const QString &text : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QTreeWidgetItem *found = nullptr;
        for (int i = 0; item && i < item->childCount() && !found; ++i) {
            if (item->child(i)->text(0) == text)
                found = item->child(i);
        }
        item = found;
    }
    return item;
}

// The texts of the item's children, in tree order.
inline QStringList childTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; item && i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

// The whole tree below the item as one text per line, indented by depth.
inline QStringList treeOutline(const QTreeWidgetItem *item, int depth = 0)
{
    QStringList lines;
    for (int i = 0; item && i < item->childCount(); ++i) {
        lines << QString(depth * 2, QLatin1Char(' ')) + item->child(i)->text(0);
        lines += treeOutline(item->child(i), depth + 1);
    }
    return lines;
}

inline void clickItem(ProjectTree *tree, QTreeWidgetItem *item, Qt::MouseButton button = Qt::LeftButton)
{
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), button, Qt::NoModifier, tree->visualItemRect(item).center());
}

// A right click on the item whose menu then chooses `entry`.
inline void chooseFromMenu(ScriptedPrompts &prompts, ProjectTree *tree, QTreeWidgetItem *item, QAction *entry)
{
    prompts.onMenu = [entry](QMenu *) { return entry; };
    clickItem(tree, item, Qt::RightButton);
    prompts.onMenu = [](QMenu *) { return nullptr; };
}
