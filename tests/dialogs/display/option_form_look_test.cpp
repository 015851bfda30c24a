// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_form.h"
#include "display_fakes.h"
#include "face_defaults.h"
#include "fake_login_start.h"
#include "fake_prompt.h"
#include "platform/font_substitution.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

void KeepForLooking(const QPixmap& picture, const QString& name) {
    const QString lookFolder = qEnvironmentVariable("ZORBEL_LOOK_DIR");
    if (!lookFolder.isEmpty()) {
        QDir().mkpath(lookFolder);
        picture.save(QDir(lookFolder).filePath(name));
    }
}

// The width a control needs to show its whole caption or its longest item.
int NeededWidth(QWidget* widget) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        // A push button's size hint has a minimum width of its own; the caption is what counts.
        return button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))) + 8;
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->fontMetrics().horizontalAdvance(group->title()) + 16;
    }
    return widget->sizeHint().width();
}

bool ShowsCaption(QWidget* widget) {
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget) ||
           qobject_cast<QComboBox*>(widget) || qobject_cast<QGroupBox*>(widget);
}

// Every caption fits its control, every control lies inside its parent, and no two
// siblings overlap.
void ExpectTidy(QWidget* parent) {
    const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::vector<QWidget*> shown;
    for (QWidget* child : children) {
        if (!child->isWindow() && !child->isHidden()) {
            shown.push_back(child);
        }
    }
    const bool qtLaysOut = parent->inherits("QAbstractScrollArea") ||
                           parent->inherits("QAbstractSpinBox") || parent->inherits("QComboBox") ||
                           parent->inherits("QTabWidget") || parent->inherits("QStackedWidget");
    for (size_t i = 0; i < shown.size(); ++i) {
        QWidget* child = shown[i];
        const std::string name =
            child->objectName().toStdString() + " in " + parent->objectName().toStdString();
        if (!qtLaysOut) {
            EXPECT_TRUE(parent->rect().contains(child->geometry()))
                << name << " at " << child->geometry().x() << "," << child->geometry().y() << " "
                << child->width() << "x" << child->height() << " outside " << parent->width() << "x"
                << parent->height();
            for (size_t j = i + 1; j < shown.size(); ++j) {
                EXPECT_FALSE(child->geometry().intersects(shown[j]->geometry()))
                    << name << " / " << shown[j]->objectName().toStdString();
            }
        }
        if (ShowsCaption(child) && !parent->inherits("QAbstractSpinBox")) {
            EXPECT_LE(NeededWidth(child), child->width()) << name << " is cut";
            EXPECT_LE(child->sizeHint().height(), child->height() + 2) << name << " is cut";
        }
        ExpectTidy(child);
    }
}

TEST(DisplayLook, EveryTabShowsItsCaptionsWhole) {
    InstallFontSubstitutions();
    FakeOptionHost host;
    host.settings = DefaultFaceSettings();
    host.settings.Attrib |= NoImage;
    FakeChoosers choosers;
    FakePrompt prompt;
    RecordingHelp help;
    FakeLoginStart loginStart;
    TOptionForm form(host, choosers, prompt, help, loginStart);
    form.show();
    auto* tabs = form.findChild<QTabWidget*>(QStringLiteral("PG_Second"));
    ASSERT_NE(tabs, nullptr);
    const char* const files[] = {"display_analog.png", "display_digital.png", "display_picture.png",
                                 "display_other.png"};
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        const QPixmap picture = form.grab();
        EXPECT_EQ(picture.size(), QSize(568, 321));
        ExpectTidy(&form);
        KeepForLooking(picture, QString::fromLatin1(files[tab]));
    }
    // The tab bar shows all four tabs without scrolling.
    const QRect lastTab = tabs->tabBar()->tabRect(tabs->count() - 1);
    EXPECT_LE(lastTab.right(), tabs->width());
}

} // namespace
