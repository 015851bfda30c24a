// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/save_result.h"

#include <cerrno>
#include <cstring>

SaveResult SaveResult::Failed(Problem problem, QString path, QString detail) {
    SaveResult result;
    result.problem_ = problem;
    result.path_ = std::move(path);
    result.detail_ = std::move(detail);
    return result;
}

SaveResult SaveResult::FromSystemError(int error, QString path) {
    Problem problem = Problem::Other;
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        problem = Problem::DiskFull;
        break;
    case EACCES:
    case EPERM:
        problem = Problem::NotPermitted;
        break;
    case EROFS:
        problem = Problem::ReadOnlyDisk;
        break;
    default:
        break;
    }
    return Failed(problem, std::move(path), QString::fromLocal8Bit(std::strerror(error)));
}

QString SaveResult::UserText() const {
    QString reason;
    switch (problem_) {
    case Problem::None:
        return QString();
    case Problem::DiskFull:
        reason = QStringLiteral("ディスクの空き容量が足りません。");
        break;
    case Problem::NotPermitted:
        reason = QStringLiteral("書き込みが許可されていません。");
        break;
    case Problem::ReadOnlyDisk:
        reason = QStringLiteral("読み取り専用のディスクです。");
        break;
    case Problem::UnreadableAtStart:
        reason = QStringLiteral(
            "起動時に読み込めなかったファイルは、中身を失わないよう上書きしません。");
        break;
    case Problem::Other:
        reason = detail_.isEmpty() ? QStringLiteral("書き込みに失敗しました。") : detail_;
        break;
    }
    return reason + QLatin1Char('\n') + path_;
}

QString SaveResult::LogText() const {
    switch (problem_) {
    case Problem::None:
        return QString();
    case Problem::UnreadableAtStart:
        return QStringLiteral("cannot save the settings to %1: it could not be read at start and "
                              "is left as it was")
            .arg(path_);
    default:
        return QStringLiteral("cannot save the settings to %1: %2")
            .arg(path_, detail_.isEmpty() ? QStringLiteral("write failed") : detail_);
    }
}
