#pragma once

// The base of the players whose items show in one widget of their own and
// stay for the area's stay time (clocks, count timer, web page, weather,
// camera). The widget is made the first time an item of the family shows;
// the player owns it and keeps it in the area's content rectangle.

#include "playback/content/ContentPlayer.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

class WidgetContentPlayer : public ContentPlayer
{
    Q_OBJECT

public:
    explicit WidgetContentPlayer(QWidget *area) : m_area(area) { }
    ~WidgetContentPlayer() override { delete m_view; }

    QWidget *view() const override { return m_view; }
    bool timesItself() const override { return false; }
    void placeIn(const QRect &contentRect) override
    {
        m_rect = contentRect;
        if (m_view)
            m_view->setGeometry(contentRect);
    }

protected:
    QWidget *area() const { return m_area; }
    // Takes the family's widget (a child of the area) into the player's care.
    void adoptView(QWidget *view)
    {
        m_view = view;
        view->setGeometry(m_rect);
        view->hide();
    }
    // Shows the widget over the area's other content.
    void showView()
    {
        if (!m_view)
            return;
        m_view->show();
        m_view->raise();
    }
    void stopItem() override
    {
        halt();
        if (m_view)
            m_view->hide();
    }
    // What stops besides hiding: timers, a capture.
    virtual void halt() { }

private:
    QWidget *m_area = nullptr; // not owned
    QRect m_rect;
    QPointer<QWidget> m_view;
};
