// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/mail_error.h"

QString MailErrorText(int code) {
    switch (code) {
    case ConnectionFailedError:
        return QStringLiteral("Error:リモートホスト接続確立失敗");
    case ConnectionRequiredWarning:
        return QStringLiteral("Warning:クライアント接続要求中");
    case MailIdError:
        return QStringLiteral("Error:メールID獲得失敗");
    case InvalidHostError:
        return QStringLiteral("Error:無効なホスト名");
    case ServerUnreachableError:
        return QStringLiteral("Error:サーバーに接続できない");
    case AlreadyConnectedWarning:
        return QStringLiteral("Warning:すでにホストに接続している");
    case MailInformationError:
        return QStringLiteral("Error:メール情報獲得中にエラー発生");
    case LoginFailedError:
        return QStringLiteral("Error:ログインに失敗");
    case NoDialUpWarning:
        return QStringLiteral("Warning:ダイヤルアップ接続中でない");
    case EncryptionFailedError:
        return QStringLiteral("Error:暗号化接続できない");
    case UntrustedCertificateError:
        return QStringLiteral("Error:サーバーの証明書を信頼できない");
    case PasswordUnavailableError:
        return QStringLiteral("Error:パスワードを取得できない");
    default:
        return QStringLiteral("Error:未知のエラー発生");
    }
}
