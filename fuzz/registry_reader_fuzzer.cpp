// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file parser: any bytes either parse or are refused, a parsed tree survives
// being written and read again with every value intact, and the settings store can load
// the records from it.
#include "fake_prompt.h"
#include "fuzz_application.h"
#include "platform/registry_export_reader.h"
#include "platform/registry_export_writer.h"
#include "platform/registry_file.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

void Fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(detail));
    std::abort();
}

// The file is written as UTF-8, where an unpaired surrogate of a UTF-16 file can only
// become U+FFFD; every other text must come back exactly.
QString AsWritten(const QString& text) {
    // Kept as it stands, a leading U+FEFF is text here, not a byte-order mark.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(text.toUtf8());
}

void ExpectSameValues(const RegistryTree& before, const RegistryTree& after) {
    for (const RegistryTree::Key& key : before.Keys()) {
        const RegistryTree::Key* again = after.Find(AsWritten(key.path));
        if (again == nullptr) {
            Fail("key lost on the round trip", key.path);
        }
        for (const RegistryTree::Value& value : key.values) {
            const RegistryTree::Value* copy =
                RegistryTree::FindValue(*again, AsWritten(value.name));
            if (copy == nullptr) {
                Fail("value lost on the round trip", key.path + "\\" + value.name);
            }
            if (copy->kind != value.kind || copy->integer != value.integer ||
                copy->text != AsWritten(value.text)) {
                Fail("value changed on the round trip", key.path + "\\" + value.name);
            }
        }
    }
}

QString ScratchFile() {
    static const QString path =
        QDir::tempPath() + QStringLiteral("/zorbel-fuzz-%1.reg").arg(getpid());
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApplication::Ensure();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RegistryExportReader::Result first = RegistryExportReader::Read(bytes);
    if (first.outcome != RegistryExportReader::Outcome::Parsed) {
        return 0;
    }
    const QByteArray written = RegistryExportWriter::Write(first.tree);
    const RegistryExportReader::Result second = RegistryExportReader::Read(written);
    if (second.outcome != RegistryExportReader::Outcome::Parsed) {
        Fail("own output refused", QString::fromUtf8(written.left(200)));
    }
    ExpectSameValues(first.tree, second.tree);

    QFile file(ScratchFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return 0;
    }
    file.write(written);
    file.close();
    SettingsRecords records;
    RegistryFile registry(ScratchFile());
    FakePrompt prompt;
    SettingsStore(records, registry, prompt, {QSize(640, 480), QDir::tempPath()}).LoadSettings();
    return 0;
}
