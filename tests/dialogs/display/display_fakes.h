// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/option_form_host.h"
#include "fake_choosers.h"
#include "service_fakes.h"

#include <QSize>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

// The clock window's side of the display dialog: its settings, and a log of the steps the
// dialog asked for, in order.
class FakeOptionHost : public OptionFormHost {
public:
    ClockSettings& WindowSettings() override { return settings; }
    SaveResult SaveSettings() override;
    void InvalidatePicture() override { calls.append(QStringLiteral("InvalidatePicture")); }
    void ChooseWindowShape(WindowShape shape) override {
        calls.append(QStringLiteral("ChooseWindowShape %1").arg(StoredNumber(shape)));
    }
    void DrawFaceNow() override { calls.append(QStringLiteral("DrawFaceNow")); }
    // Fits as the clock window does, to a picture of `pictureSize`.
    void FitWindowToPicture() override;
    void SetRatioMenuItem(CommandState state) override;
    void SetDisplayMode(DisplayMode mode) override;
    ClockTime CurrentClockTime() const override { return time; }
    IconBarSources IconSources() const override { return {}; }
    QString PictureDataFolder() const override { return dataFolder; }

    ClockSettings settings;
    QStringList calls;
    std::vector<ClockSettings> saved; // the settings at each save
    QSize pictureSize{640, 480};
    ClockTime time;
    QString dataFolder;
};

// Every stored field of the two settings that differs, by its value name; the picture list
// entries in use are compared as "Image_List\NN".
QStringList DifferingFields(const ClockSettings& left, const ClockSettings& right);
