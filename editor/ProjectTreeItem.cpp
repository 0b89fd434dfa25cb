#include "editor/ProjectTreeItem.h"

ProjectTreeItem::ProjectTreeItem(const QString &type, const QString &text, QTreeWidgetItem *)
    : QTreeWidgetItem(QTreeWidgetItem::Type), m_type(type)
{
    setText(0, text);
}
