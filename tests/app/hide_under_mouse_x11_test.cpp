// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "private_x_server.h"
#include "temp_dir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

// Hiding under the mouse with the real program on a real X server: the cursor's crossings
// reach the clock as the server's enter and leave events, while it is dropped or covered it
// asks the server, and the timing stays that of the ticks.
namespace {

constexpr int Left = 100;
constexpr int Top = 100;
constexpr int OuterWidth = 328; // 320 x 200 inside the sizing frame
constexpr int OuterHeight = 208;

class X11Display {
public:
    ~X11Display() {
        for (QProcess* process : {&clock_, &other_, &dragSource_}) {
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

    void PressButton() const { Run("xdotool", {"mousedown", "1"}); }
    void ReleaseButton() const { Run("xdotool", {"mouseup", "1"}); }

    void StartClock(const QString& settings, const QString& runtime) {
        clock_.setProcessEnvironment(Environment(runtime));
        clock_.start(QStringLiteral(ZORBEL_PROGRAM), {"--settings", settings});
    }

    // A window of another program over part of the clock.
    void StartOther() {
        other_.setProcessEnvironment(Environment(QDir::tempPath()));
        other_.start(QStringLiteral("xclock"), {"-geometry", "200x200+300+150"});
    }

    void RaiseOther() const {
        const std::optional<QString> found = Run("xdotool", {"search", "--name", "^xclock$"});
        if (found) {
            Run("xdotool", {"windowraise", found->split(QLatin1Char('\n')).value(0)});
        }
    }

    // A program that drags a file while its button is held, clear of both windows.
    void StartDragSource() {
        dragSource_.setProcessEnvironment(Environment(QDir::tempPath()));
        dragSource_.start(QStringLiteral(DRAG_SOURCE), {"100x100+650+550"});
    }
    static QPoint DragSourceCentre() { return QPoint(700, 600); }

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
    PrivateXServer server_{QSize(1024, 768)};
    QProcess clock_;
    QProcess other_;
    QProcess dragSource_;
};

// The clock at (Left, Top), coming back one second after the cursor left it.
QString HideSettings(const TestFolder& folder) {
    QDir(folder.Path()).mkdir("run");
    QFile::setPermissions(folder.FilePath("run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder.Write("zrbl.reg", QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                                   "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                                                   "\"Left\"=dword:%1\r\n\"Top\"=dword:%2\r\n"
                                                   "\"WindowHideInterval\"=dword:00000001\r\n")
                                        .arg(Left, 8, 16, QLatin1Char('0'))
                                        .arg(Top, 8, 16, QLatin1Char('0'))
                                        .toUtf8());
}

// The display with the other window on it and the cursor far from both.
class HideUnderMouseOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (const QString missing = X11Display::Missing(); !missing.isEmpty()) {
            GTEST_SKIP() << missing.toStdString() << " is not installed";
        }
        ASSERT_TRUE(display.Start());
        display.MovePointer(900, 700);
        display.StartOther();
    }

    // Past the two ticks of the start, so that the clock has risen by its own step: a clock
    // that never rose does not drop either.
    void StartClockRaised() {
        display.StartClock(HideSettings(folder), folder.FilePath("run"));
        ASSERT_TRUE(display.WaitForClockAbove(true, 10000));
        QTest::qWait(2000);
    }

    TestFolder folder;
    X11Display display;
};

} // namespace

TEST_F(HideUnderMouseOnX11, DropsAtTheCursorAndComesBackOnlyAfterTheIntervalOutside) {
    ASSERT_NO_FATAL_FAILURE(StartClockRaised());

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

TEST_F(HideUnderMouseOnX11, ADragOverTheClockOrAWindowCoveringItDropsItToo) {
    display.StartDragSource();
    ASSERT_NO_FATAL_FAILURE(StartClockRaised());

    // Another program holds the pointer while it drags a file over the clock's uncovered
    // part: the window hears only of the drag.
    const QPoint source = X11Display::DragSourceCentre();
    display.MovePointer(source.x(), source.y());
    display.PressButton();
    display.MovePointer(source.x() - 10, source.y() - 10);
    display.MovePointer(Left + 50, Top + 50);
    display.MovePointer(Left + 60, Top + 60);
    EXPECT_TRUE(display.WaitForClockAbove(false, 5000)) << "drops under the drag";
    display.MovePointer(900, 700);
    display.ReleaseButton();
    EXPECT_TRUE(display.WaitForClockAbove(true, 5000)) << "and comes back after it";

    // A window raised over part of the clock: the cursor over that part is inside the
    // clock's rectangle though the clock's window never sees it. Had the clock not dropped
    // there, it would not rise above the other window afterwards.
    display.RaiseOther();
    ASSERT_TRUE(display.WaitForClockAbove(false, 5000));
    QTest::qWait(500);
    display.MovePointer(Left + 250, Top + 100);
    // Long enough for a clock slowed by a sanitizer and a busy machine to look and drop.
    QTest::qWait(2500);
    display.MovePointer(900, 700);
    EXPECT_TRUE(display.WaitForClockAbove(true, 5000)) << "it dropped under the covering window";
}
