#pragma once

// An item of a schedule tree. Its text is its record's name and its type
// string says which level it stands for ("playprogramme", the three segment
// types, "program", "generalwin").

#include <QTreeWidgetItem>

class ProjectTreeItem : public QTreeWidgetItem
{
public:
    // The parent is not used: the caller attaches the item itself.
    ProjectTreeItem(const QString &type, const QString &text, QTreeWidgetItem *parent = nullptr);

    QString getItemType() const { return m_type; }

private:
    QString m_type;
};

inline ProjectTreeItem *asProjectItem(QTreeWidgetItem *item)
{
    return static_cast<ProjectTreeItem *>(item);
}

inline const ProjectTreeItem *asProjectItem(const QTreeWidgetItem *item)
{
    return static_cast<const ProjectTreeItem *>(item);
}
