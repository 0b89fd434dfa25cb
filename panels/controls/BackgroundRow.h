#pragma once

// The background row of the media panels whose items draw on a background of
// their own (the clocks, the count timer, the weather and the camera): the
// "Background:" caption, the picture choice, the colour button, the picture
// style and, where the panel has one, "Transparent". The row stores the
// choices in the current item's block through its panel's common slot rule
// and keeps its controls enabled as the choice says. What differs between
// the panels is its Policy.

#include "model/MediaKinds.h"
#include "panels/controls/BackgroundChooser.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>

class ColourButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QVLedMediaObject;
class QWidget;

// The background fields of one block, by address; `transparent` is null for a
// block the row has no "Transparent" for.
struct BackgroundFieldRefs
{
    bool *isColour = nullptr;
    QColor *colour = nullptr;
    QString *picture = nullptr;
    int *imageStyle = nullptr;
    bool *transparent = nullptr;
};

class BackgroundRow : public QObject
{
    Q_OBJECT

public:
    struct Policy
    {
        MediaKindId kind;           // the kind whose block the row edits
        bool choiceOfKindOnly;      // a choice is stored only in an item of that kind
        bool colourOfKindOnly;      // a colour likewise
        bool colourMakesColourMode; // a chosen colour also turns the background to colour
        bool hasTransparent;        // the row has a "Transparent" box
    };
    using Fields = BackgroundFieldRefs (*)(QVLedMediaObject &item);
    using Write = std::function<void(QVLedMediaObject &item)>;
    // The panel's common slot rule: writes (only in an item of the policy's
    // kind when ofKindOnly is set), refreshes the preview and reports.
    using Edit = std::function<void(bool ofKindOnly, const Write &write)>;

    // Builds the row in `page` at height y: caption 10, chooser 100 (280
    // wide), colour button 380 and picture style 480 (90 wide each),
    // "Transparent" 574 (110 wide).
    BackgroundRow(QWidget *page, int y, const Policy &policy, Fields fields, Edit edit);

    QComboBox *chooserBox() const { return m_chooserBox; }
    BackgroundChooser *chooser() const { return m_chooser; }
    ColourButton *colourButton() const { return m_colourButton; }
    QComboBox *styleBox() const { return m_styleBox; }
    QCheckBox *transparentBox() const { return m_transparentBox; } // null without one

    // Shows the item's background, storing nothing and reporting nothing.
    void fill(QVLedMediaObject &item);
    // The caption, the two fixed choices, "Tile"/"Stretch" and "Transparent" again.
    void retranslate();

    // What the panel's slots call when the operator acts:
    void choose(BackgroundChooser::Choice choice, const QString &picture);
    void storeColour(const QColor &colour);
    void storeImageStyle(int index);
    void storeTransparent(bool on);

    // The controls that "Transparent" disables.
    void setChoiceEnabled(bool enabled);

private:
    const Policy m_policy;
    const Fields m_fields;
    const Edit m_edit;
    QLabel *m_caption = nullptr;
    QComboBox *m_chooserBox = nullptr;
    BackgroundChooser *m_chooser = nullptr;
    ColourButton *m_colourButton = nullptr;
    QComboBox *m_styleBox = nullptr;
    QCheckBox *m_transparentBox = nullptr;
};
