// The main window's part in pictures, Office pages and texts: the fillers of
// the image and text panels, and what a selection of such an item shows.

#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "panels/ImagePanel.h"
#include "panels/TextPanel.h"
#include "shell/Widget.h"

void Widget::updateImageProperty(QVLedMediaObject *item)
{
    if (item)
        imageSetupLabel()->fill(*item);
}

void Widget::updateSimpleTextProperty(QVLedMediaObject *item)
{
    if (item)
        textSetupLabel()->fillSimpleText(*item);
}

void Widget::updateSingleRowTextProperty(QVLedMediaObject *item)
{
    if (item)
        textSetupLabel()->fillSingleRowText(*item);
}

void Widget::updateScrollingTextProperty(QVLedMediaObject *item)
{
    if (item)
        textSetupLabel()->fillScrollingText(*item);
}

bool Widget::selectImageOrTextItem(QVLedMediaObject *item)
{
    const MediaKindRow *row = item ? MediaKinds::find(item->kind) : nullptr;
    if (!row)
        return false;
    switch (row->id) {
    case MediaKindId::Image:
    case MediaKindId::Office:
        updateImageProperty(item);
        refreshImagePreview();
        return true;
    case MediaKindId::Txt:
    case MediaKindId::SimpleText:
        // A text file's text is not edited here.
        textSetupLabel()->setEditorShown(row->id != MediaKindId::Txt);
        updateSimpleTextProperty(item);
        refreshTextPreview();
        return true;
    case MediaKindId::SingleRowText:
        textSetupLabel()->setEditorShown(true);
        updateSingleRowTextProperty(item);
        refreshTextPreview();
        return true;
    case MediaKindId::ScrollingText:
        textSetupLabel()->setEditorShown(true);
        updateScrollingTextProperty(item);
        refreshTextPreview();
        return true;
    default:
        return false;
    }
}
