// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_frame.h"
#include "core/device_scale.h"
#include "private_x_server.h"
#include "temp_dir.h"

#include <QColorSpace>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

// The real program on a real X server at the scale factors of dense screens: the window
// takes the device pixels the factor gives its logical size, and its client area shows the
// very pixels `--render --scale` draws for the second it shows.
namespace {

constexpr QSize Client(320, 200);

class ScaledClock {
public:
    ScaledClock(const PrivateXServer& server, const TestFolder& folder, const QString& factor)
        : server_(server) {
        QProcessEnvironment environment = server.ClientEnvironment();
        environment.insert("QT_SCALE_FACTOR", factor);
        environment.insert("XDG_RUNTIME_DIR", folder.FilePath("run"));
        environment.insert("ZORBEL_PROMPTS_ON_STDERR", "1");
        clock_.setProcessEnvironment(environment);
        clock_.start(QStringLiteral(ZORBEL_PROGRAM), {"--settings", folder.FilePath("zrbl.reg")});
    }
    ~ScaledClock() {
        clock_.kill();
        clock_.waitForFinished(5000);
    }
    ScaledClock(const ScaledClock&) = delete;
    ScaledClock& operator=(const ScaledClock&) = delete;

    // The window's id once it is shown.
    std::optional<QString> Window() const {
        const std::optional<QString> found =
            server_.Run("xdotool", {"search", "--onlyvisible", "--name", "^Zorbel$"});
        if (!found || found->trimmed().isEmpty()) {
            return std::nullopt;
        }
        return found->split(QLatin1Char('\n')).value(0);
    }

    // What the clock said, for a failure's message.
    std::string Said() {
        return QString::fromLocal8Bit(clock_.readAllStandardError()).toStdString();
    }

private:
    const PrivateXServer& server_;
    QProcess clock_;
};

// What --render draws for that second at that scale, from a copy of the settings.
QImage Rendered(const TestFolder& folder, const QDateTime& second, const QString& factor) {
    const QString settings = folder.FilePath("render.reg");
    QFile::remove(settings);
    QFile::copy(folder.FilePath("zrbl.reg"), settings);
    const QString output = folder.FilePath("render.png");
    QProcess render;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", folder.FilePath("run"));
    render.setProcessEnvironment(environment);
    render.start(QStringLiteral(ZORBEL_PROGRAM),
                 {"--settings", settings, "--render", output, "--at",
                  second.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), "--scale", factor});
    render.waitForFinished(20000);
    return QImage(output).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(HighDensityOnX11, TheWindowShowsWhatRenderDrawsAtItsScale) {
    for (const char* tool : {"Xvfb", "xdotool", "import"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            GTEST_SKIP() << tool << " is not installed";
        }
    }
    PrivateXServer server(QSize(1024, 768));
    ASSERT_FALSE(server.Display().isEmpty());
    TestFolder folder;
    QDir(folder.Path()).mkdir("run");
    QFile::setPermissions(folder.FilePath("run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    folder.Write("zrbl.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                             "\"Left\"=dword:00000020\r\n\"Top\"=dword:00000020\r\n");
    // Away from the clock, which would drop behind under it.
    server.Run("xdotool", {"mousemove", "1020", "760"});

    for (const QString factor : {"1", "1.5", "2"}) {
        SCOPED_TRACE(factor.toStdString());
        const DeviceScale scale(factor.toDouble());
        ScaledClock clock(server, folder, factor);
        std::optional<QString> window;
        // A loaded machine may take many seconds to show a new program's first window.
        ASSERT_TRUE(QTest::qWaitFor([&] { return (window = clock.Window()).has_value(); }, 30000))
            << clock.Said();
        // Past the first ticks, which show the button face and then only the colour.
        QTest::qWait(2500);

        const QDateTime before = QDateTime::currentDateTime();
        const QString shot = folder.FilePath("window.png");
        ASSERT_TRUE(server.Run("import", {"-window", *window, shot}).has_value());
        const QDateTime after = QDateTime::currentDateTime();
        QImage captured = QImage(shot).convertToFormat(QImage::Format_RGB32);
        // import names the server's pixels sRGB; the render names no colour space.
        captured.setColorSpace(QColorSpace());
        EXPECT_EQ(captured.size(), scale.Size(Client + QSize(2, 2) * FrameThickness));
        const QImage face = captured.copy(QRect(
            QPoint(scale.Edge(FrameThickness), scale.Edge(FrameThickness)), scale.Size(Client)));

        // The second shown is one of those the capture may have met.
        bool matched = false;
        const QDateTime last = after.addMSecs(-after.time().msec());
        for (QDateTime second = before.addMSecs(-before.time().msec()).addSecs(-1);
             second <= last && !matched; second = second.addSecs(1)) {
            matched = Rendered(folder, second, factor) == face;
        }
        EXPECT_TRUE(matched);
    }
}
