// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the program's own data lives (sample picture, help pages): the folder named by
// ZORBEL_DATA_DIR, else the installed data folder, else the data folder laid out in the build
// tree the program was built in (so a build runs without installing).
QString DataFolder();
