// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "core/command_state.h"
#include "core/window_modes.h"
#include "face/icon_bar.h"
#include "platform/save_result.h"
#include "settings/clock_settings.h"

#include <QString>

// What the display settings dialog needs of the clock window: its settings to write the
// copy into, and the window-side steps of applying them. The dialog never reaches the
// window any other way.
class OptionFormHost {
public:
    virtual ~OptionFormHost() = default;

    // The clock window's own settings, read for the copy and written on apply.
    virtual ClockSettings& WindowSettings() = 0;
    // Writes every settings record to the store.
    virtual SaveResult SaveSettings() = 0;
    // Clears the picture-loaded flag, so the next face draw reads the picture again.
    virtual void InvalidatePicture() = 0;
    // The shape menu's operation: stores the type, moves the menu's check mark and cuts the
    // window to the shape at its present size.
    virtual void ChooseWindowShape(WindowShape shape) = 0;
    // Composes and shows the face now (this loads a newly chosen picture).
    virtual void DrawFaceNow() = 0;
    // The "縦横比調整(&R)" fit of the window's client size to the loaded picture.
    virtual void FitWindowToPicture() = 0;
    virtual void SetRatioMenuItem(CommandState state) = 0;
    virtual void SetDisplayMode(DisplayMode mode) = 0;

    // The preview shows the clock window's time and icon bar state.
    virtual ClockTime CurrentClockTime() const = 0;
    virtual IconBarSources IconSources() const = 0;
    // Where relative picture paths are looked up when not found in the current directory.
    virtual QString PictureDataFolder() const = 0;
};
