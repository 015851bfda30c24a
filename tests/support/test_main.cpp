// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A clock window that ends the program calls QCoreApplication::exit. With no application
// loop running, Qt keeps that request, and from then on every local event loop (a modal
// window, a network wait) returns at once. Only entering the application's loop clears it,
// so after each test that left one, the loop is entered and left again.
class QuitRequestReset : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        if (QuitRequested()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            QCoreApplication::exec();
        }
    }

    static bool QuitRequested() {
        QEventLoop probe;
        QTimer::singleShot(0, &probe, [&probe] { probe.exit(0); });
        return probe.exec() != 0;
    }
};

} // namespace

// Every test program gets a full QApplication on the off-screen platform, so logic tests,
// widget tests and network tests with nested event loops share one entry point.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new QuitRequestReset);
    return RUN_ALL_TESTS();
}
