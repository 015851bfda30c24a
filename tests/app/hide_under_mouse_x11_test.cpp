#include "private_x_server.h"
#include "temp_dir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

// Hiding under the mouse with the real program on a real X server: the cursor's crossings
// reach the clock as the server's enter and leave events, while it is dropped it asks the
// server, and the timing stays that of the ticks.
namespace {

constexpr int Left = 100;
constexpr int Top = 100;
constexpr int OuterWidth = 328; // 320 x 200 inside the sizing frame
constexpr int OuterHeight = 208;

class X11Display {
public:
    ~X11Display() {
        for (QProcess* process : {&clock_, &other_}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }

    static QString Missing() {
        for (const char* tool : {"Xvfb", "xdotool", "xclock", "xwininfo"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                return QString::fromLatin1(tool);
            }
        }
        return {};
    }

    bool Start() {
        return !server_.Display().isEmpty() &&
               QTest::qWaitFor([this] { return Run("xwininfo", {"-root"}).has_value(); }, 10000);
    }

    QProcessEnvironment Environment(const QString& runtime) const {
        QProcessEnvironment environment = server_.ClientEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime);
        environment.insert("ZORBEL_PROMPTS_ON_STDERR", "1");
        return environment;
    }

    std::optional<QString> Run(const char* tool, const QStringList& arguments) const {
        return server_.Run(tool, arguments);
    }

    void MovePointer(int x, int y) const {
        Run("xdotool", {"mousemove", QString::number(x), QString::number(y)});
    }

    void StartClock(const QString& settings, const QString& runtime) {
        clock_.setProcessEnvironment(Environment(runtime));
        clock_.start(QStringLiteral(ZORBEL_PROGRAM), {"--settings", settings});
    }

    // A window of another program over part of the clock.
    void StartOther() {
        other_.setProcessEnvironment(Environment(QDir::tempPath()));
        other_.start(QStringLiteral("xclock"), {"-geometry", "200x200+300+150"});
    }

    // Whether the clock lies above the other window in the server's stacking order;
    // nothing while either is not mapped yet.
    std::optional<bool> ClockAbove() const {
        const std::optional<QString> tree = Run("xwininfo", {"-root", "-children"});
        if (!tree) {
            return std::nullopt;
        }
        // Listed from the top down.
        const qsizetype clock = tree->indexOf(QStringLiteral("\"Zorbel\""));
        const qsizetype other = tree->indexOf(QStringLiteral("\"xclock\""));
        if (clock < 0 || other < 0) {
            return std::nullopt;
        }
        return clock < other;
    }

    bool WaitForClockAbove(bool above, int timeOut) const {
        return QTest::qWaitFor([&] { return ClockAbove() == above; }, timeOut);
    }

private:
    PrivateXServer server_{200, QSize(1024, 768)};
    QProcess clock_;
    QProcess other_;
};

} // namespace

TEST(HideUnderMouseOnX11, DropsAtTheCursorAndComesBackOnlyAfterTheIntervalOutside) {
    if (const QString missing = X11Display::Missing(); !missing.isEmpty()) {
        GTEST_SKIP() << missing.toStdString() << " is not installed";
    }
    TestFolder folder;
    QDir(folder.Path()).mkdir("run");
    QFile::setPermissions(folder.FilePath("run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString settings =
        folder.Write("zrbl.reg", QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                                "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                                                "\"Left\"=dword:%1\r\n\"Top\"=dword:%2\r\n"
                                                "\"WindowHideInterval\"=dword:00000001\r\n")
                                     .arg(Left, 8, 16, QLatin1Char('0'))
                                     .arg(Top, 8, 16, QLatin1Char('0'))
                                     .toUtf8());
    X11Display display;
    ASSERT_TRUE(display.Start());
    display.MovePointer(900, 700);
    display.StartOther();
    display.StartClock(settings, folder.FilePath("run"));
    ASSERT_TRUE(display.WaitForClockAbove(true, 10000));
    // Past the two ticks of the start, so that the clock has risen by its own step: a
    // clock that never rose does not drop either.
    QTest::qWait(2000);

    // In front, only the window's enter event can tell that the cursor came.
    display.MovePointer(Left + 50, Top + 50);
    EXPECT_TRUE(display.WaitForClockAbove(false, 5000)) << "drops as the cursor touches it";

    // The column just right of the window counts as inside: dropped, the clock asks the
    // server and the interval does not run.
    display.MovePointer(Left + OuterWidth, Top + 20);
    QTest::qWait(1600);
    EXPECT_EQ(display.ClockAbove(), false) << "an edge pixel counts as inside";

    display.MovePointer(900, 700);
    QElapsedTimer outside;
    outside.start();
    QTest::qWait(400);
    const bool aSecondHasPassed = outside.elapsed() >= 900; // a loaded machine may sleep longer
    if (!aSecondHasPassed) {
        EXPECT_EQ(display.ClockAbove(), false) << "a second outside has not passed";
    }
    EXPECT_TRUE(display.WaitForClockAbove(true, 5000));
    EXPECT_GE(outside.elapsed(), 900) << "four ticks outside, then up on the fifth";

    // In front again: the cursor coming back is seen again.
    display.MovePointer(Left + OuterWidth - 1, Top + OuterHeight - 1);
    EXPECT_TRUE(display.WaitForClockAbove(false, 5000)) << "the window's last pixel";
}
