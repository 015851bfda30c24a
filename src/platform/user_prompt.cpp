// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/user_prompt.h"

#include <cstdio>

namespace {

void PrintLine(const QString& caption, const QString& text) {
    const QByteArray line =
        (caption.isEmpty() ? text : caption + QStringLiteral(": ") + text).toUtf8();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
}

} // namespace

void StderrPrompt::ShowMessage(const QString& caption, const QString& text) {
    PrintLine(caption, text);
}

UserPrompt::Answer StderrPrompt::Ask(const QString& caption, const QString& text, Answer) {
    PrintLine(caption, text);
    return defaultAnswer_;
}
