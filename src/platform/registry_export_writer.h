// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/registry_tree.h"

#include <QByteArray>
#include <QString>

// Writes a RegistryTree as a "Windows Registry Editor Version 5.00" export in UTF-8.
// Values read from a file and not changed since are written exactly as they were read.
// A text with line breaks or other control characters is written as hex(1), the
// export's own form of such a text, so every text comes back exactly as it was stored.
class RegistryExportWriter {
public:
    static QByteArray Write(const RegistryTree& tree);
    // One value entry, possibly spread over continuation lines joined by "\n".
    static QString ValueEntry(const RegistryTree::Value& value);
};
