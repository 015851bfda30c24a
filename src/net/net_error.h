// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

// The general failure of the network components. Callers that only need "it failed" catch
// this; ESockError and EAbortError derive from it for the kinds the socket layer tells apart.
class ENetError : public std::runtime_error {
public:
    explicit ENetError(const QString& text);
    QString Message() const { return text_; }

private:
    QString text_;
};
