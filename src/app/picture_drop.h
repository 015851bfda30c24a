// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"

#include <QStringList>

class UserPrompt;

// What the window does after a drop.
struct PictureDropEffects {
    enum class Outcome { NothingDropped, Added, ListFull };

    Outcome outcome = Outcome::NothingDropped;
    // Mark the picture as not loaded and load it at once; a file that is not a picture then
    // leaves the background colour showing and stays in the list.
    bool reloadPicture = false;
    bool enableSetRatio = false;

    bool operator==(const PictureDropEffects&) const = default;
};

// Files dropped on the clock: the first one joins the picture list and becomes the picture
// shown. A full list refuses it with a message and nothing changes.
class PictureDrop {
public:
    PictureDrop(ClockSettings& settings, UserPrompt& prompt);

    // `paths` are the dropped files as local paths, in the order of the drop.
    PictureDropEffects Take(const QStringList& paths);

private:
    ClockSettings& settings_;
    UserPrompt& prompt_;
};
