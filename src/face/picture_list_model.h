// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/user_prompt.h"
#include "settings/clock_settings.h"

#include <QString>
#include <functional>

// The operations on the picture list, working on one ClockSettings: the clock window's own
// for a dropped file, the display dialog's copy for its list. Messages go through UserPrompt.
class PictureListModel {
public:
    using FileExists = std::function<bool(const QString& path)>;

    static constexpr int MaxPathLength = 255;

    PictureListModel(ClockSettings& settings, UserPrompt& prompt, FileExists fileExists);

    int Count() const;
    QString At(int index) const;

    // The check before the file chooser opens: false, after the full-list message, when no
    // more pictures fit.
    bool HasRoomOrWarn();

    enum class AddOutcome { Added, AlreadyListed, ListFull };
    // A path picked in the file chooser: appended and made current unless it is already
    // listed (exact text), in which case nothing changes.
    AddOutcome AddChosen(const QString& path);

    // The first file of a drop: appended without a duplicate check (path cut to 255
    // characters), made current, NoImage cleared. The caller reloads the picture.
    AddOutcome AppendDropped(const QString& path);

    enum class DeleteOutcome { Deleted, ListEmptied, NoSuchEntry };
    // Removes one entry; later ones move up. The current picture stays. When the list
    // becomes empty NoImage is set (the dialog then clears its file field).
    DeleteOutcome DeleteAt(int index);
    // Empties the list and sets NoImage.
    void DeleteAll();

    enum class SelectOutcome { Selected, Deleted, Kept, NoSuchEntry };
    // An entry picked in the list: made current if its file exists; otherwise the user is
    // asked whether to remove it from the list.
    SelectOutcome Select(int index);

private:
    void Append(const QString& path);

    ClockSettings& settings_;
    UserPrompt& prompt_;
    FileExists fileExists_;
};
