#pragma once

// The seven weekday boxes, Monday first, one per name of Weekday::allDays().
// The boxes show translated names; records hold the English ones. Each
// panel places the boxes in its own grid and connects them itself.

#include <QList>
#include <QObject>
#include <QStringList>

class QCheckBox;
class QWidget;

class DayBoxes : public QObject
{
    Q_OBJECT

public:
    explicit DayBoxes(QWidget *parent);

    // Box i shows day i of Weekday::allDays(); null outside 0..6.
    QCheckBox *box(int day) const { return m_boxes.value(day); }
    const QList<QCheckBox *> &boxes() const { return m_boxes; }

    // Each box checked exactly when the list holds its English name.
    void showDays(const QStringList &weekdays);
    // The English names of the checked boxes, Monday first.
    QStringList checkedDays() const;
    void checkAll();
    void retranslate();

private:
    QList<QCheckBox *> m_boxes;
};
