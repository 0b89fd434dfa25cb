#pragma once

// The main window as the panels see it: answers PanelHost from the main
// window's selection, display windows and media table.

#include "panels/PanelHost.h"

class Widget;

class WidgetPanelHost final : public PanelHost
{
public:
    explicit WidgetPanelHost(Widget &widget) : m_widget(widget) { }

    QVLedMediaObject *curMedia() const override;
    GeneralObject *curGeneralSegment() const override;
    CycleObject *curCycleSegment() const override;
    TimingObject *curTimingSegment() const override;
    ProgramObject *curProgram() const override;
    CommonWinObject *curCommonWin() const override;
    QString curDisplayName() const override;
    QSize curDisplaySize() const override;
    bool curDisplayPlays() const override;
    int mediaRowCount() const override;
    int currentMediaRow() const override;
    void refreshPreview(MediaFamily family) override;
    void editVideoPlayer(VideoEdit edit, int value) override;
    void refreshVideoCover() override;
    QWidget *dialogParent() const override;
    void setDisplayBackgroundColour(const QColor &colour) override;
    void setDisplayBackgroundPicture(const QString &path) override;
    void refreshWindowArea(CommonWinObject *window, bool dropNameMarks) override;

private:
    Widget &m_widget;
};
