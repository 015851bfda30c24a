// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dial_up.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr int PointToPointType = 512; // ARPHRD_PPP
constexpr unsigned InterfaceUp = 0x1;
constexpr unsigned InterfaceRunning = 0x40;

// The first line of a small sysfs file, trimmed; empty when it cannot be read.
QString ReadValue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLatin1(file.readLine(64)).trimmed();
}

class SysfsDialUpMonitor : public DialUpMonitor {
public:
    explicit SysfsDialUpMonitor(QString folder) : folder_(std::move(folder)) {}

    bool CheckDialUpConnected() override {
        const QString first = FirstPointToPointInterface();
        return !first.isEmpty() && IsUpAndRunning(first);
    }

private:
    // Interfaces in the order the system numbered them, as a connection list would be.
    QString FirstPointToPointInterface() const {
        struct Interface {
            int index;
            QString path;
        };
        std::vector<Interface> found;
        const QDir root(folder_);
        for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString path = root.filePath(name);
            bool numeric = false;
            if (ReadValue(path + QStringLiteral("/type")).toInt(&numeric) != PointToPointType ||
                !numeric) {
                continue;
            }
            bool indexed = false;
            const int index = ReadValue(path + QStringLiteral("/ifindex")).toInt(&indexed);
            found.push_back({indexed ? index : std::numeric_limits<int>::max(), path});
        }
        if (found.empty()) {
            return {};
        }
        return std::min_element(found.begin(), found.end(),
                                [](const auto& a, const auto& b) { return a.index < b.index; })
            ->path;
    }

    static bool IsUpAndRunning(const QString& path) {
        const QString flagsText = ReadValue(path + QStringLiteral("/flags"));
        bool numeric = false;
        const unsigned flags = flagsText.toUInt(&numeric, 16);
        if (numeric) {
            const unsigned wanted = InterfaceUp | InterfaceRunning;
            return (flags & wanted) == wanted;
        }
        return ReadValue(path + QStringLiteral("/operstate")) == QLatin1String("up");
    }

    QString folder_;
};

} // namespace

std::unique_ptr<DialUpMonitor> CreateSysfsDialUpMonitor(const QString& netClassFolder) {
    return std::make_unique<SysfsDialUpMonitor>(netClassFolder);
}

std::unique_ptr<DialUpMonitor> CreateSystemDialUpMonitor() {
    return CreateSysfsDialUpMonitor(QStringLiteral("/sys/class/net"));
}
