#pragma once

// The panel that holds one display window's schedule tree in the main
// window's tree area; the main window keeps one per display window.

#include <QWidget>

class ProjectTree;
class Widget;

// The tree panel of one display window: its schedule tree and a stretch.
class ProjectWidget : public QWidget
{
public:
    ProjectWidget(int flag, const QString &displayName, Widget *mainWindow, QWidget *parent);

    ProjectTree *tree() const { return m_tree; }
    QString displayName() const { return m_displayName; }

private:
    ProjectTree *m_tree;
    QString m_displayName;
    Widget *m_mainWindow;
};
