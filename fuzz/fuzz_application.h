// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Qt application object every fuzz target needs (fonts, images, sockets, event loops),
// created once on the off-screen platform before the first input.
class FuzzApplication {
public:
    static void Ensure();
};
