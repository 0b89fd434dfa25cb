#pragma once

// The tab of one display window in the main window's tab row. A left click
// on an unchecked tab selects the display window; a right click on the
// checked one opens its menu (settings, add, delete).

#include <QToolButton>

class QAction;
class QMenu;
class Widget;

class newDisplayWindowButton : public QToolButton
{
    Q_OBJECT

public:
    newDisplayWindowButton(const QString &name, Widget *owner, QWidget *parent);
    ~newDisplayWindowButton() override;

    QMenu *menu = nullptr;
    QAction *settingAction = nullptr;
    QAction *addWindowAction = nullptr;
    QAction *deleteAction = nullptr;
    QString name;
    Widget *owner = nullptr;

    void trUpdate();

signals:
    void sigBtnChecked(QString name);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
