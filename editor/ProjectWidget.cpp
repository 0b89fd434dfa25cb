#include "editor/ProjectWidget.h"

#include "editor/ProjectTree.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

ProjectWidget::ProjectWidget(int flag, const QString &displayName, Widget *mainWindow, QWidget *parent)
    : QWidget(parent), m_displayName(displayName), m_mainWindow(mainWindow)
{
    m_tree = new ProjectTree(flag, mainWindow, this);
    m_tree->setRootIsDecorated(true);
    m_tree->setFixedWidth(290);
    auto *row = new QHBoxLayout;
    row->addWidget(m_tree);
    row->addStretch();
    row->setContentsMargins(0, 0, 0, 0);
    auto *column = new QVBoxLayout(this);
    column->addLayout(row);
    column->setContentsMargins(0, 0, 0, 0);
}
