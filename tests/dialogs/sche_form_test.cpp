// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/sche_form.h"
#include "fake_choosers.h"
#include "fake_prompt.h"
#include "schedule_fakes.h"
#include "temp_dir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

const QString Warning = QStringLiteral("警告");
const QString DiscardQuestion = QStringLiteral("変更内容が破棄されますがよろしいですか?");

class ScheduleDialogTest : public ::testing::Test {
protected:
    ScheduleDialogTest() {
        Append(table, StoredEntry(ScheduleDaily | ScheduleMessage, 2002, 1, 1, 1, 0, 0));
    }

    // Built on first use, so each test can prepare the clock window's table first.
    TScheForm& Form() {
        if (!form_) {
            form_ = std::make_unique<TScheForm>(table, saver, prompt, help, choosers, [] {
                return QDateTime(QDate(2002, 12, 6), QTime(7, 5, 30)); // a Friday
            });
            form_->show();
        }
        return *form_;
    }

    template <typename T> T* Find(const char* name) {
        T* child = Form().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // Clicks near the left edge, where check boxes and radio buttons have their mark.
    void Click(const char* name) {
        QAbstractButton* button = Find<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    // Types text key by key; QTest's own key clicks know only ASCII.
    static void Type(QWidget* target, const QString& text) {
        target->setFocus();
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QCoreApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier,
                              QString(character));
            QCoreApplication::sendEvent(target, &release);
        }
    }

    void TypeMessage(const QString& text) { Type(Find<QPlainTextEdit>("MM_Message"), text); }

    QStringList ListTexts() {
        QStringList texts;
        auto* list = Find<QListWidget>("CLBX_ScheList");
        for (int i = 0; i < list->count(); ++i) {
            texts.append(list->item(i)->text());
        }
        return texts;
    }

    void DoubleClickLine(int row) {
        auto* list = Find<QListWidget>("CLBX_ScheList");
        const QRect rect = list->visualItemRect(list->item(row));
        const QPoint at = rect.center() + QPoint(20, 0);
        // The view takes a double click only on the item its first press went to.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    void ClickCalendarCell(int row, int column) {
        auto* grid = Find<QTableWidget>("SG_Calender");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(row, column)).center());
    }

    void Wheel(int delta, Qt::KeyboardModifiers modifiers) {
        auto* grid = Find<QTableWidget>("SG_Calender");
        const QPointF at(grid->viewport()->width() / 2.0, grid->viewport()->height() / 2.0);
        QWheelEvent event(at, grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(grid->viewport(), &event);
    }

    QString CalendarTitle() {
        return Find<QLabel>("LBL_Year")->text() + Find<QLabel>("LBL_Month")->text();
    }

    QString SelectedCell() {
        const QList<QTableWidgetItem*> selected =
            Find<QTableWidget>("SG_Calender")->selectedItems();
        return selected.size() == 1 ? selected[0]->text() : QString();
    }

    void Choose(const char* comboName, int index) {
        Find<QComboBox>(comboName)->setCurrentIndex(index);
    }

    ScheduleTable table;
    CountingSaver saver;
    FakePrompt prompt;
    RecordingHelp help;
    FakeChoosers choosers;

private:
    std::unique_ptr<TScheForm> form_;
};

TEST_F(ScheduleDialogTest, ControlsCarryTheirCaptions) {
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("スケジュール設定"));
    EXPECT_EQ(Form().size(), QSize(624, 445));
    struct Caption {
        const char* name;
        const char16_t* text;
    };
    for (const Caption& caption :
         {Caption{"BTN_ScheNew", u"新規追加 "}, Caption{"BTN_ScheUpdate", u"更新"},
          Caption{"BTN_ScheReset", u"初期化"}, Caption{"BTN_ScheRefrect", u"設定"},
          Caption{"BTN_Close", u"キャンセル"}, Caption{"BTN_Help", u"ヘルプ"},
          Caption{"BTN_ScheNow", u"現在日時"}, Caption{"BTN_LastYear", u"<<"},
          Caption{"BTN_LastMonth", u"<"}, Caption{"BTN_NextMonth", u">"},
          Caption{"BTN_NextYear", u">>"}, Caption{"RB_ScheRun", u"Zorbel起動時"},
          Caption{"RB_ScheTime", u"時間指定"}, Caption{"CBX_ScheMessage", u"メッセージ通知"},
          Caption{"CBX_ScheSound", u"サウンド"}, Caption{"CBX_AppRun", u"アプリケーション起動"}}) {
        EXPECT_EQ(Find<QAbstractButton>(caption.name)->text(), QString::fromUtf16(caption.text))
            << caption.name;
    }
    EXPECT_EQ(Find<QGroupBox>("GroupBox1")->title(), QStringLiteral("期日"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox2")->title(), QStringLiteral("スケジュールリスト"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox3")->title(), QStringLiteral("通知方法"));
    EXPECT_EQ(Find<QLabel>("LBL_ScheEveryWeek")->text(), QStringLiteral("曜日"));
    auto items = [this](const char* name) {
        QStringList texts;
        auto* combo = Find<QComboBox>(name);
        for (int i = 0; i < combo->count(); ++i) {
            texts.append(combo->itemText(i));
        }
        return texts;
    };
    EXPECT_EQ(items("CBX_ScheSelect"), QStringList({"毎年", "毎月", "毎日", "毎週", "個別"}));
    EXPECT_EQ(items("CBX_ScheEveryWeek"),
              QStringList({"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"}));
    EXPECT_EQ(items("CBX_RunWin"), QStringList({"通常のウィンドウ", "最小化", "最大化", ""}));
    QStringList menu;
    for (const char* name : {"PP_AllCheckOff", "PP_AllCheckOn", "PP_DelOnce", "PP_DelAll"}) {
        menu.append(Find<QAction>(name)->text());
    }
    EXPECT_EQ(menu, QStringList({"全てチェックを外す(&F)", "全てチェックする(&O)",
                                 "選択中の項目を削除(&D)", "すべて削除(&E)"}));
    EXPECT_TRUE(Find<QLineEdit>("EDT_Sche_Hour")->isReadOnly());
}

TEST_F(ScheduleDialogTest, ResetStateAndItsEnablingRules) {
    EXPECT_TRUE(Find<QCheckBox>("CBX_ScheMessage")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("CBX_ScheSound")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("CBX_AppRun")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("RB_ScheTime")->isChecked());
    EXPECT_EQ(Find<QComboBox>("CBX_ScheSelect")->currentText(), QStringLiteral("個別"));
    EXPECT_EQ(Find<QSpinBox>("UPD_Sche_Hour")->value(), 7);
    EXPECT_EQ(Find<QSpinBox>("UPD_Sche_Min")->value(), 5);
    EXPECT_EQ(Find<QComboBox>("CBX_ScheEveryWeek")->currentIndex(), 5); // Friday
    EXPECT_EQ(CalendarTitle(), QStringLiteral("2002年12月"));
    EXPECT_EQ(SelectedCell(), QStringLiteral("6"));
    EXPECT_FALSE(Find<QWidget>("BTN_ScheUpdate")->isEnabled());

    struct Rule {
        const char* toggle;
        const char* control;
    };
    for (const Rule& rule :
         {Rule{"CBX_ScheMessage", "MM_Message"}, Rule{"CBX_ScheSound", "EDT_ScheSound"},
          Rule{"CBX_ScheSound", "Dialog_ScheSound"}, Rule{"CBX_AppRun", "EDT_ScheAppName"},
          Rule{"CBX_AppRun", "EDT_RunFile"}, Rule{"CBX_AppRun", "Dialog_RunDir"},
          Rule{"CBX_AppRun", "EDT_RunOption"}, Rule{"CBX_AppRun", "CBX_RunWin"}}) {
        const bool before = Find<QCheckBox>(rule.toggle)->isChecked();
        EXPECT_EQ(Find<QWidget>(rule.control)->isEnabled(), before) << rule.control;
        Click(rule.toggle);
        EXPECT_EQ(Find<QWidget>(rule.control)->isEnabled(), !before) << rule.control;
        Click(rule.toggle);
    }
    Click("RB_ScheRun");
    EXPECT_FALSE(Find<QWidget>("UPD_Sche_Hour")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("UPD_Sche_Min")->isEnabled());
    Click("RB_ScheTime");
    EXPECT_TRUE(Find<QWidget>("UPD_Sche_Min")->isEnabled());
}

TEST_F(ScheduleDialogTest, PatternDecidesCalendarAndWeekdayList) {
    struct PatternCase {
        int index;
        bool calendar;
        bool weekday;
    };
    for (const PatternCase& pattern :
         {PatternCase{0, true, false}, PatternCase{1, true, false}, PatternCase{2, false, false},
          PatternCase{3, false, true}, PatternCase{4, true, false}}) {
        Choose("CBX_ScheSelect", pattern.index);
        auto* grid = Find<QTableWidget>("SG_Calender");
        EXPECT_EQ(grid->isEnabled(), pattern.calendar) << pattern.index;
        EXPECT_EQ(grid->palette().color(QPalette::Base),
                  pattern.calendar ? QColor(Qt::white) : QColor(0x80, 0x80, 0x80));
        EXPECT_EQ(Find<QWidget>("CBX_ScheEveryWeek")->isEnabled(), pattern.weekday)
            << pattern.index;
    }
}

TEST_F(ScheduleDialogTest, ValidationStopsAtTheFirstBrokenRule) {
    const QString caption = QStringLiteral("スケジュール設定方法について");
    Click("CBX_ScheMessage"); // nothing ticked
    Click("BTN_ScheNew");
    Click("CBX_ScheMessage");
    Click("CBX_AppRun"); // application without a name, message empty too
    Click("BTN_ScheNew");
    Type(Find<QLineEdit>("EDT_ScheAppName"), QStringLiteral("メーラー"));
    Click("BTN_ScheNew");
    ASSERT_EQ(prompt.messages.size(), 3u);
    for (const auto& shown : prompt.messages) {
        EXPECT_EQ(shown.caption, caption);
    }
    EXPECT_EQ(prompt.messages[0].text, QStringLiteral("必ずメッセージ通知、サウンド通知、\nアプリケ"
                                                      "ーション起動のいずれかを選択してください"));
    EXPECT_EQ(prompt.messages[1].text,
              QStringLiteral("アプリケーション起動する場合は、「名称」を入力してください"));
    EXPECT_EQ(prompt.messages[2].text,
              QStringLiteral("メッセージ通知する場合は、「メッセージ」を入力してください"));
    EXPECT_EQ(ListTexts().size(), 1);
}

TEST_F(ScheduleDialogTest, NewEntryIsListedResetAndCommittedIdle) {
    TypeMessage(QStringLiteral("meeting"));
    Click("CBX_ScheSound");
    Click("BTN_ScheNew");
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(ListTexts(),
              QStringList({"毎日起動時「」 ", "2002/12/6 7:5「meeting」 サウンド有り"}));
    EXPECT_TRUE(Find<QListWidget>("CLBX_ScheList")->item(1)->checkState() == Qt::Checked);
    EXPECT_TRUE(Find<QPlainTextEdit>("MM_Message")->toPlainText().isEmpty()) << "editor reset";
    EXPECT_EQ(table.entryCount, 1) << "nothing reaches the clock window before commit";

    QSignalSpy finished(&Form(), &QDialog::finished);
    Click("BTN_ScheRefrect");
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(Form().result(), QDialog::Accepted);
    EXPECT_EQ(saver.saves, 1);
    ASSERT_EQ(table.entryCount, 2);
    const ScheduleEntry& stored = table.entries[1];
    EXPECT_EQ(stored.Attribute, ScheduleEnabled | ScheduleMessage | ScheduleSound |
                                    ScheduleTimeSpecified | ScheduleOneOff);
    EXPECT_EQ(stored.Check_Patt, 0x37);
    EXPECT_EQ(stored.Year, 2002);
    EXPECT_EQ(stored.Month, 12);
    EXPECT_EQ(stored.Day, 6);
    EXPECT_EQ(stored.Week, 6);
    EXPECT_EQ(stored.Hour, 7);
    EXPECT_EQ(stored.Min, 5);
    EXPECT_EQ(stored.Message, QStringLiteral("meeting"));
    EXPECT_EQ(stored.fireState, FireState::Idle);
    EXPECT_FALSE(table.scheduleTableBusy);
}

TEST_F(ScheduleDialogTest, DailyAtStartUpAndMonthlyListTexts) {
    Choose("CBX_ScheSelect", 2);
    Click("RB_ScheRun");
    TypeMessage(QStringLiteral("朝"));
    Click("BTN_ScheNew");
    Choose("CBX_ScheSelect", 1);
    Find<QSpinBox>("UPD_Sche_Min")->setValue(0);
    Find<QSpinBox>("UPD_Sche_Hour")->setValue(23);
    Click("CBX_ScheMessage");
    Click("CBX_AppRun");
    Type(Find<QLineEdit>("EDT_ScheAppName"), QStringLiteral("日記"));
    ClickCalendarCell(5, 2); // the 31st of December 2002
    Click("BTN_ScheNew");
    EXPECT_EQ(ListTexts().mid(1), QStringList({"毎日起動時「朝」 ", "毎月31日23:0「日記」実行"}));
}

TEST_F(ScheduleDialogTest, TwentyFirstEntryIsRefused) {
    for (int i = 1; i < 20; ++i) {
        Append(table, StoredEntry(ScheduleDaily | ScheduleMessage, 2002, 1, 1, 1, 0, 0));
    }
    TypeMessage(QStringLiteral("one more"));
    Click("BTN_ScheNew");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, Warning);
    EXPECT_EQ(prompt.messages[0].text, QStringLiteral("これ以上設定できません（最大20件）"));
    EXPECT_EQ(ListTexts().size(), 20);
    EXPECT_EQ(Find<QPlainTextEdit>("MM_Message")->toPlainText(), QStringLiteral("one more"));
}

TEST_F(ScheduleDialogTest, LoadingAskesWhenTheEditorChangedAndUpdateStoresBack) {
    table.entries[0].Message = QStringLiteral("old");
    Append(table, StoredEntry(ScheduleWeekly | ScheduleSound | ScheduleTimeSpecified, 2002, 12, 6,
                              2, 9, 15));
    table.entries[1].SoundFile = QStringLiteral("/s/bell.wav");
    TypeMessage(QStringLiteral("draft"));
    prompt.answers = {UserPrompt::Answer::No};
    DoubleClickLine(1);
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0].caption, Warning);
    EXPECT_EQ(prompt.questions[0].text, DiscardQuestion);
    EXPECT_EQ(Find<QPlainTextEdit>("MM_Message")->toPlainText(), QStringLiteral("draft"));

    DoubleClickLine(1); // the default answer is Yes
    EXPECT_EQ(Find<QComboBox>("CBX_ScheSelect")->currentText(), QStringLiteral("毎週"));
    EXPECT_EQ(Find<QComboBox>("CBX_ScheEveryWeek")->currentIndex(), 1)
        << "Monday kept, not the date's Friday";
    EXPECT_TRUE(Find<QWidget>("CBX_ScheEveryWeek")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>("EDT_ScheSound")->text(), QStringLiteral("/s/bell.wav"));
    EXPECT_EQ(Find<QSpinBox>("UPD_Sche_Hour")->value(), 9);
    EXPECT_TRUE(Find<QWidget>("BTN_ScheUpdate")->isEnabled());

    DoubleClickLine(0); // the editor is unchanged since loading: no question
    EXPECT_EQ(prompt.questions.size(), 2u);
    Choose("CBX_ScheSelect", 2);
    Click("BTN_ScheUpdate");
    EXPECT_EQ(ListTexts()[0], QStringLiteral("毎日起動時「old」 "));
    EXPECT_FALSE(Find<QWidget>("BTN_ScheUpdate")->isEnabled());
}

TEST_F(ScheduleDialogTest, DeleteShiftsTheLinesAndDeletingTheLoadedEntryDisablesUpdate) {
    table = ScheduleTable{};
    for (const char* message : {"a", "b", "c"}) {
        ScheduleEntry entry = StoredEntry(ScheduleDaily | ScheduleMessage, 2002, 1, 1, 1, 0, 0);
        entry.Message = QString::fromLatin1(message);
        Append(table, entry);
    }
    table.entries[2].Attribute &= ~ScheduleEnabled;
    DoubleClickLine(2);
    auto* list = Find<QListWidget>("CLBX_ScheList");
    list->setCurrentRow(1);
    Find<QAction>("PP_DelOnce")->trigger();
    EXPECT_EQ(ListTexts(), QStringList({"毎日起動時「a」 ", "毎日起動時「c」 "}));
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked) << "check marks move with their entries";
    EXPECT_TRUE(Find<QWidget>("BTN_ScheUpdate")->isEnabled()) << "'c' is still loaded";

    list->setCurrentRow(1);
    Find<QAction>("PP_DelOnce")->trigger();
    EXPECT_FALSE(Find<QWidget>("BTN_ScheUpdate")->isEnabled());

    list->setCurrentRow(0);
    Find<QAction>("PP_DelOnce")->trigger();
    EXPECT_TRUE(ListTexts().isEmpty());
    Click("BTN_ScheRefrect");
    EXPECT_EQ(table.entryCount, 0);
    EXPECT_EQ(table.entries[0].Attribute, 0);
}

TEST_F(ScheduleDialogTest, ChecksAndListCommandsReachTheCommittedTable) {
    Append(table, StoredEntry(ScheduleDaily | ScheduleMessage, 2002, 1, 1, 1, 0, 0));
    auto* list = Find<QListWidget>("CLBX_ScheList");
    Find<QAction>("PP_AllCheckOff")->trigger();
    EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    list->item(1)->setCheckState(Qt::Checked);
    Click("BTN_ScheRefrect");
    EXPECT_EQ(table.entries[0].Attribute & ScheduleEnabled, 0);
    EXPECT_EQ(table.entries[1].Attribute & ScheduleEnabled, ScheduleEnabled);
}

TEST_F(ScheduleDialogTest, DeleteAllEmptiesTheList) {
    Append(table, StoredEntry(ScheduleDaily | ScheduleMessage, 2002, 1, 1, 1, 0, 0));
    Find<QAction>("PP_DelAll")->trigger();
    EXPECT_TRUE(ListTexts().isEmpty());
}

TEST_F(ScheduleDialogTest, CommitKeepsTheFireStateOfUntouchedEntries) {
    table.entries[0].fireState = FireState::Notified;
    Append(table, StoredEntry(ScheduleDaily | ScheduleSound, 2002, 1, 1, 1, 0, 0));
    table.entries[1].fireState = FireState::Notified;
    Form();
    DoubleClickLine(1);
    Click("BTN_ScheUpdate");
    Click("BTN_ScheRefrect");
    EXPECT_EQ(table.entries[0].fireState, FireState::Notified);
    EXPECT_EQ(table.entries[1].fireState, FireState::Idle);
}

TEST_F(ScheduleDialogTest, FilledEditorWithoutAddCommitsNothingNew) {
    TypeMessage(QStringLiteral("not added"));
    Click("BTN_ScheRefrect");
    EXPECT_EQ(table.entryCount, 1);
    EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(ScheduleDialogTest, CancelAsksOnlyWhenTheEditorChanged) {
    QSignalSpy finished(&Form(), &QDialog::finished);
    TypeMessage(QStringLiteral("x"));
    prompt.answers = {UserPrompt::Answer::No};
    Click("BTN_Close");
    EXPECT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(Form().isVisible());

    QTest::keyClick(&Form(), Qt::Key_Escape); // answered Yes
    EXPECT_EQ(prompt.questions.size(), 2u);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(Form().result(), QDialog::Rejected);
    EXPECT_EQ(saver.saves, 0);
}

TEST_F(ScheduleDialogTest, UnchangedCancelAndTheCloseBoxDoNotAsk) {
    QSignalSpy finished(&Form(), &QDialog::finished);
    Click("BTN_Close");
    EXPECT_EQ(finished.count(), 1);
    Form().show();
    TypeMessage(QStringLiteral("changed"));
    Form().close();
    EXPECT_EQ(finished.count(), 2);
    EXPECT_TRUE(prompt.questions.empty());
    EXPECT_EQ(table.entryCount, 1);
}

TEST_F(ScheduleDialogTest, CalendarCellsButtonsAndWrap) {
    ClickCalendarCell(0, 3); // weekday name: ignored
    ClickCalendarCell(6, 0); // "*": ignored
    EXPECT_EQ(SelectedCell(), QStringLiteral("6"));
    ClickCalendarCell(5, 2); // 31
    EXPECT_EQ(SelectedCell(), QStringLiteral("31"));
    EXPECT_EQ(Find<QComboBox>("CBX_ScheEveryWeek")->currentIndex(), 2)
        << "31.12.2002 was a Tuesday";
    Click("BTN_NextMonth");
    EXPECT_EQ(CalendarTitle(), QStringLiteral("2003年1月"));
    Click("BTN_NextMonth");
    EXPECT_EQ(CalendarTitle(), QStringLiteral("2003年2月"));
    EXPECT_EQ(SelectedCell(), QStringLiteral("28"));
    Click("BTN_LastMonth");
    Click("BTN_LastMonth");
    EXPECT_EQ(CalendarTitle(), QStringLiteral("2002年12月"));
    for (int i = 0; i < 102; ++i) {
        Click("BTN_LastYear");
    }
    EXPECT_EQ(CalendarTitle(), QStringLiteral("1900年12月"));
    Click("BTN_LastYear");
    EXPECT_EQ(CalendarTitle(), QStringLiteral("2100年12月"));
    Click("BTN_NextYear");
    EXPECT_EQ(CalendarTitle(), QStringLiteral("1900年12月"));
}

TEST_F(ScheduleDialogTest, WheelMovesTheCalendarExceptUpForMonthly) {
    struct WheelCase {
        int pattern;
        int delta;
        Qt::KeyboardModifiers modifiers;
        const char16_t* title;
    };
    const WheelCase cases[] = {
        {4, -120, Qt::NoModifier, u"2003年1月"},     {4, 120, Qt::NoModifier, u"2002年11月"},
        {4, -120, Qt::ShiftModifier, u"2003年12月"}, {4, 120, Qt::ShiftModifier, u"2001年12月"},
        {1, 120, Qt::NoModifier, u"2002年12月"},     {1, -120, Qt::NoModifier, u"2003年1月"},
        {1, 120, Qt::ShiftModifier, u"2001年12月"},  {0, 120, Qt::NoModifier, u"2002年11月"},
    };
    for (const WheelCase& wheel : cases) {
        Click("BTN_ScheReset");
        Choose("CBX_ScheSelect", wheel.pattern);
        Wheel(wheel.delta, wheel.modifiers);
        EXPECT_EQ(CalendarTitle(), QString::fromUtf16(wheel.title))
            << wheel.pattern << " " << wheel.delta;
    }
}

TEST_F(ScheduleDialogTest, TouchpadStepsMoveTheCalendarOncePerNotch) {
    for (int step = 0; step < 15; ++step) {
        Wheel(-15, Qt::NoModifier);
    }
    EXPECT_EQ(CalendarTitle(), QStringLiteral("2003年1月")) << "fifteen steps of 15 units";
    Wheel(-15, Qt::NoModifier);
    EXPECT_EQ(CalendarTitle(), QStringLiteral("2003年2月")) << "the sixteenth completes a notch";
}

TEST_F(ScheduleDialogTest, NowButtonAndHelp) {
    Click("BTN_NextYear");
    Find<QSpinBox>("UPD_Sche_Hour")->setValue(1);
    Click("BTN_ScheNow");
    EXPECT_EQ(CalendarTitle(), QStringLiteral("2002年12月"));
    EXPECT_EQ(SelectedCell(), QStringLiteral("6"));
    EXPECT_EQ(Find<QSpinBox>("UPD_Sche_Hour")->value(), 7);
    Click("BTN_Help");
    EXPECT_EQ(help.topics, std::vector<int>{302});
}

TEST_F(ScheduleDialogTest, MessageMemoTakesAtMostFiftyBytes) {
    TypeMessage(QString(30, QChar(0x4F1A))); // 30 double-byte characters
    EXPECT_EQ(Find<QPlainTextEdit>("MM_Message")->toPlainText(), QString(25, QChar(0x4F1A)));
    Click("BTN_ScheReset");
    TypeMessage(QString(49, 'a') + QStringLiteral("会b"));
    EXPECT_EQ(Find<QPlainTextEdit>("MM_Message")->toPlainText(), QString(49, 'a') + "b");

    // A line break counts as CR LF, two bytes, and stays a plain "\n" in the text.
    Click("BTN_ScheReset");
    auto* memo = Find<QPlainTextEdit>("MM_Message");
    TypeMessage(QString(47, 'a'));
    QTest::keyClick(memo, Qt::Key_Return);
    TypeMessage(QStringLiteral("bc"));
    EXPECT_EQ(memo->toPlainText(), QString(47, 'a') + "\nb");
    Click("BTN_ScheReset");
    memo->insertPlainText(QStringLiteral("1\n2\n") + QString(50, 'w')); // a paste
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("1\n2\n") + QString(44, 'w'));
}

TEST_F(ScheduleDialogTest, LoadingALongerStoredMessageKeepsItWhole) {
    const QString stored = QString(60, 'x');
    table.entries[0].Message = stored;
    DoubleClickLine(0);
    EXPECT_EQ(Find<QPlainTextEdit>("MM_Message")->toPlainText(), stored);
    TypeMessage(QStringLiteral("y"));
    EXPECT_EQ(Find<QPlainTextEdit>("MM_Message")->toPlainText(), stored);
}

TEST_F(ScheduleDialogTest, BrowseButtonsFillTheirFields) {
    const TestFolder folder;
    struct BrowseCase {
        const char* toggle;
        const char* button;
        const char* field;
        QString choice;
        QString title;
        QString filter;
    };
    const BrowseCase cases[] = {
        {"CBX_ScheSound", "Dialog_ScheSound", "EDT_ScheSound", folder.Write("bell.wav", "RIFF"),
         QStringLiteral("サウンドファイルの選択"), QStringLiteral("WAVファイル (*.wav)")},
        {"CBX_AppRun", "Dialog_RunFile", "EDT_RunFile", folder.Write("tool", "#!/bin/sh\n"),
         QStringLiteral("実行ファイルの選択"), QStringLiteral("すべてのファイル (*)")},
    };
    for (const BrowseCase& browse : cases) {
        Click(browse.toggle);
        choosers.files = {browse.choice};
        Click(browse.button);
        ASSERT_FALSE(choosers.fileChoices.empty());
        EXPECT_EQ(choosers.fileChoices.back().title, browse.title);
        EXPECT_EQ(choosers.fileChoices.back().filter, browse.filter);
        EXPECT_EQ(Find<QLineEdit>(browse.field)->text(), browse.choice);
    }
    // The working folder comes from the folder chooser, which starts at the folder shown;
    // cancelling it keeps the field.
    choosers.folders = {folder.Path(), std::nullopt};
    Click("Dialog_RunDir");
    EXPECT_EQ(choosers.folderTitles,
              std::vector<QString>{QStringLiteral("実行時のフォルダ選択\n")});
    EXPECT_EQ(Find<QLineEdit>("EDT_RunDir")->text(), folder.Path());
    Click("Dialog_RunDir");
    EXPECT_EQ(choosers.folderStarts.back(), folder.Path());
    EXPECT_EQ(Find<QLineEdit>("EDT_RunDir")->text(), folder.Path());
}

} // namespace
