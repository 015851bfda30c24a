// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

// A private folder for one test, removed when the test ends.
class TestFolder {
public:
    TestFolder();
    QString Path() const { return folder_.path(); }
    QString FilePath(const QString& name) const { return folder_.filePath(name); }
    // Writes bytes to a file in the folder and returns its full path.
    QString Write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir folder_;
};

// The repository's root, for reading fixtures under tests/fixtures.
QString SourceDir();
