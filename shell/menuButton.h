#pragma once

// The image-over-caption button of the tool strip and the main menu. It never
// shows a pressed state and never emits clicked(): a command runs on the
// release of a left-only press while the cursor is over the button.

#include <QPixmap>
#include <QToolButton>

class menuButton : public QToolButton
{
    Q_OBJECT

public:
    menuButton(const QPixmap &icon, const QString &caption, QWidget *parent);

    QString caption;
    QPixmap icon;
    bool mouseOutside = true;
    Qt::MouseButtons pressButtons = Qt::NoButton;

signals:
    void sigBtnPressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
