// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/secondary_window_protocol.h"

#include <QString>
#include <new>

void SecondaryWindowProtocol::OpenSecondaryWindow(WindowBit bit,
                                                  const std::function<bool()>& createAndRun) {
    host_.ResetHideDelay();
    mask_ |= bit;
    host_.LeaveTopmostBand();

    bool shown = false;
    try {
        shown = createAndRun();
    } catch (const std::bad_alloc&) {
        shown = false;
    }
    if (shown) {
        return;
    }
    prompt_.ShowMessage(WarningCaption(),
                        QStringLiteral("何らかの要因によりウィンドウを作成できません"));
    mask_ &= ~std::uint32_t(bit);
    if (mask_ == 0) {
        host_.RestoreDisplayBand();
        mask_ = 0;
        host_.RestartTick();
    }
}

void SecondaryWindowProtocol::CloseSecondaryWindow(WindowBit bit) {
    mask_ &= ~std::uint32_t(bit);
    if (mask_ == 0) {
        host_.RestoreDisplayBand();
    }
}
