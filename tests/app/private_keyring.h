// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "private_bus.h"
#include "temp_dir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <optional>

// A GNOME Keyring of the test's own on a private session bus, with its files in a temporary
// home, so that no test reaches the user's keyring or session bus. The bus starts nothing by
// itself: before StartKeyring it is a bus without a keyring, and an unlock prompt fails at
// once, as one the user refused does.
class PrivateKeyring {
public:
    PrivateKeyring();
    ~PrivateKeyring();
    PrivateKeyring(const PrivateKeyring&) = delete;
    PrivateKeyring& operator=(const PrivateKeyring&) = delete;

    // The programs it needs that are not installed; empty when all are.
    static QString Missing();

    // Each returns why it failed, or empty.
    QString StartBus();
    QString StartKeyring();
    QString Lock();

    // `base` with the bus, the home and the runtime folder of this keyring.
    QProcessEnvironment Environment(QProcessEnvironment base) const;
    // The password the program keeps under this entry name, as secret-tool finds it.
    std::optional<QString> Lookup(const QString& entry) const;

private:
    // Runs a tool against this keyring; its standard output, or nothing when it failed.
    std::optional<QString> Run(const QString& program, const QStringList& arguments) const;

    TestFolder home_;
    PrivateBus bus_;
    QProcess daemon_;
};
