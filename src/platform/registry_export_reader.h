// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/registry_tree.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Reads a registry export file ("Windows Registry Editor Version 5.00" or "REGEDIT4") into
// a RegistryTree. UTF-8, UTF-16 with a byte-order mark and, failing both, the Windows
// Japanese code page are accepted.
//
// Faults that leave the rest of the file usable are reported as notes and the faulty line
// is skipped: a line that is neither a key nor a value, a value before the first key, a
// value whose data cannot be read (an unterminated text, a dword that is not a number or
// does not fit 32 bits). A key header without its closing bracket is taken as if it had
// one. When a value name occurs twice in one key the later entry wins. Comments (";")
// are dropped. Values of kinds the program does not use (hex:, hex(2): ...) are kept
// verbatim, continuation lines included.
class RegistryExportReader {
public:
    struct Note {
        int line = 0; // 1-based line number in the file
        QString text;
    };

    enum class Outcome {
        Parsed,
        Unreadable, // not a registry export at all: nothing in it can be trusted
    };

    struct Result {
        Outcome outcome = Outcome::Parsed;
        RegistryTree tree;
        std::vector<Note> notes;
    };

    static Result Read(const QByteArray& bytes);

private:
    explicit RegistryExportReader(QStringList lines);

    void Parse();
    void ParseKeyHeader(const QString& line);
    void ParseValueLine(const QString& line);
    // The data of a hex entry may go on over lines that end in a backslash.
    QString CollectContinuation(QString data, QString& verbatim);
    void AddNote(const QString& text);

    QStringList lines_;
    qsizetype index_ = 0;
    QString currentKey_; // empty while no key section is open
    Result result_;
};
