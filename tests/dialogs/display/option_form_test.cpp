// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_form.h"
#include "display_fakes.h"
#include "face_defaults.h"
#include "fake_login_start.h"
#include "fake_prompt.h"
#include "temp_dir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A dialog opened on the fake clock window, with two pictures of known sizes on disk.
class DisplayDialog : public ::testing::Test {
public:
    void SetUp() override {
        wide = WritePicture("wide.bmp", QSize(64, 48));
        tall = WritePicture("tall.bmp", QSize(48, 64));
        host.settings = DefaultFaceSettings();
        // A normal window, so that each display mode radio is a change.
        host.settings.Attrib &= ~std::uint32_t(MouseHide | TopMost);
        host.settings.Image_File = wide;
        host.settings.ImageListCounter = 2;
        host.settings.pictureList.paths[0] = wide;
        host.settings.pictureList.paths[1] = tall;
        host.pictureSize = QSize(64, 48);
        host.dataFolder = folder.Path();
    }

    QString WritePicture(const char* name, QSize size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::green);
        const QString path = folder.FilePath(QString::fromLatin1(name));
        picture.save(path, "BMP");
        return path;
    }

    TOptionForm& Open() {
        original = host.settings;
        form = std::make_unique<TOptionForm>(host, choosers, prompt, help, loginStart);
        form->show();
        return *form;
    }

    template <class Widget> Widget* Find(const char* name) {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QCheckBox* Check(const char* name) { return Find<QCheckBox>(name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
    QAction* Action(const char* name) { return Find<QAction>(name); }
    bool ApplyEnabled() { return Button("BTM_reflect")->isEnabled(); }

    void Click(const char* name) {
        QAbstractButton* button = Find<QAbstractButton>(name);
        ASSERT_TRUE(button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void PickListEntry(int row) {
        auto* list = Find<QListWidget>("LBX_ImageFileList");
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }

    TestFolder folder;
    QString wide;
    QString tall;
    FakeOptionHost host;
    FakeChoosers choosers;
    FakePrompt prompt;
    RecordingHelp help;
    FakeLoginStart loginStart;
    ClockSettings original;
    std::unique_ptr<TOptionForm> form;
};

TEST_F(DisplayDialog, OpensAsASmallToolWindowOnThePictureTab) {
    TOptionForm& dialog = Open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("表示設定"));
    EXPECT_EQ(dialog.size(), QSize(568, 321));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    auto* tabs = Find<QTabWidget>("PG_Second");
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("背景画"));
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_EQ(Find<QLineEdit>("EDT_ImageFile")->text(), wide);
    EXPECT_EQ(Find<QListWidget>("LBX_ImageFileList")->count(), 2);

    Click("BTN_Help");
    EXPECT_EQ(help.topics, std::vector<int>{301});
}

// Many edits on every tab, then each way of cancelling: the window's settings stay as
// they were and nothing is saved.
TEST_F(DisplayDialog, CancellingAfterManyEditsWritesNothingBack) {
    enum class Cancel { Button, EscapeOnDialog, EscapeInList, EscapeInSpinner };
    for (Cancel way :
         {Cancel::Button, Cancel::EscapeOnDialog, Cancel::EscapeInList, Cancel::EscapeInSpinner}) {
        host.calls.clear();
        Open();
        choosers.colours = {0x123456, 0x654321, 0x0000FF};
        choosers.fonts = {CanvasFont{QStringLiteral("IPAPGothic"), 30, 0xFF, FontBold}};
        choosers.files = {folder.FilePath(QStringLiteral("other.jpg"))};
        Click("CBX_SecondHandDisp");
        Click("BTN_LongEdgeColor");
        Click("CBX_StringDisp");
        Click("BTM_StringFont");
        Find<QSpinBox>("UPD_LineWidth")->stepUp();
        Click("RB_TimeFont");
        Click("BTN_DigiDateEdgeColor");
        Find<QComboBox>("CBX_DigiTimeFontDispType")->setCurrentIndex(3);
        Click("ImageFileBrows");
        PickListEntry(1);
        Click("CBX_ImageFile");
        Click("BTN_BackColor");
        Click("RB_MouseHide");
        Click("RB_WinRoundRect");
        Find<QSpinBox>("UPD_RoundSize")->stepUp();
        Click("CBX_DigiAna");
        Click("CBX_StartAtLogin");
        Action("Del_AllImage")->trigger();
        ASSERT_TRUE(ApplyEnabled());

        switch (way) {
        case Cancel::Button:
            Click("BTM_Cansel");
            break;
        case Cancel::EscapeOnDialog:
            QTest::keyClick(form.get(), Qt::Key_Escape);
            break;
        case Cancel::EscapeInList:
            QTest::keyClick(Find<QListWidget>("LBX_ImageFileList"), Qt::Key_Escape);
            break;
        case Cancel::EscapeInSpinner:
            QTest::keyClick(Find<QSpinBox>("UPD_RoundSize"), Qt::Key_Escape);
            break;
        }
        EXPECT_EQ(form->result(), QDialog::Rejected) << int(way);
        EXPECT_FALSE(form->isVisible()) << int(way);
        EXPECT_EQ(DifferingFields(host.settings, original), QStringList()) << int(way);
        EXPECT_TRUE(host.calls.isEmpty()) << host.calls.join(", ").toStdString();
        EXPECT_EQ(loginStart.changes, 0) << int(way);
        form.reset();
    }
}

struct ApplyRuleCase {
    const char* what;
    std::function<void(ClockSettings&)> setup;
    std::function<void(DisplayDialog&)> action;
    bool applyEnabled;
};

void Unchanged(ClockSettings&) {}

std::function<void(DisplayDialog&)> Clicking(const char* name) {
    return [name](DisplayDialog& d) { d.Click(name); };
}

// A chooser that is cancelled.
std::function<void(DisplayDialog&)> Cancelling(const char* name) {
    return [name](DisplayDialog& d) {
        d.choosers.colours.clear();
        d.choosers.fonts.clear();
        d.Click(name);
    };
}

std::function<void(DisplayDialog&)> ChoosingColour(const char* name) {
    return [name](DisplayDialog& d) {
        d.choosers.colours = {0x00ABCDEF};
        d.Click(name);
    };
}

std::function<void(ClockSettings&)> WithBits(std::uint32_t set, std::uint32_t clear = 0) {
    return [set, clear](ClockSettings& s) { s.Attrib = (s.Attrib | set) & ~clear; };
}

const ApplyRuleCase ApplyRuleCases[] = {
    // Analog tab.
    {"analog clock box", Unchanged, Clicking("CBX_AnalogDisp"), true},
    {"second hand box", Unchanged, Clicking("CBX_SecondHandDisp"), true},
    {"marks box", Unchanged, Clicking("CBX_MemoryDisp"), true},
    {"mark design", Unchanged,
     [](DisplayDialog& d) { d.Find<QComboBox>("CMB_MemDesign")->setCurrentIndex(2); }, true},
    {"mark interval", Unchanged,
     [](DisplayDialog& d) { d.Find<QComboBox>("CMB_MemInt")->setCurrentIndex(1); }, true},
    {"numerals box", Unchanged, Clicking("CBX_StringDisp"), true},
    {"numeral font chosen", WithBits(StringDisp),
     [](DisplayDialog& d) {
         d.choosers.fonts = {CanvasFont{QStringLiteral("IPAPGothic"), 12, 0xFF, FontBold}};
         d.Click("BTM_StringFont");
     },
     false},
    {"fit to window box", Unchanged, Clicking("CBX_AnalogFixWin"), true},
    {"centre box", Unchanged, Clicking("CBX_AnalogCenter"), true},
    {"filled hands box", Unchanged, Clicking("CBX_HandFill"), true},
    {"rim width", Unchanged, [](DisplayDialog& d) { d.Find<QSpinBox>("UPD_LineWidth")->stepUp(); },
     true},
    {"long hand colour cancelled", Unchanged, Cancelling("BTN_LongEdgeColor"), false},
    {"long hand colour chosen", Unchanged, ChoosingColour("BTN_LongEdgeColor"), true},
    {"long hand fill cancelled", Unchanged, Cancelling("BTN_LongColor"), false},
    {"short hand colour cancelled", Unchanged, Cancelling("BTN_ShortEdgeColor"), false},
    {"short hand fill chosen", Unchanged, ChoosingColour("BTN_ShortColor"), true},
    {"second hand colour cancelled", Unchanged, Cancelling("BTN_SecondColor"), false},
    {"large mark colour cancelled", Unchanged, Cancelling("BTN_MemBigColor"), false},
    {"small mark colour cancelled", Unchanged, Cancelling("BTN_MemSmallColor"), false},
    {"small mark colour chosen", Unchanged, ChoosingColour("BTN_MemSmallColor"), true},
    // Digital tab.
    {"time box", Unchanged, Clicking("CBX_DigiTimeDisp"), true},
    {"time to font", WithBits(0, TimeFont), Clicking("RB_TimeFont"), true},
    {"time back to segments", WithBits(TimeFont), Clicking("RB_TimeLED"), false},
    {"date back to segments", WithBits(DateFont | DigiDateDisp), Clicking("RB_DateLED"), false},
    {"seconds box", WithBits(0, TimeFont), Clicking("CBX_DigiTimeSecDisp"), true},
    {"year box", WithBits(DigiDateDisp, DateFont), Clicking("CBX_DigiDateScene"), true},
    {"time fill box", WithBits(0, TimeFont), Clicking("CBX_DigiTimeFill"), true},
    {"time edge colour cancelled", WithBits(0, TimeFont), Cancelling("BTN_DigiTimeEdgeColor"),
     true},
    {"date fill colour cancelled", WithBits(DigiDateDisp, DateFont),
     Cancelling("BTN_DigiDateColor"), true},
    {"time width", WithBits(0, TimeFont),
     [](DisplayDialog& d) { d.Find<QSpinBox>("UPD_DigiTimeWidth")->stepUp(); }, true},
    {"time font cancelled", WithBits(TimeFont), Cancelling("BTN_DigiTime"), true},
    {"date font cancelled", WithBits(DateFont | DigiDateDisp), Cancelling("BTN_DigiDate"), true},
    {"date format", WithBits(DateFont | DigiDateDisp),
     [](DisplayDialog& d) { d.Find<QComboBox>("CBX_DigiDateFontDispType")->setCurrentIndex(5); },
     true},
    // Picture tab.
    {"no-picture box", Unchanged, Clicking("CBX_ImageFile"), true},
    {"background colour cancelled", WithBits(NoImage), Cancelling("BTN_BackColor"), true},
    {"another picture picked", Unchanged, [](DisplayDialog& d) { d.PickListEntry(1); }, false},
    {"picture added", Unchanged,
     [](DisplayDialog& d) {
         d.choosers.files = {d.folder.FilePath(QStringLiteral("new.bmp"))};
         d.Click("ImageFileBrows");
     },
     true},
    {"listed picture chosen again", Unchanged,
     [](DisplayDialog& d) {
         d.choosers.files = {d.tall};
         d.Click("ImageFileBrows");
     },
     false},
    {"file chooser cancelled", Unchanged, Clicking("ImageFileBrows"), false},
    {"one of two entries deleted", Unchanged,
     [](DisplayDialog& d) {
         d.PickListEntry(0);
         d.Action("Del_Image")->trigger();
     },
     false},
    {"last entry deleted", [](ClockSettings& s) { s.ImageListCounter = 1; },
     [](DisplayDialog& d) {
         d.PickListEntry(0);
         QTest::keyClick(d.Find<QListWidget>("LBX_ImageFileList"), Qt::Key_Delete);
     },
     true},
    {"all deleted with the box unchecked", Unchanged,
     [](DisplayDialog& d) { d.Action("Del_AllImage")->trigger(); }, true},
    {"all deleted with the box checked", WithBits(NoImage),
     [](DisplayDialog& d) { d.Action("Del_AllImage")->trigger(); }, false},
    // Other tab.
    {"always on top", Unchanged, Clicking("RB_TopMost"), true},
    {"hide under the mouse", Unchanged, Clicking("RB_MouseHide"), true},
    {"back to normal", WithBits(TopMost), Clicking("RB_Normal"), true},
    {"hide time", Unchanged, [](DisplayDialog& d) { d.Find<QSpinBox>("UPD_HideTime")->stepUp(); },
     true},
    {"ellipse", Unchanged, Clicking("RB_WinEllipse"), true},
    {"corner size", [](ClockSettings& s) { s.Form_Window_Type = 2; },
     [](DisplayDialog& d) { d.Find<QSpinBox>("UPD_RoundSize")->stepDown(); }, true},
    {"large icons", Unchanged, Clicking("CBX_LargeIcon"), true},
    {"icon background box", Unchanged, Clicking("CBX_IconBkFill"), true},
    {"icon background colour cancelled", WithBits(IconBkFill), Cancelling("BTN_IconBkColor"),
     false},
    {"icon background colour chosen", WithBits(IconBkFill), ChoosingColour("BTN_IconBkColor"),
     true},
    {"digital in front", Unchanged, Clicking("CBX_DigiAna"), false},
    {"see-through box", Unchanged, Clicking("CBX_AnalogClear"), true},
    {"start at login", Unchanged, Clicking("CBX_StartAtLogin"), true},
};

TEST_F(DisplayDialog, EachChangeMakesApplyAvailableOrNotByItsRule) {
    const ClockSettings start = host.settings;
    for (const ApplyRuleCase& rule : ApplyRuleCases) {
        host.settings = start;
        rule.setup(host.settings);
        Open();
        ASSERT_FALSE(ApplyEnabled()) << rule.what;
        rule.action(*this);
        EXPECT_EQ(ApplyEnabled(), rule.applyEnabled) << rule.what;
        form.reset();
    }
}

// The changes that leave "適用" unavailable are still taken by "設定".
TEST_F(DisplayDialog, OkTakesTheChangesThatLeaveApplyUnavailable) {
    host.settings.Attrib |= TimeFont | StringDisp;
    host.settings.Attrib &= ~std::uint32_t(DigiAna);
    Open();
    choosers.fonts = {
        CanvasFont{QStringLiteral("IPAPGothic"), 26, 0x0000FF, FontBold | FontUnderline}};
    Click("RB_TimeLED");
    Click("CBX_DigiAna");
    Click("BTM_StringFont");
    PickListEntry(1);
    ASSERT_FALSE(ApplyEnabled());

    Click("BTM_okclose");
    EXPECT_EQ(form->result(), QDialog::Accepted);
    const ClockSettings& s = host.settings;
    EXPECT_FALSE(s.Has(TimeFont));
    EXPECT_TRUE(s.Has(DigiAna));
    EXPECT_EQ(s.FontName, QStringLiteral("IPAPGothic"));
    EXPECT_EQ(s.FontSize, 26);
    EXPECT_EQ(s.FontColor, 0x0000FFu);
    EXPECT_EQ(s.FontStyle, FontBold | FontUnderline);
    EXPECT_EQ(s.Image_File, tall);
    // Apply saves once and "設定" once more.
    EXPECT_EQ(host.calls.count(QStringLiteral("SaveSettings")), 2);
}

TEST_F(DisplayDialog, ApplyRunsTheWindowStepsInOrder) {
    struct Case {
        const char* what;
        std::function<void(DisplayDialog&)> edit;
        QStringList expected;
    };
    const Case cases[] = {
        // The shape is cut after the fit, to the window's new size.
        {"new picture, ellipse, always on top",
         [](DisplayDialog& d) {
             d.PickListEntry(1);
             d.Click("RB_WinEllipse");
             d.Click("RB_TopMost");
         },
         {"SaveSettings", "InvalidatePicture", "DrawFaceNow", "FitWindowToPicture",
          "ChooseWindowShape 1", "SetRatio on", "SetDisplayMode 1"}},
        {"same picture, hide under the mouse",
         [](DisplayDialog& d) { d.Click("RB_MouseHide"); },
         {"SaveSettings", "InvalidatePicture", "ChooseWindowShape 0", "SetRatio on",
          "SetDisplayMode 2"}},
        {"new picture in no-picture mode",
         [](DisplayDialog& d) {
             d.PickListEntry(1);
             d.Click("CBX_ImageFile");
         },
         {"SaveSettings", "InvalidatePicture", "ChooseWindowShape 0", "SetRatio off",
          "SetDisplayMode 0"}},
    };
    const ClockSettings start = host.settings;
    for (const Case& c : cases) {
        host.settings = start;
        host.calls.clear();
        Open();
        c.edit(*this);
        Click("BTM_reflect");
        EXPECT_EQ(host.calls, c.expected) << c.what;
        EXPECT_FALSE(ApplyEnabled()) << c.what;
        EXPECT_TRUE(form->isVisible()) << c.what;
        ASSERT_EQ(host.saved.size(), 1u);
        // What was saved is the copy, the list as the list box shows it.
        EXPECT_EQ(host.saved[0].ImageListCounter, 2) << c.what;
        host.saved.clear();
        form.reset();
    }
}

// A new landscape picture of 640 x 480 on a 320 x 200 clock fits the clock to 320 x 240,
// and a later apply of another change keeps the fitted size.
TEST_F(DisplayDialog, ApplyingANewPictureFitsTheClockAndKeepsTheFit) {
    host.pictureSize = QSize(640, 480);
    Open();
    PickListEntry(1);
    Click("BTM_okclose");
    EXPECT_EQ(host.settings.Image_File, tall);
    EXPECT_EQ(QSize(host.settings.Width, host.settings.Height), QSize(320, 240));
    // The second save of "設定" writes the fitted size too.
    ASSERT_EQ(host.saved.size(), 2u);
    EXPECT_EQ(QSize(host.saved[1].Width, host.saved[1].Height), QSize(320, 240));
    form.reset();

    host.settings.Width = 320;
    host.settings.Height = 200;
    Open();
    PickListEntry(0);
    Click("CBX_LargeIcon");
    Click("BTM_reflect");
    EXPECT_EQ(QSize(host.settings.Width, host.settings.Height), QSize(320, 240));
    Click("CBX_HandFill");
    Click("BTM_reflect");
    EXPECT_EQ(QSize(host.settings.Width, host.settings.Height), QSize(320, 240));
    EXPECT_NE(host.settings.Has(HandFill), original.Has(HandFill));
}

TEST_F(DisplayDialog, AnalogClockBoxGovernsTheAnalogControlsAndTheBackgroundColour) {
    host.settings.Attrib |= NoImage | MemoryDisp | StringDisp;
    Open();
    EXPECT_TRUE(Button("BTN_BackColor")->isEnabled());
    Click("CBX_AnalogDisp");
    EXPECT_TRUE(Check("CBX_ImageFile")->isChecked());
    EXPECT_FALSE(Button("BTN_BackColor")->isEnabled());
    EXPECT_FALSE(Check("CBX_AnalogClear")->isEnabled());
    for (const char* name : {"CBX_SecondHandDisp", "CBX_MemoryDisp", "CMB_MemDesign", "CMB_MemInt",
                             "LBL_MemDesign", "BTM_StringFont", "CBX_HandFill", "UPD_LineWidth",
                             "BTN_LongEdgeColor", "BTN_MemSmallColor"}) {
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(Check("CBX_AnalogDisp")->isEnabled());

    Click("CBX_AnalogDisp");
    EXPECT_TRUE(Button("BTN_BackColor")->isEnabled());
    Click("CBX_MemoryDisp");
    EXPECT_FALSE(Find<QWidget>("CMB_MemDesign")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("LBL_MemInt")->isEnabled());
    Click("CBX_StringDisp");
    EXPECT_FALSE(Button("BTM_StringFont")->isEnabled());
    Click("CBX_ImageFile");
    EXPECT_FALSE(Button("BTN_BackColor")->isEnabled());
}

TEST_F(DisplayDialog, DigitalGroupsEnableTheControlsOfTheirStyle) {
    struct Case {
        std::uint32_t attrib;
        bool radios, segmentControls, fontControls;
    };
    const Case cases[] = {
        {0, false, false, false},
        {DigiTimeDisp, true, true, false},
        {DigiTimeDisp | TimeFont, true, false, true},
        {TimeFont, false, false, false},
    };
    for (const Case& c : cases) {
        host.settings.Attrib = (DefaultAttrib & ~std::uint32_t(DigiTimeDisp | TimeFont)) | c.attrib;
        Open();
        for (const char* name : {"RB_TimeLED", "RB_TimeFont"}) {
            EXPECT_EQ(Find<QWidget>(name)->isEnabled(), c.radios) << name << " " << c.attrib;
        }
        for (const char* name : {"CBX_DigiTimeSecDisp", "CBX_DigiTimeFill", "BTN_DigiTimeEdgeColor",
                                 "BTN_DigiTimeColor", "UPD_DigiTimeWidth"}) {
            EXPECT_EQ(Find<QWidget>(name)->isEnabled(), c.segmentControls)
                << name << " " << c.attrib;
        }
        for (const char* name : {"BTN_DigiTime", "CBX_DigiTimeFontDispType"}) {
            EXPECT_EQ(Find<QWidget>(name)->isEnabled(), c.fontControls) << name << " " << c.attrib;
        }
        form.reset();
    }
}

// The two boxes only store their bits; they go with their block being shown.
TEST_F(DisplayDialog, TranslucentBoxesSetAndClearTheirStoredBits) {
    host.settings.Attrib = (DefaultAttrib | DigiTimeDisp | DigiDateDisp | DateTranslucentBox) &
                           ~std::uint32_t(ClockTranslucentBox);
    Open();
    EXPECT_FALSE(Check("CBX_ClockTranslucent")->isChecked());
    EXPECT_TRUE(Check("CBX_DateTranslucent")->isChecked());
    Click("CBX_ClockTranslucent");
    EXPECT_TRUE(ApplyEnabled());
    Click("CBX_DateTranslucent");
    Click("BTM_okclose");
    EXPECT_TRUE(host.settings.Has(ClockTranslucentBox));
    EXPECT_FALSE(host.settings.Has(DateTranslucentBox));

    host.settings.Attrib &= ~std::uint32_t(DigiTimeDisp);
    Open();
    EXPECT_FALSE(Check("CBX_ClockTranslucent")->isEnabled());
    EXPECT_TRUE(Check("CBX_DateTranslucent")->isEnabled());
}

TEST_F(DisplayDialog, OtherTabEnablesCornerSizeAndIconColourByTheirChoice) {
    Open();
    EXPECT_FALSE(Find<QWidget>("UPD_RoundSize")->isEnabled());
    EXPECT_FALSE(Button("BTN_IconBkColor")->isEnabled());
    Click("RB_WinRoundRect");
    EXPECT_TRUE(Find<QWidget>("UPD_RoundSize")->isEnabled());
    Click("RB_WinEllipse");
    EXPECT_FALSE(Find<QWidget>("UPD_RoundSize")->isEnabled());
    Click("CBX_IconBkFill");
    EXPECT_TRUE(Button("BTN_IconBkColor")->isEnabled());
}

TEST_F(DisplayDialog, FillsTheControlsFromTheSettings) {
    host.settings.Attrib = (host.settings.Attrib | MouseHide | TimeFont) & ~std::uint32_t(TopMost);
    host.settings.Form_Window_Type = 1;
    host.settings.WindowHideInterval = 7;
    host.settings.Rect_Raund_Size = 42;
    host.settings.Line_Width = 4;
    host.settings.DigiTimeDispType = 3;
    host.settings.DigiDateDispType = 13;
    Open();
    EXPECT_TRUE(Find<QRadioButton>("RB_MouseHide")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("RB_WinEllipse")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("RB_TimeFont")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("RB_DateLED")->isChecked());
    EXPECT_EQ(Find<QSpinBox>("UPD_HideTime")->value(), 7);
    EXPECT_EQ(Find<QSpinBox>("UPD_RoundSize")->value(), 42);
    EXPECT_EQ(Find<QLineEdit>("EDT_LineWidth")->text(), QStringLiteral("4"));
    EXPECT_TRUE(Find<QLineEdit>("EDT_LineWidth")->isReadOnly());
    EXPECT_EQ(Find<QComboBox>("CBX_DigiTimeFontDispType")->currentText(),
              QStringLiteral("15時45分"));
    EXPECT_EQ(Find<QComboBox>("CBX_DigiDateFontDispType")->currentText(),
              QStringLiteral("24-Aug-01(Fri)"));
    EXPECT_EQ(Check("CBX_SecondHandDisp")->isChecked(), host.settings.Has(SecondHandDisp));
}

// Values the lists do not offer show as the first item; the mark design and interval are
// replaced in the copy, a stored format index is not.
TEST_F(DisplayDialog, ValuesOutsideTheListsShowAsTheFirstItem) {
    struct Case {
        int design, interval, format;
        int shownDesign;
        QString shownInterval;
        int savedDesign, savedInterval;
    };
    const Case cases[] = {
        {4, 3, -1, 0, "1", 0, 1}, {-1, 0, -5, 0, "1", 0, 1}, {3, 15, 2, 3, "15", 3, 15},
        {2, 5, 4, 2, "5", 2, 5},  {99, 16, 0, 0, "1", 0, 1},
    };
    for (const Case& c : cases) {
        host.settings = DefaultFaceSettings();
        host.settings.MemPoint_Design = c.design;
        host.settings.Mem_Interval = c.interval;
        host.settings.DigiTimeDispType = c.format;
        Open();
        EXPECT_EQ(Find<QComboBox>("CMB_MemDesign")->currentIndex(), c.shownDesign) << c.design;
        EXPECT_EQ(Find<QComboBox>("CMB_MemInt")->currentText(), c.shownInterval) << c.interval;
        EXPECT_EQ(Find<QComboBox>("CBX_DigiTimeFontDispType")->currentIndex(),
                  std::max(c.format, 0));
        EXPECT_FALSE(ApplyEnabled());
        Click("BTM_okclose");
        EXPECT_EQ(host.settings.MemPoint_Design, c.savedDesign);
        EXPECT_EQ(host.settings.Mem_Interval, c.savedInterval);
        EXPECT_EQ(host.settings.DigiTimeDispType, c.format);
        form.reset();
    }
}

TEST_F(DisplayDialog, ChoosersStartAtTheCurrentValuesAndReturnAllOfThem) {
    host.settings.Attrib |= TimeFont;
    host.settings.SE_In_Color = 0x00112233;
    host.settings.DigiTimeFontName = QStringLiteral("ＭＳ Ｐゴシック");
    host.settings.DigiTimeFontSize = 18;
    host.settings.DigiTimeFontColor = 0x00445566;
    host.settings.DigiTimeFontStyle = FontItalic | FontStrikeOut;
    Open();
    choosers.colours = {0x00778899};
    Click("BTN_ShortColor");
    ASSERT_EQ(choosers.colourStarts.size(), 1u);
    EXPECT_EQ(choosers.colourStarts[0], 0x00112233u);
    choosers.fonts = {CanvasFont{QStringLiteral("IPAPMincho"), 40, 0x00ABCDEF, FontBold}};
    Click("BTN_DigiTime");
    ASSERT_EQ(choosers.fontStarts.size(), 1u);
    EXPECT_EQ(choosers.fontStarts[0].name, QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(choosers.fontStarts[0].pointSize, 18);
    EXPECT_EQ(choosers.fontStarts[0].colour, 0x00445566u);
    EXPECT_EQ(choosers.fontStarts[0].styleBits, FontItalic | FontStrikeOut);

    // A second opening starts where the first left off.
    Click("BTN_ShortColor");
    EXPECT_EQ(choosers.colourStarts[1], 0x00778899u);
    Click("BTM_okclose");
    EXPECT_EQ(host.settings.SE_In_Color, 0x00778899u);
    EXPECT_EQ(host.settings.DigiTimeFontName, QStringLiteral("IPAPMincho"));
    EXPECT_EQ(host.settings.DigiTimeFontSize, 40);
    EXPECT_EQ(host.settings.DigiTimeFontColor, 0x00ABCDEFu);
    EXPECT_EQ(host.settings.DigiTimeFontStyle, int(FontBold));
}

TEST_F(DisplayDialog, AddingAPictureAppendsItUnlessListed) {
    Open();
    const QString added = folder.FilePath(QStringLiteral("added.jpg"));
    choosers.files = {added, wide};
    Click("ImageFileBrows");
    auto* list = Find<QListWidget>("LBX_ImageFileList");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), added);
    EXPECT_EQ(Find<QLineEdit>("EDT_ImageFile")->text(), added);
    EXPECT_EQ(choosers.fileStarts[0], folder.Path());

    // The listed path changes nothing, not even the current picture.
    Click("ImageFileBrows");
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(Find<QLineEdit>("EDT_ImageFile")->text(), added);
    Click("BTM_okclose");
    EXPECT_EQ(host.settings.Image_File, added);
    EXPECT_EQ(host.settings.ImageListCounter, 3);
    EXPECT_EQ(host.settings.pictureList.paths[2], added);
}

TEST_F(DisplayDialog, AFullListRefusesAnotherPictureWithoutOpeningTheChooser) {
    host.settings.ImageListCounter = PictureList::Capacity;
    for (int i = 0; i < PictureList::Capacity; ++i) {
        host.settings.pictureList.paths[i] = QStringLiteral("p%1.bmp").arg(i);
    }
    Open();
    choosers.files = {wide};
    Click("ImageFileBrows");
    EXPECT_TRUE(choosers.fileStarts.empty());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(prompt.messages[0].text, QStringLiteral("これ以上設定できません（最大50件）"));
    EXPECT_EQ(Find<QListWidget>("LBX_ImageFileList")->count(), 50);
}

TEST_F(DisplayDialog, PickingAMissingFileAsksWhetherToRemoveIt) {
    struct Case {
        UserPrompt::Answer answer;
        int entriesLeft;
    };
    for (const Case& c : {Case{UserPrompt::Answer::Yes, 1}, Case{UserPrompt::Answer::No, 2}}) {
        host.settings.pictureList.paths[1] = folder.FilePath(QStringLiteral("gone.bmp"));
        prompt.questions.clear();
        prompt.answers = {c.answer};
        Open();
        PickListEntry(1);
        ASSERT_EQ(prompt.questions.size(), 1u);
        EXPECT_EQ(prompt.questions[0].caption, QStringLiteral("警告"));
        EXPECT_EQ(prompt.questions[0].text,
                  QStringLiteral("ファイルが見つかりません。リストから削除しますか?"));
        EXPECT_EQ(Find<QListWidget>("LBX_ImageFileList")->count(), c.entriesLeft);
        EXPECT_EQ(Find<QLineEdit>("EDT_ImageFile")->text(), wide);
        form.reset();
    }
}

TEST_F(DisplayDialog, UpAndDownKeysPickTheEntryTheyMoveTo) {
    Open();
    auto* list = Find<QListWidget>("LBX_ImageFileList");
    PickListEntry(0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Find<QLineEdit>("EDT_ImageFile")->text(), tall);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(Find<QLineEdit>("EDT_ImageFile")->text(), wide);
}

TEST_F(DisplayDialog, DeletingKeepsTheCurrentPictureUntilTheListIsEmpty) {
    Open();
    auto* list = Find<QListWidget>("LBX_ImageFileList");
    PickListEntry(0);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), tall);
    EXPECT_EQ(Find<QLineEdit>("EDT_ImageFile")->text(), wide);
    EXPECT_FALSE(Check("CBX_ImageFile")->isChecked());

    list->setCurrentRow(0);
    Action("Del_Image")->trigger();
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(Find<QLineEdit>("EDT_ImageFile")->text().isEmpty());
    EXPECT_TRUE(Check("CBX_ImageFile")->isChecked());
    Click("BTM_okclose");
    EXPECT_EQ(host.settings.ImageListCounter, 0);
    EXPECT_TRUE(host.settings.Has(NoImage));
    EXPECT_EQ(host.settings.Image_File, wide);
}

TEST_F(DisplayDialog, UncheckingNoPictureWithAnEmptyListOpensTheChooser) {
    host.settings.Attrib |= NoImage;
    host.settings.ImageListCounter = 0;
    Open();
    Click("CBX_ImageFile");
    EXPECT_EQ(choosers.fileStarts.size(), 1u);
    EXPECT_TRUE(Check("CBX_ImageFile")->isChecked());
    EXPECT_FALSE(ApplyEnabled());

    choosers.files = {tall};
    Click("CBX_ImageFile");
    EXPECT_FALSE(Check("CBX_ImageFile")->isChecked());
    EXPECT_EQ(Find<QListWidget>("LBX_ImageFileList")->count(), 1);
    EXPECT_TRUE(ApplyEnabled());
    Click("BTM_okclose");
    EXPECT_FALSE(host.settings.Has(NoImage));
    EXPECT_EQ(host.settings.Image_File, tall);
}

// Fields the dialog does not edit reach the window as they were, and the window's run-time
// measures are not overwritten by the preview's drawing.
TEST_F(DisplayDialog, CarriesTheFieldsOfOtherSubsystemsUnchanged) {
    host.settings.MailSound = QStringLiteral("/sounds/mail.wav");
    host.settings.Checkinterval = 17;
    host.settings.AccountListCount = 3;
    host.settings.IconWidth = 77;
    host.settings.Image_File = folder.FilePath(QStringLiteral("missing.jpg"));
    Open();
    Click("CBX_LargeIcon");
    Click("BTM_okclose");
    ClockSettings expected = original;
    expected.Set(LargeIcon, !original.Has(LargeIcon));
    EXPECT_EQ(DifferingFields(host.settings, expected), QStringList());
}

// The login start is shown as the desktop has it, changed only by "適用" and "設定", and never
// stored in the settings.
TEST_F(DisplayDialog, StartAtLoginFollowsTheEntryAndIsWrittenOnApply) {
    loginStart.enabled = true;
    Open();
    EXPECT_TRUE(Check("CBX_StartAtLogin")->isChecked());
    Find<QSpinBox>("UPD_HideTime")->stepUp();
    Click("BTM_reflect");
    EXPECT_EQ(loginStart.changes, 0) << "an apply leaves an unchanged entry alone";

    Click("CBX_StartAtLogin");
    EXPECT_TRUE(loginStart.enabled) << "not before apply";
    Click("BTM_reflect");
    EXPECT_FALSE(loginStart.enabled);
    EXPECT_FALSE(ApplyEnabled());

    Click("CBX_StartAtLogin");
    Click("BTM_okclose");
    EXPECT_TRUE(loginStart.enabled);
    EXPECT_EQ(loginStart.changes, 2);
    ClockSettings expected = original;
    expected.WindowHideInterval = original.WindowHideInterval + 1;
    EXPECT_EQ(DifferingFields(host.settings, expected), QStringList());
}

TEST_F(DisplayDialog, AnEntryThatCannotBeWrittenIsReportedAndTheBoxShowsTheTruth) {
    loginStart.refuses = true;
    Open();
    Click("CBX_StartAtLogin");
    Click("BTM_reflect");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, QStringLiteral("警告"));
    EXPECT_TRUE(prompt.messages[0].text.contains(loginStart.Location()));
    EXPECT_FALSE(Check("CBX_StartAtLogin")->isChecked());
    EXPECT_FALSE(ApplyEnabled()) << "putting the box back is no change of the user's";
}

} // namespace
