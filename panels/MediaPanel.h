#pragma once

// The base of the ten media panels below the media table. It writes once the
// rule every media property slot follows: with no current item nothing
// happens; otherwise the slot's one field is written, the preview of the
// panel's family is refreshed (unless the slot says not to) and, while the
// media table has rows, sigQVMediaChanged reports the table's current row.
//
//     void TextPanel::slotTextKerningChanged(int value)
//     {
//         editCurrent([value](QVLedMediaObject &item) { item.text.kerning = value; });
//     }

#include "model/MediaKinds.h"
#include "panels/PropertyPanel.h"

#include <functional>

class QVLedMediaObject;

class MediaPanel : public PropertyPanel
{
    Q_OBJECT

public:
    // A panel of the window panel, as wide as it and against its lower edge:
    // builtHeight high when the main window is built, placedHeight high each
    // time the main window is maximised or restored.
    MediaPanel(PanelHost &host, MediaFamily family, QWidget *windowPanel, int builtHeight, int placedHeight);

    // The family of kinds whose items this panel shows.
    MediaFamily family() const { return m_family; }
    // Placed again after the window panel took its new size.
    void relayout();
    // Shows the item's block in the controls, storing and reporting nothing;
    // the main window calls it when an item of the family becomes current.
    virtual void fill(QVLedMediaObject *item) { Q_UNUSED(item) }
    // After a retranslation: the current item again, when it is of the family.
    void refill() override;

signals:
    // An edit of the current item; row is the media table's current row.
    void sigQVMediaChanged(int row, QVLedMediaObject *item);

protected:
    enum class Preview { Refresh, Skip };
    using Write = std::function<void(QVLedMediaObject &item)>;

    // The common rule: false (and nothing done) when no item is current.
    bool editCurrent(const Write &write, Preview preview = Preview::Refresh);
    // As editCurrent, but the field is written only when the current item is
    // of the kind; the refresh and the report follow either way.
    bool editCurrentOfKind(MediaKindId kind, const Write &write, Preview preview = Preview::Refresh);
    // The last step alone, for a slot that wrote its field another way.
    void reportChange();

private:
    bool edit(const MediaKindId *onlyKind, const Write &write, Preview preview);
    void placeAtBottom(int height);

    const MediaFamily m_family;
    const int m_placedHeight;
};
