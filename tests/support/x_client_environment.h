// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>

// For a program started on a real X display in the sanitized run: the X keyboard library
// reads its key names with strndup past their end, which strict string checks report
// although strndup allows it. Everything else the sanitizers check stays on.
void RelaxStringChecksForX(QProcessEnvironment& environment);
