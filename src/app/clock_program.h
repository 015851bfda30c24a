// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

// Program start: reads the command line, then runs the clock or one of the commands that
// work without a window. Returns the process's exit code.
int RunClockProgram(QApplication& application);
