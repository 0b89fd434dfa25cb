#pragma once

// A background picture under a widget's own painting: tiled from the top
// left, stretched over the whole widget, or (for a label) set as the
// label's own picture. The picture comes from the picture cache, decoded in
// the background, and shows when it is there; one that cannot be read
// shows nothing. Made on first use as a child of its widget.

#include "base/PictureCache.h"

#include <QImage>
#include <QObject>
#include <QPixmap>

class PictureRequest;
class QWidget;

class PictureBackdrop : public QObject
{
    Q_OBJECT

public:
    enum class Style { None, Tiled, Stretched, LabelPixmap };

    // The widget's backdrop, made when `make` is set and it has none yet.
    static PictureBackdrop *of(QWidget *widget, bool make = true);

    // Shows the picture at `path` in `style` instead of anything shown
    // before; Style::None or an empty path shows nothing.
    void show(const QString &path, Style style);
    // What is painted now (null while nothing is); a label's own picture is the label's.
    QPixmap painted() const { return m_pixmap; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit PictureBackdrop(QWidget *widget);
    void ask();
    void settled(const PictureCache::Result &result);
    // The picture as painted: stretched ones are scaled once per size, not at every paint.
    void prepare();

    QWidget *m_widget;
    PictureRequest *m_request;
    QString m_path;
    Style m_style = Style::None;
    QImage m_picture;
    QPixmap m_pixmap;
};
