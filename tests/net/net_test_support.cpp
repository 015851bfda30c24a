// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net_test_support.h"

#include "net/eabort_error.h"
#include "net/ereply_error.h"
#include "net/esock_error.h"
#include "net/etls_error.h"

#include <QtGlobal>

QString FailureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EAbortError& error) {
        return QStringLiteral("EAbortError: ") + error.Message();
    } catch (const ESockError& error) {
        return QStringLiteral("ESockError: ") + error.Message();
    } catch (const EReplyError& error) {
        return QStringLiteral("EReplyError: ") + error.Message();
    } catch (const ETlsError& error) {
        return QStringLiteral("ETlsError: ") + error.Message();
    } catch (const ENetError& error) {
        return QStringLiteral("ENetError: ") + error.Message();
    }
    return QStringLiteral("none");
}

QString NistReply(const QString& date, const QString& time, const QString& milliseconds) {
    return QStringLiteral("\n52615 %1 %2 00 0 0 %3 UTC(NIST) *\n").arg(date, time, milliseconds);
}

namespace {

QStringList* capturedWarnings = nullptr;

void CaptureWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg && capturedWarnings != nullptr) {
        capturedWarnings->append(text);
    }
}

} // namespace

QStringList CapturedWarnings(const std::function<void()>& action) {
    QStringList warnings;
    capturedWarnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(CaptureWarning);
    action();
    qInstallMessageHandler(previous);
    capturedWarnings = nullptr;
    return warnings;
}
