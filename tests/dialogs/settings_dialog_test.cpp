// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/settings_dialog.h"
#include "fake_prompt.h"
#include "service_fakes.h"

#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The least a settings dialog is: its two standard buttons and an edit flag.
class EditingDialog : public SettingsDialog {
public:
    EditingDialog(UserPrompt& prompt, HelpViewer& help)
        : SettingsDialog(prompt, help, 777, Border::CloseBox, nullptr),
          cancel(new QPushButton(this)), helpButton(new QPushButton(this)) {
        AttachStandardButtons(cancel, helpButton);
    }

    bool changed = false;
    QPushButton* cancel;
    QPushButton* helpButton;

protected:
    bool HasUnsavedChanges() const override { return changed; }
};

struct SettingsDialogTest : ::testing::Test {
    FakePrompt prompt;
    RecordingHelp help;
    EditingDialog dialog{prompt, help};

    SettingsDialogTest() { dialog.show(); }
};

TEST_F(SettingsDialogTest, EscAndCancelAskOnlyWhenEditsWouldBeLost) {
    const auto escape = [this] { QTest::keyClick(&dialog, Qt::Key_Escape); };
    const auto cancel = [this] { dialog.cancel->click(); };
    for (const auto& leave : {std::function<void()>(escape), std::function<void()>(cancel)}) {
        prompt.questions.clear();
        dialog.changed = true;
        dialog.show();
        prompt.answers = {UserPrompt::Answer::No};
        leave();
        ASSERT_EQ(prompt.questions.size(), 1u);
        EXPECT_EQ(prompt.questions[0].caption, QStringLiteral("警告"));
        EXPECT_EQ(prompt.questions[0].text,
                  QStringLiteral("変更内容が破棄されますがよろしいですか?"));
        EXPECT_TRUE(dialog.isVisible()) << "No keeps the dialog and its edits";
        prompt.answers = {UserPrompt::Answer::Yes};
        leave();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);

        dialog.changed = false;
        dialog.show();
        leave();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(prompt.questions.size(), 2u) << "nothing to lose, nothing to ask";
    }
}

TEST_F(SettingsDialogTest, CloseBoxClosesWithoutAsking) {
    dialog.changed = true;
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(SettingsDialogTest, HelpOpensTheDialogsTopic) {
    dialog.helpButton->click();
    EXPECT_EQ(help.topics, std::vector<int>{777});
}

} // namespace
