// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clock_menu.h"
#include "app/main_form.h"
#include "app/tray_icon.h"
#include "app/window_frame.h"
#include "dovecot_server.h"
#include "face/face_snapshot.h"
#include "fake_clock_services.h"
#include "nist_time_server.h"
#include "platform/app_launcher.h"
#include "platform/dial_up.h"
#include "platform/help_viewer.h"
#include "platform/sound_player.h"
#include "scripted_peer.h"
#include "temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {

// A clock window whose pointer the test places, counting the questions to the server.
class PointerForm : public TMainForm {
public:
    using TMainForm::TMainForm;
    QPoint pointer{2000, 2000};
    mutable int questions = 0;

protected:
    QPoint CursorPosition() const override {
        ++questions;
        return pointer;
    }
};

struct MainFormFixture : FakeClockServices, ::testing::Test {
    template <typename Form = TMainForm> std::unique_ptr<Form> Start() {
        // The platform's pointer stays where an earlier test of this program left it, and a
        // clock shown under it would start with the pointer over the window.
        QCursor::setPos(-10000, -10000);
        auto form = std::make_unique<Form>(Services());
        form->show();
        return form;
    }

    std::unique_ptr<PointerForm> StartWithPointer() { return Start<PointerForm>(); }

    static void WaitForRunning(TMainForm& form) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return form.StartupPhase() == TickSequencer::Phase::Running; }, 3000));
    }

    // The one checked account "alice" on a server at 127.0.0.1:port.
    void AddMailAccount(quint16 port) {
        persistence.stored.clock.AccountListCount = 1;
        MailAccount& account = persistence.stored.accounts.entries[0];
        account.Attribute = InUse | CheckOn | DefaultIcon;
        account.Account = account.UserID = QStringLiteral("alice");
        account.PassWord = QStringLiteral("secret");
        account.POP3 = QStringLiteral("127.0.0.1");
        account.Port = port;
    }

    // A daily entry with a message: at start-up without a time, else at hour:minute.
    void AddDailyEntry(const QString& message, int hour = -1, int minute = -1) {
        ScheduleTable& table = persistence.stored.schedules;
        ScheduleEntry& entry = table.entries[table.entryCount++];
        entry.Attribute = ScheduleEnabled | ScheduleMessage | ScheduleDaily;
        entry.Message = message;
        if (hour >= 0) {
            entry.Attribute |= ScheduleTimeSpecified;
            entry.Check_Patt = MatchHour | MatchMinute;
            entry.Hour = hour;
            entry.Min = minute;
        }
    }

    // Sets the clock one second on and waits until the tick has drawn that second: true when
    // the face follows the time.
    bool FaceFollowsNextSecond(TMainForm& form) {
        const int draws = form.FaceDrawCount();
        const std::uint32_t ticks = form.MailTickCount();
        clock.Set(clock.Now().addSecs(1));
        return QTest::qWaitFor(
            [&] { return form.FaceDrawCount() > draws && form.MailTickCount() > ticks; }, 3000);
    }
};

// Runs `steps` one after the other from a 50 ms timer, which also fires inside the modal
// windows and network waits that the clock's tick opens; each step returns true when done.
// Waits until every step is done (or the time is up) and tells whether they all were.
bool RunSteps(std::vector<std::function<bool()>> steps, int timeOut = 20000) {
    std::size_t next = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (next < steps.size() && steps[next]()) {
            ++next;
        }
    });
    driver.start(50);
    return QTest::qWaitFor([&] { return next == steps.size(); }, timeOut);
}

} // namespace

TEST_F(MainFormFixture, CreationLoadsSettingsAndPlacesTheWindow) {
    persistence.stored.clock.Width = 300;
    persistence.stored.clock.Height = 150;
    auto form = Start();
    EXPECT_EQ(persistence.ensureCalls, 1);
    EXPECT_EQ(form->ClientSize(), QSize(300, 150));
    EXPECT_EQ(form->size(), QSize(308, 158)) << "the sizing frame is around the client area";
    EXPECT_TRUE(form->DrawTimer().IsRunning());
    EXPECT_TRUE(form->Menu().WinHide->isChecked())
        << "the default display mode hides under the mouse";
    EXPECT_FALSE(form->Menu().Menu_MailCheck->isEnabled()) << "no accounts";
}

TEST_F(MainFormFixture, OnlyAClockWithMailAccountsAsksAboutTheKeyringAtStart) {
    Start().reset();
    EXPECT_TRUE(keyring.calls.isEmpty()) << keyring.calls.join(", ").toStdString();
    AddMailAccount(110);
    auto form = Start();
    EXPECT_EQ(keyring.calls, QStringList({"read keyring-check"}));
}

TEST_F(MainFormFixture, AlwaysOnTopWinWhenBothModesAreStored) {
    persistence.stored.clock.Attrib |= TopMost | MouseHide;
    auto form = Start();
    EXPECT_TRUE(form->Menu().WinTop->isChecked());
    EXPECT_FALSE(form->Records().clock.Has(MouseHide));
}

TEST_F(MainFormFixture, AWindowStoredOffEveryScreenComesBackOnScreen) {
    persistence.stored.clock.Left = -5000;
    persistence.stored.clock.Top = -5000;
    auto form = Start();
    EXPECT_GT(form->frameGeometry().left(), -1000);
}

TEST_F(MainFormFixture, FaceIsDrawnFromTheThirdTickOn) {
    auto form = Start();
    WaitForRunning(*form);
    EXPECT_EQ(form->FaceDrawCount(), 0) << "the first two ticks only prepare the window";
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->FaceDrawCount() >= 1; }, 3000));
    EXPECT_EQ(form->CurrentClockTime().hour, 7);
    EXPECT_EQ(form->CurrentClockTime().dayOfWeek, 6) << "6 December 2002 was a Friday";
    EXPECT_GE(form->MailTickCount(), 1u);
}

TEST_F(MainFormFixture, TickComposesOnlyWhenThePictureWouldChange) {
    auto form = Start();
    // The first draw shows the background colour only; the next one the whole face.
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->FaceDrawCount() >= 2; }, 3000));
    const int draws = form->FaceDrawCount();
    const std::uint32_t ticks = form->MailTickCount();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->MailTickCount() >= ticks + 3; }, 3000));
    EXPECT_EQ(form->FaceDrawCount(), draws) << "the same second: nothing to draw again";

    clock.Set(clock.Now().addSecs(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->FaceDrawCount() == draws + 1; }, 3000));
    form->Records().clock.SS_Color = 0x123456;
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->FaceDrawCount() == draws + 2; }, 3000))
        << "a changed setting is drawn";
}

TEST_F(MainFormFixture, TickKeepsRunningWhileASecondaryWindowIsOpen) {
    auto form = Start();
    WaitForRunning(*form);
    std::uint32_t maskInside = 0;
    const std::uint32_t ticksBefore = form->MailTickCount();
    std::uint32_t ticksInside = 0;
    form->OpenSecondaryWindow(AboutWindow, [&] {
        auto* dialog = new QDialog;
        QTimer::singleShot(900, dialog, [&, dialog] {
            maskInside = form->OpenWindowMask();
            ticksInside = form->MailTickCount() - ticksBefore;
            dialog->reject();
        });
        return dialog;
    });
    EXPECT_EQ(maskInside, std::uint32_t(AboutWindow));
    EXPECT_GE(ticksInside, 2u);
    EXPECT_EQ(form->OpenWindowMask(), 0u);
}

TEST_F(MainFormFixture, TrayMenuOpensOnlyWithoutSecondaryWindows) {
    auto form = Start();
    WaitForRunning(*form);
    bool menuShownInside = true;
    form->OpenSecondaryWindow(AboutWindow, [&] {
        auto* dialog = new QDialog;
        QTimer::singleShot(50, dialog, [&, dialog] {
            form->TrayContextRequested();
            menuShownInside = form->Menu().Menu()->isVisible();
            dialog->close();
        });
        return dialog;
    });
    EXPECT_FALSE(menuShownInside);
    form->TrayContextRequested();
    EXPECT_TRUE(form->Menu().Menu()->isVisible());
    form->Menu().Menu()->hide();
}

TEST_F(MainFormFixture, FailedSecondaryWindowWarns) {
    auto form = Start();
    form->OpenSecondaryWindow(AboutWindow, [] { return nullptr; });
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              QStringLiteral("何らかの要因によりウィンドウを作成できません"));
    EXPECT_EQ(form->OpenWindowMask(), 0u);
}

TEST_F(MainFormFixture, DisplayModeItemsSetTheBitsAndTheirChecks) {
    auto form = Start();
    form->Menu().WinTop->trigger();
    EXPECT_TRUE(form->Records().clock.Has(TopMost));
    EXPECT_FALSE(form->Records().clock.Has(MouseHide));
    EXPECT_TRUE(form->Menu().WinTop->isChecked());
    EXPECT_FALSE(form->Menu().WinHide->isChecked());
    form->Menu().WinNorm->trigger();
    EXPECT_FALSE(form->Records().clock.Has(TopMost));
    EXPECT_FALSE(form->Records().clock.Has(MouseHide));
    EXPECT_TRUE(form->Menu().WinNorm->isChecked());
}

TEST_F(MainFormFixture, DoubleClickOnTheClockCentrePlacesTheClock) {
    persistence.stored.clock.Attrib &= ~std::uint32_t(AnalogCenter);
    auto form = Start();
    WaitForRunning(*form);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->FaceDrawCount() >= 2; }, 3000));
    const ClockSettings& stored = form->Records().clock;
    const QPoint centre = form->mapToGlobal(QPoint(stored.HandCenterX, stored.HandCenterY));
    QCursor::setPos(centre);
    QTest::mouseDClick(form.get(), Qt::LeftButton, {}, form->mapFromGlobal(centre));
    EXPECT_EQ(form->CurrentPlacementMode(), PlacementAnalog);
    EXPECT_FALSE(form->DrawTimer().IsRunning()) << "the tick stops while a part is placed";

    QCursor::setPos(centre + QPoint(10, 5));
    QTest::mouseMove(form.get(), form->mapFromGlobal(centre + QPoint(10, 5)));
    QTest::mouseDClick(form.get(), Qt::LeftButton, {}, form->mapFromGlobal(centre + QPoint(10, 5)));
    EXPECT_EQ(form->CurrentPlacementMode(), PlacementNone);
    EXPECT_TRUE(form->DrawTimer().IsRunning());
}

TEST_F(MainFormFixture, DroppedPictureJoinsTheListAndShowsAtOnce) {
    auto form = Start();
    WaitForRunning(*form);
    TestFolder folder;
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString first = folder.FilePath("first.bmp");
    ASSERT_TRUE(picture.save(first));
    form->Records().clock.Set(NoImage, true);
    form->Menu().SetRatio->setEnabled(false);

    form->TakeDroppedFiles({first, folder.FilePath("second.bmp"), folder.FilePath("third.bmp")});
    const ClockSettings& stored = form->Records().clock;
    EXPECT_EQ(stored.ImageListCounter, 1);
    EXPECT_EQ(stored.Image_File, first);
    EXPECT_FALSE(stored.Has(NoImage));
    EXPECT_TRUE(form->Menu().SetRatio->isEnabled());
    EXPECT_EQ(form->Face().PictureSize(), QSize(64, 48)) << "loaded at once";

    form->Records().clock.ImageListCounter = 50;
    form->TakeDroppedFiles({first});
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, QStringLiteral("これ以上設定できません（最大50件）"));
}

TEST_F(MainFormFixture, ACorrectionFromTheMenuThatCannotReachTheServerWarns) {
    persistence.stored.timeServer.asHostName = QStringLiteral("127.0.0.1");
    persistence.stored.timeServer.iPort = 1; // nothing listens there
    persistence.stored.timeServer.iiTimeOut = 2000;
    auto form = Start();
    WaitForRunning(*form);
    form->Menu().PP_DayTime->trigger();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(prompt.messages[0].text, QStringLiteral("接続できませんでした"));
    EXPECT_TRUE(clockSetter.set.empty());
    EXPECT_EQ(form->Correction().State().correctionError, CorrectionError::Failed);
    EXPECT_TRUE(form->Menu().PP_DayTime->isEnabled()) << "the run commands come back";
}

// The first running tick already knows today (2002-12-06, a Friday): a monthly or weekly
// correction "at start-up" runs only on its day, also when that day matches the date before
// any reading (2000-01-01, a Saturday).
TEST_F(MainFormFixture, StartUpCorrectionsRunOnlyOnTheirDay) {
    struct Case {
        const char* what;
        int pattern;
        int day;
        int week;
        std::size_t runs;
    };
    const Case cases[] = {
        {"monthly, the 1st", CorrectMonthly, 1, 1, 0},
        {"monthly, the 6th", CorrectMonthly, 6, 1, 1},
        {"weekly, Saturday", CorrectWeekly, 1, 7, 0},
        {"weekly, Friday", CorrectWeekly, 1, 6, 1},
    };
    NistTimeServer server;
    // Eleven seconds after the computer's clock.
    server.SetReply(NistTimeServer::NistReply(clock.Now().addSecs(11).toUTC()));
    for (const Case& sample : cases) {
        TimeServerSettings& stored = persistence.stored.timeServer;
        stored.asHostName = QStringLiteral("127.0.0.1");
        stored.iPort = server.Port();
        stored.Attribute = AutoCorrection | CorrectAtStartup;
        stored.Pattern = sample.pattern;
        stored.Day = sample.day;
        stored.Week = sample.week;
        clockSetter.set.clear();
        const int connections = server.Connections();

        auto form = Start();
        WaitForRunning(*form);
        const std::uint32_t ticks = form->MailTickCount();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->MailTickCount() >= ticks + 4; }, 5000));
        EXPECT_EQ(std::size_t(server.Connections() - connections), sample.runs) << sample.what;
        EXPECT_EQ(clockSetter.set.size(), sample.runs) << sample.what;
        EXPECT_EQ(form->Correction().State().correctionError, CorrectionError::None) << sample.what;
    }
}

TEST_F(MainFormFixture, AboutBoxOpensAndTheTrayMenuWorksAfterwards) {
    auto form = Start();
    WaitForRunning(*form);
    std::uint32_t maskInside = 0;
    QTimer::singleShot(100, [&] {
        maskInside = form->OpenWindowMask();
        if (QWidget* about = QApplication::activeModalWidget()) {
            about->close();
        }
    });
    form->Menu().PP_About->trigger();
    EXPECT_EQ(maskInside, std::uint32_t(AboutWindow));
    EXPECT_EQ(form->OpenWindowMask(), 0u);
    form->TrayContextRequested();
    EXPECT_TRUE(form->Menu().Menu()->isVisible());
    form->Menu().Menu()->hide();
}

TEST_F(MainFormFixture, DisplaySettingsDialogAppliesToTheClockWindow) {
    auto form = Start();
    WaitForRunning(*form);
    bool clicked = false;
    QTimer::singleShot(100, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* topMost = dialog->findChild<QRadioButton*>("RB_TopMost");
        auto* ok = dialog->findChild<QPushButton*>("BTM_okclose");
        ASSERT_TRUE(topMost && ok);
        topMost->click();
        ok->click();
        clicked = true;
    });
    form->Menu().Menu_DispCust->trigger();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(form->OpenWindowMask(), 0u);
    EXPECT_TRUE(form->Records().clock.Has(TopMost));
    EXPECT_TRUE(form->Menu().WinTop->isChecked());
    EXPECT_TRUE(persistence.stored.clock.Has(TopMost)) << "applied and saved";
}

// A settings dialog whose "設定" cannot save says why and stays open with the user's edits;
// once the save goes through, the same button closes it.
TEST_F(MainFormFixture, ASettingsDialogThatCannotSaveWarnsAndStaysOpen) {
    struct Case {
        const char* dialog;
        QAction* ClockMenu::*item;
        const char* button;
    };
    const Case cases[] = {
        {"display", &ClockMenu::Menu_DispCust, "BTM_okclose"},
        {"schedules", &ClockMenu::Menu_ScheCust, "BTN_ScheRefrect"},
        {"mail", &ClockMenu::Menu_MailCust, "BTN_Pop3Refrect"},
        {"clock correction", &ClockMenu::Menu_DayTimeCust, "BTN_Pop3Refrect"},
    };
    auto form = Start();
    WaitForRunning(*form);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        prompt.messages.clear();
        persistence.saveResult =
            SaveResult::Failed(SaveResult::Problem::DiskFull, QStringLiteral("/full/zrbl.reg"));
        bool stayedOpen = false;
        bool closedOnceSaved = false;
        QTimer::singleShot(100, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QPushButton* save = dialog ? dialog->findChild<QPushButton*>(c.button) : nullptr;
            if (save == nullptr) {
                ADD_FAILURE() << "no dialog with " << c.button;
                return;
            }
            save->click();
            stayedOpen = dialog->isVisible();
            persistence.saveResult = SaveResult::Saved();
            save->click();
            closedOnceSaved = !dialog->isVisible();
            if (!closedOnceSaved) {
                dialog->done(QDialog::Rejected);
            }
        });
        (form->Menu().*c.item)->trigger();
        EXPECT_TRUE(stayedOpen);
        EXPECT_TRUE(closedOnceSaved);
        ASSERT_EQ(prompt.messages.size(), 1u);
        EXPECT_EQ(prompt.messages[0].caption, QStringLiteral("警告"));
        EXPECT_TRUE(
            prompt.messages[0].text.contains(QStringLiteral("ディスクの空き容量が足りません")))
            << prompt.messages[0].text.toStdString();
        EXPECT_EQ(form->OpenWindowMask(), 0u);
    }
}

TEST_F(MainFormFixture, MailCheckFromTheMenuShowsTheCountsAgainstDovecot) {
    if (DovecotServer::Executable().isEmpty()) {
        GTEST_SKIP() << "Dovecot is not installed (dovecot-pop3d)";
    }
    DovecotServer dovecot;
    const QString failure = dovecot.Start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    AddMailAccount(dovecot.Port());

    auto form = Start();
    WaitForRunning(*form);
    ASSERT_TRUE(form->Menu().Menu_MailCheck->isEnabled());
    QString shown;
    std::uint32_t maskWhileShown = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* notice = QApplication::activeModalWidget();
        if (notice == nullptr || notice->objectName() != QStringLiteral("MailInfoForm")) {
            return;
        }
        shown = notice->findChild<QPlainTextEdit*>("MM_Mail")->toPlainText();
        maskWhileShown = form->OpenWindowMask();
        notice->findChild<QPushButton*>("MailInfoClose")->click();
    });
    poll.start(50);
    form->Menu().Menu_MailCheck->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 20000));
    EXPECT_EQ(shown, QStringLiteral("alice：3通のメールがあります"));
    EXPECT_EQ(maskWhileShown, std::uint32_t(MailNotificationWindow));
    EXPECT_EQ(form->Records().accounts.entries[0].MessageCount, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->OpenWindowMask() == 0; }, 3000));
    EXPECT_EQ(form->Menu().Menu_MailCheck->text(), QStringLiteral("メールチェック(&C)"));
    EXPECT_EQ(form->Records().clock.IconBarWidth, 2 * 36 + 2)
        << "the status icon and the account's icon with its count";
}

TEST_F(MainFormFixture, ADailyScheduleAtStartUpOpensTheAlarmWindowOnce) {
    ScheduleEntry& entry = persistence.stored.schedules.entries[0];
    entry.Attribute = ScheduleEnabled | ScheduleMessage | ScheduleDaily;
    entry.Check_Patt = 0; // daily at start-up: matches at once
    entry.Message = QStringLiteral("おはよう");
    persistence.stored.schedules.entryCount = 1;

    auto form = Start();
    QString shown;
    int alarmsShown = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* alarm = QApplication::activeModalWidget();
        if (alarm == nullptr || alarm->objectName() != QStringLiteral("AlarmForm")) {
            return;
        }
        ++alarmsShown;
        shown = alarm->findChild<QPlainTextEdit*>("MM_Message")->toPlainText();
        alarm->findChild<QPushButton*>("AlarmClose")->click();
    });
    poll.start(50);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 5000));
    EXPECT_EQ(shown, QStringLiteral("2002/12/6 7:5 おはよう "));
    const std::uint32_t ticks = form->MailTickCount();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->MailTickCount() >= ticks + 4; }, 3000));
    EXPECT_EQ(alarmsShown, 1) << "an entry fires once per program run";
    EXPECT_EQ(form->Records().schedules.entries[0].fireState, FireState::Notified);
}

TEST_F(MainFormFixture, HelpOpensTopic100) {
    auto form = Start();
    form->Menu().Help1->trigger();
    EXPECT_EQ(help.topics, std::vector<int>{100});
}

TEST_F(MainFormFixture, ExitSavesPositionAndTheResizedClientSize) {
    auto form = Start();
    WaitForRunning(*form);
    form->ResizeClient(QSize(280, 170));
    form->move(150, 90);
    QCoreApplication::processEvents();
    form->Menu().Menu_Close->trigger();
    EXPECT_EQ(persistence.saveCalls, 1);
    EXPECT_EQ(persistence.stored.clock.Width, 280);
    EXPECT_EQ(persistence.stored.clock.Height, 170);
    EXPECT_EQ(persistence.stored.clock.Left, form->frameGeometry().left());
    EXPECT_EQ(form->CurrentQuitState(), QuitState::MailStopped) << "the mail machinery has stopped";
    EXPECT_FALSE(form->DrawTimer().IsRunning());
}

TEST_F(MainFormFixture, SessionEndSavesLikeTheMenuExit) {
    auto form = Start();
    form->close();
    EXPECT_EQ(persistence.saveCalls, 1);
    form->close();
    EXPECT_EQ(persistence.saveCalls, 1) << "one close, one save";
}

TEST_F(MainFormFixture, TheTickGoesOnUnderAnOpenAlarmWindowAndDueEntriesJoinIt) {
    AddDailyEntry(QStringLiteral("一"));
    AddDailyEntry(QStringLiteral("二"));
    AddDailyEntry(QStringLiteral("三"), 7, 6); // due a minute after the start
    auto form = Start();
    std::set<QDialog*> alarms;
    const auto lines = [&] {
        QDialog* alarm = form->OpenWindow(AlarmWindow);
        if (alarm == nullptr) {
            return QStringList();
        }
        alarms.insert(alarm);
        return alarm->findChild<QPlainTextEdit*>("MM_Message")->toPlainText().split('\n');
    };
    bool faceFollowed = false;
    const bool done = RunSteps({
        // Both start-up entries are due at once: one window, two lines.
        [&] { return lines().size() == 2; },
        [&] {
            faceFollowed = FaceFollowsNextSecond(*form) && FaceFollowsNextSecond(*form);
            clock.Set(QDateTime(QDate(2002, 12, 6), QTime(7, 6, 0)));
            return true;
        },
        // The entry due meanwhile joins the open window.
        [&] { return lines().size() == 3; },
        [&] {
            form->OpenWindow(AlarmWindow)->findChild<QPushButton*>("AlarmClose")->click();
            return true;
        },
    });
    ASSERT_TRUE(done);
    EXPECT_TRUE(faceFollowed) << "the face advances every second under the alarm window";
    EXPECT_EQ(alarms.size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->OpenWindowMask() == 0; }, 3000));
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(form->Records().schedules.entries[slot].fireState, FireState::Notified);
    }
}

TEST_F(MainFormFixture, TheTickGoesOnUnderTheMailNotificationWindow) {
    persistence.stored.clock.AccountListCount = 1;
    MailAccount& account = persistence.stored.accounts.entries[0];
    account.Attribute = InUse | CheckOn | DefaultIcon;
    account.Account = QStringLiteral("alice");
    account.MessageCount = 2;
    account.NewMail = 1; // reported at the first running tick
    auto form = Start();
    bool faceFollowed = false;
    const bool done = RunSteps({
        [&] { return form->OpenWindow(MailNotificationWindow) != nullptr; },
        [&] {
            faceFollowed = FaceFollowsNextSecond(*form) && FaceFollowsNextSecond(*form);
            form->OpenWindow(MailNotificationWindow)
                ->findChild<QPushButton*>("MailInfoClose")
                ->click();
            return true;
        },
    });
    ASSERT_TRUE(done);
    EXPECT_TRUE(faceFollowed);
    EXPECT_EQ(form->OpenWindowMask(), 0u);
}

TEST_F(MainFormFixture, TheTickGoesOnWhileAPop3ConversationWaitsAndTheStopEndsIt) {
    ScriptedPeer silent; // accepts and never greets
    AddMailAccount(silent.Port());
    auto form = Start();
    WaitForRunning(*form);
    form->Menu().Menu_MailCheck->trigger();
    bool faceFollowed = false;
    int runsDuringTheWait = 0;
    const bool done = RunSteps({
        [&] { return form->MailRun().MailCheckBusy() && silent.Connections() == 1; },
        [&] {
            faceFollowed = FaceFollowsNextSecond(*form) && FaceFollowsNextSecond(*form);
            runsDuringTheWait = silent.Connections();
            form->Menu().Menu_MailCheck->trigger(); // the stop command
            return true;
        },
        [&] { return !form->MailRun().MailCheckRunning(); },
    });
    ASSERT_TRUE(done);
    EXPECT_TRUE(faceFollowed);
    EXPECT_EQ(runsDuringTheWait, 1) << "the ticks during the wait start no second conversation";
    EXPECT_EQ(form->Records().accounts.entries[0].ResultText,
              QStringLiteral("Error:サーバーに接続できない"));
    EXPECT_EQ(form->Menu().Menu_MailCheck->text(), QStringLiteral("メールチェック(&C)"));
}

TEST_F(MainFormFixture, TheTrayIconsRightButtonGoesThroughTheWindowsGate) {
    auto form = Start();
    WaitForRunning(*form);
    auto* tray = form->findChild<TrayIcon*>();
    ASSERT_NE(tray, nullptr);
    bool menuShownInside = true;
    form->OpenSecondaryWindow(AboutWindow, [&] {
        auto* dialog = new QDialog;
        QTimer::singleShot(50, dialog, [&, dialog] {
            Q_EMIT tray->ContextRequested();
            menuShownInside = form->Menu().Menu()->isVisible();
            dialog->close();
        });
        return dialog;
    });
    EXPECT_FALSE(menuShownInside);
    Q_EMIT tray->ContextRequested();
    EXPECT_TRUE(form->Menu().Menu()->isVisible());
    form->Menu().Menu()->hide();
}

TEST_F(MainFormFixture, AShapeChosenInTheDisplayDialogMovesTheMenuCheckAndFitsTheNewSize) {
    TestFolder folder;
    const QString square = folder.FilePath("square.bmp");
    const QString wide = folder.FilePath("wide.bmp");
    ASSERT_TRUE(QImage(100, 100, QImage::Format_RGB32).save(square));
    ASSERT_TRUE(QImage(200, 100, QImage::Format_RGB32).save(wide));
    ClockSettings& stored = persistence.stored.clock;
    stored.Width = 200;
    stored.Height = 200;
    stored.Set(NoImage, false);
    stored.pictureList.paths[0] = square;
    stored.pictureList.paths[1] = wide;
    stored.ImageListCounter = 2;
    stored.Image_File = square;
    auto form = Start();
    // Past the first draw, which shows the background colour only.
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->FaceDrawCount() >= 2; }, 3000));
    bool applied = false;
    QTimer::singleShot(100, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QListWidget*>("LBX_ImageFileList");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        dialog->findChild<QRadioButton*>("RB_WinEllipse")->click();
        dialog->findChild<QPushButton*>("BTM_okclose")->click();
        applied = true;
    });
    form->Menu().Menu_DispCust->trigger();
    ASSERT_TRUE(applied);
    EXPECT_TRUE(form->Menu().WinStyle_Ellipse->isChecked());
    EXPECT_FALSE(form->Menu().WinStyle_Normal->isChecked());
    ASSERT_NE(form->ClientSize(), QSize(200, 200)) << "the window took the picture's ratio";
    EXPECT_EQ(form->mask().boundingRect().size(), form->ClientSize())
        << "the ellipse is cut to the size the window has now";
}

// The tick wakes once a second while nothing needs more; the pointer coming brings back four
// ticks a second until the clock has dropped, the pointer has gone and the hide delay has
// run out. The counters and the delay keep to the real time either way.
TEST_F(MainFormFixture, ThePointerBringsQuickTicksUntilTheClockIsBackAndTimeCountsEitherWay) {
    using Rate = TickCadence::Rate;
    using Reason = TickCadence::Reason;
    persistence.stored.clock.WindowHideInterval = 1;
    auto form = StartWithPointer();
    const HideUnderMouse& hide = form->HideUnderMouseState();
    const TickTimer& timer = form->DrawTimer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return timer.Rate() == Rate::EverySecond; }, 5000))
        << "quarter seconds for 0x" << std::hex << form->QuarterSecondReasons().toInt();
    EXPECT_TRUE(hide.Raised());
    // Quarter seconds counted against the time that passed, over `milliseconds`; the count
    // moves at the ticks, so it may trail by one tick.
    const auto countsTime = [&](int milliseconds, int slack) {
        QElapsedTimer watch;
        watch.start();
        const std::uint32_t before = form->MailTickCount();
        QTest::qWait(milliseconds);
        const double passed = watch.elapsed() / 250.0;
        const std::uint32_t counted = form->MailTickCount() - before;
        EXPECT_NEAR(double(counted), passed, slack) << "over " << milliseconds << " ms";
    };
    countsTime(2500, 5);
    // Raised, the clock asked once more where the cursor is; since then it has known.
    const int askedInFront = form->questions;
    QTest::qWait(1500);
    EXPECT_EQ(form->questions, askedInFront) << "in front with the cursor away: no questions";

    // The cursor enters: quick ticks at once, and the clock drops.
    const QRect outer = form->frameGeometry();
    form->pointer = outer.center();
    const QPointF local = form->mapFromGlobal(outer.center());
    QEnterEvent enter(local, local, QPointF(outer.center()));
    QCoreApplication::sendEvent(form.get(), &enter);
    EXPECT_TRUE(form->QuarterSecondReasons().testFlag(Reason::PointerOverWindow));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hide.Raised(); }, 3000));
    EXPECT_EQ(timer.Rate(), Rate::EveryQuarterSecond);

    // Dropped, it asks on every tick; the corner just beyond the window still counts.
    form->pointer = outer.topLeft() + QPoint(outer.width(), outer.height());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(form.get(), &leave);
    const int droppedAsked = form->questions;
    countsTime(1500, 2);
    EXPECT_GE(form->questions - droppedAsked, 4) << "about six quarter-second ticks";
    EXPECT_FALSE(hide.Raised());
    EXPECT_EQ(form->QuarterSecondReasons(), TickCadence::Reasons(Reason::DroppedUnderMouse));

    // A second outside, then back on top and once a second again.
    form->pointer = outer.bottomRight() + QPoint(2, 2);
    QElapsedTimer outside;
    outside.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hide.DelayRunning(); }, 3000));
    EXPECT_TRUE(form->QuarterSecondReasons().testFlag(Reason::HideDelayRunning));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hide.Raised(); }, 5000));
    // To a quarter second: the first tick outside counts the time since the tick before.
    EXPECT_GE(outside.elapsed(), 750) << "the hide delay lasts its second";
    EXPECT_LT(outside.elapsed(), 2500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return timer.Rate() == Rate::EverySecond; }, 3000));
    QTest::qWait(1200);
    const int raisedAsked = form->questions;
    QTest::qWait(1500);
    EXPECT_EQ(form->questions, raisedAsked) << "in front again";
}

TEST_F(MainFormFixture, TheWindowShowsWhatRenderDrawsForEachSecond) {
    persistence.stored.clock.Image_File = SourceDir() + "/resources/images/sample.jpg";
    auto form = Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->FaceDrawCount() >= 2; }, 3000));
    for (int step = 0; step < 4; ++step) {
        ASSERT_TRUE(FaceFollowsNextSecond(*form));
        ClockSettings settings = form->Records().clock;
        FaceInputs in;
        in.clientSize = form->ClientSize();
        const QImage expected =
            RenderFaceSnapshot(settings, form->CurrentClockTime(), in, QString());
        const QImage shown =
            form->grab(QRect(QPoint(FrameThickness, FrameThickness), form->ClientSize()))
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shown == expected) << "second " << step;
    }
    EXPECT_FALSE(form->Records().clock.Has(NoImage)) << "drawn over the picture";
}
