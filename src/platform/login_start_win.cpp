#include "platform/login_start.h"

#include <QDir>
#include <QSettings>

namespace {

const QString RunKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString ValueName = QStringLiteral("Zorbel");

// The value under the current user's Run key that Windows starts at logon.
class RunKeyLoginStart : public LoginStart {
public:
    explicit RunKeyLoginStart(const QString& program)
        : command_(QLatin1Char('"') + QDir::toNativeSeparators(program) + QLatin1Char('"')) {}

    bool IsEnabled() const override {
        return QSettings(RunKey, QSettings::NativeFormat).contains(ValueName);
    }

    bool SetEnabled(bool enabled) override {
        QSettings key(RunKey, QSettings::NativeFormat);
        if (enabled) {
            key.setValue(ValueName, command_);
        } else {
            key.remove(ValueName);
        }
        key.sync();
        return key.status() == QSettings::NoError;
    }

    QString Location() const override { return RunKey + QLatin1Char('\\') + ValueName; }

private:
    QString command_;
};

} // namespace

std::unique_ptr<LoginStart> CreateSystemLoginStart(const QString& program) {
    return std::make_unique<RunKeyLoginStart>(program);
}
