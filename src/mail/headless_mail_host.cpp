// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/headless_mail_host.h"

#include "platform/user_prompt.h"

HeadlessMailHost::HeadlessMailHost(UserPrompt& prompt, std::function<void()> notify)
    : prompt_(prompt), notify_(std::move(notify)) {}

void HeadlessMailHost::OpenMailNotificationWindow() {
    notify_();
}

void HeadlessMailHost::RefreshMailNotificationWindow() {
    notify_();
}

void HeadlessMailHost::ShowMessage(const QString& caption, const QString& text) {
    prompt_.ShowMessage(caption, text);
}
