// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/account_icons.h"

#include <QFileInfo>
#include <algorithm>

namespace {
constexpr int IconSize = 32;
}

std::vector<QImage> LoadAccountIcons(AccountTable& accounts, const ClockSettings& settings) {
    std::vector<QImage> images;
    const int count = std::clamp(settings.AccountListCount, 0, AccountTable::Capacity);
    for (int slot = 0; slot < count; ++slot) {
        MailAccount& account = accounts.entries[slot];
        if (account.Has(DefaultIcon)) {
            continue;
        }
        QImage bitmap;
        if (QFileInfo(account.ImageFile).isFile()) {
            bitmap.load(account.ImageFile);
        }
        if (bitmap.isNull()) {
            account.Attribute |= DefaultIcon;
            continue;
        }
        QImage icon = bitmap.convertToFormat(QImage::Format_RGB32);
        if (icon.size() != QSize(IconSize, IconSize)) {
            icon = icon.scaled(IconSize, IconSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        }
        account.ImageIndex = int(images.size());
        images.push_back(icon);
    }
    return images;
}
