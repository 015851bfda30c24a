// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display_fakes.h"

#include "face/aspect_fit.h"
#include "settings/settings_layout.h"

#include <variant>

SaveResult FakeOptionHost::SaveSettings() {
    calls.append(QStringLiteral("SaveSettings"));
    saved.push_back(settings);
    return SaveResult::Saved();
}

void FakeOptionHost::FitWindowToPicture() {
    calls.append(QStringLiteral("FitWindowToPicture"));
    if (const auto fitted = FitClientSizeToPicture(settings, pictureSize)) {
        settings.Width = fitted->width();
        settings.Height = fitted->height();
    }
}

void FakeOptionHost::SetRatioMenuItem(CommandState state) {
    calls.append(state == CommandState::Enabled ? QStringLiteral("SetRatio on")
                                                : QStringLiteral("SetRatio off"));
}

void FakeOptionHost::SetDisplayMode(DisplayMode mode) {
    calls.append(QStringLiteral("SetDisplayMode %1").arg(static_cast<int>(mode)));
}

QStringList DifferingFields(const ClockSettings& left, const ClockSettings& right) {
    QStringList differing;
    for (const SettingsField<ClockSettings>& field : SettingsLayout::ClockValues().Fields()) {
        const bool same =
            std::visit([&](auto member) { return left.*member == right.*member; }, field.member);
        if (!same) {
            differing.append(QString::fromUtf16(field.name));
        }
    }
    for (int i = 0; i < PictureList::Capacity; ++i) {
        if (left.pictureList.paths[i] != right.pictureList.paths[i]) {
            differing.append(QStringLiteral("Image_List\\%1").arg(i, 2, 10, QLatin1Char('0')));
        }
    }
    return differing;
}
