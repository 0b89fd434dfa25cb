#pragma once

// The web-page panel: address (or a local page), transparency and play time
// of a "URL" item. Address and transparency edits are stored without a new
// preview; the play time shows the page again.

#include "panels/MediaPanel.h"
#include "panels/controls/PanelTexts.h"

#include <QTime>

class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimeEdit;

class UrlPanel : public MediaPanel
{
    Q_OBJECT

public:
    UrlPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
    void fill(QVLedMediaObject *item) override { updateUrlProperty(item); }
    void updateUrlProperty(QVLedMediaObject *item);
    // The page filter as the file dialog of this system reads it: Qt's own
    // dialog splits patterns at blanks, not at ";".
    static QString pageFilter(const QString &translated);

public slots:
    void slotUrlTransparencyChanged(int value);
    void slotUrlAddressChange(const QString &address);
    void slotOpenLocalUrl();
    void slotUrlPlayTimeLength(const QTime &time);
    // The page's position: its controls are never shown, so these store
    // only what a program sets them to.
    void sloturlPosXChanged(int x);
    void sloturlPosYChanged(int y);

private:
    QSpinBox *positionSpin(const QRect &geometry);

    PanelTexts m_texts{"UrlPanel"};
    QSlider *m_transparencySlider = nullptr;
    QLineEdit *m_addressEdit = nullptr;
    QPushButton *m_localButton = nullptr;
    QTimeEdit *m_playTimeEdit = nullptr;
    QSpinBox *m_posXSpin = nullptr;
    QSpinBox *m_posYSpin = nullptr;
};
