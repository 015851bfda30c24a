// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture_drop.h"

#include "face/picture_list_model.h"

#include <QFileInfo>
#include <algorithm>

PictureDrop::PictureDrop(ClockSettings& settings, UserPrompt& prompt)
    : settings_(settings), prompt_(prompt) {}

PictureDropEffects PictureDrop::Take(const QStringList& paths) {
    // An entry the window could not turn into a local path names no file; an empty path in
    // the list would only be passed over at the next start.
    const auto first = std::find_if(paths.begin(), paths.end(),
                                    [](const QString& path) { return !path.isEmpty(); });
    if (first == paths.end()) {
        return {};
    }
    PictureListModel list(settings_, prompt_,
                          [](const QString& path) { return QFileInfo::exists(path); });
    if (list.AppendDropped(*first) == PictureListModel::AddOutcome::ListFull) {
        return {PictureDropEffects::Outcome::ListFull, false, false};
    }
    return {PictureDropEffects::Outcome::Added, true, true};
}
