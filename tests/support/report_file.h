// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Waits (up to 20 s, running events) for a started program to leave its report: a file it
// writes under another name and renames when complete. Returns its lines without the last
// newline, or nothing when the report never came.
QStringList WaitForReport(const QString& report);
