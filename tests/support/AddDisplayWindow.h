#pragma once

// Answers the display-window settings dialog of the add command with OK at
// a given position, for tests that add display windows.

#include "shell/dialogs/DisplaySettingsDialog.h"

#include <QPoint>
#include <QSpinBox>

#include <functional>

inline std::function<int(QDialog *)> addDisplayWindowAt(const QPoint &pos)
{
    return [pos](QDialog *dialog) {
        auto *settings = qobject_cast<DisplaySettingsDialog *>(dialog);
        if (!settings)
            return int(QDialog::Rejected);
        settings->xSpin->setValue(pos.x());
        settings->ySpin->setValue(pos.y());
        settings->sureBtnSlot();
        return int(QDialog::Accepted);
    };
}
