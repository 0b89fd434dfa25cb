#pragma once

// What the frameless dialogs of the main window share: a white face with a
// dark border, a dark title strip across the top, and dragging by the strip
// or the background. The dialog's texts are set by its own trUpdate().

#include <QDialog>
#include <QPoint>

class QLabel;

class FramelessDialog : public QDialog
{
    Q_OBJECT

public:
    // A fixed-size dialog with its title strip (empty until trUpdate()).
    FramelessDialog(QWidget *parent, const QSize &size);

    // Sets every visible text again in the current language.
    virtual void trUpdate() = 0;

protected:
    QLabel *titleLabel() const { return m_title; }

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *m_title;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
