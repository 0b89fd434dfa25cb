#pragma once

// A row of two dates: "From", the from-date edit and its calendar button,
// "To", the to-date edit and its calendar button. The schedule panel, the
// segment panel and the time-point dialog each lay one out; what the edits
// and buttons do is theirs to connect.

#include <QWidget>

class QDate;
class QDateEdit;
class QLabel;
class QPushButton;

class DateRangeRow : public QWidget
{
    Q_OBJECT

public:
    // How the calendar buttons look while disabled.
    enum class ButtonLook {
        ImageWhenEnabled, // the calendar image only on an enabled button
        ImageAlways,
    };

    // Both edits show "yyyy-MM-dd" and start at the date given.
    DateRangeRow(const QDate &start, ButtonLook look, QWidget *parent);

    QDateEdit *fromEdit() const { return m_fromEdit; }
    QDateEdit *toEdit() const { return m_toEdit; }
    QPushButton *fromButton() const { return m_fromButton; }
    QPushButton *toButton() const { return m_toButton; }

    void setEditsEnabled(bool enabled);
    void setButtonsEnabled(bool enabled);
    // "From" and "To" again in the current language.
    void retranslate();

private:
    QPushButton *makeButton(ButtonLook look);

    QLabel *m_fromLabel = nullptr;
    QLabel *m_toLabel = nullptr;
    QDateEdit *m_fromEdit = nullptr;
    QDateEdit *m_toEdit = nullptr;
    QPushButton *m_fromButton = nullptr;
    QPushButton *m_toButton = nullptr;
};
