#pragma once

// The background-picture choice of the media panels and the program panel,
// run on their combo box: entry 0 the panel's first entry ("Color" or "No
// background picture"), entry 1 "Please Select background picture", entry 2
// the chosen picture's path when there is one. Choosing entry 1 asks for a
// picture: a chosen file becomes entry 2 (added, or replacing the old one)
// and is selected; a cancelled dialog leaves entry 1 selected and stores
// nothing. What a choice means for the record is the panel's: it receives
// sigChosen from choices of the operator only, never from fillers.

#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;

class BackgroundChooser : public QObject
{
    Q_OBJECT

public:
    // What differs between the panels that use the choice.
    struct Policy
    {
        const char *firstEntry; // source text of entry 0, translated in this class's context
    };
    // Media panels: entry 0 is a colour background.
    static const Policy colourFirst;
    // Program panel: entry 0 is no picture at all.
    static const Policy noPictureFirst;

    enum class Choice {
        First,     // entry 0
        NoPicture, // entry 1 and the file dialog was cancelled: keep the stored picture
        Picture,   // entry 2, or a file just chosen: the picture is the path
    };
    Q_ENUM(Choice)

    // Takes over the combo box (not owned): its items and its activation.
    BackgroundChooser(QComboBox *combo, const Policy &policy, QObject *parent = nullptr);

    // Rebuilds the entries from a record, silently: entry 0 when first is set,
    // else entry 2 when there is a picture, else entry 1.
    void fill(bool first, const QString &picture);
    // Sets entries 0 and 1 again in the current language, silently; the
    // picture entry and the current entry stay.
    void retranslate();
    // The path of entry 2, empty when there is none.
    QString picture() const;

signals:
    // picture is the path for Choice::Picture, else empty.
    void sigChosen(BackgroundChooser::Choice choice, const QString &picture);

private:
    void onActivated(int index);
    // Asks for a picture; false when the dialog was cancelled.
    bool askForPicture();
    void setPicture(const QString &path);
    QStringList fixedEntries() const;

    QComboBox *m_combo = nullptr;
    const Policy m_policy;
};
