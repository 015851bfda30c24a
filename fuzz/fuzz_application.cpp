// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz_application.h"

#include <QGuiApplication>

void FuzzApplication::Ensure() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps pointers to argc and argv for the whole life of the application.
    static int argc = 1;
    static char name[] = "zorbel-fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the sanitizers' exit checks run after static destructors, and Qt's
    // objects must not go away under them.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}
