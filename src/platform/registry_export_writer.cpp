// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/registry_export_writer.h"

#include <QStringEncoder>
#include <algorithm>

namespace {

// The width regedit keeps hex data lines under.
constexpr qsizetype HexLineWidth = 78;

QString Quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

bool NeedsHexForm(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

QString HexText(const QString& prefix, const QString& text) {
    QByteArray bytes = QStringEncoder(QStringConverter::Utf16LE)(text);
    bytes.append('\0').append('\0'); // REG_SZ data ends with its terminator
    QString entry;
    QString line = prefix + QLatin1String("hex(1):");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        QString token = QStringLiteral("%1").arg(uchar(bytes.at(i)), 2, 16, QLatin1Char('0'));
        if (i + 1 < bytes.size()) {
            token += QLatin1Char(',');
        }
        if (line.size() + token.size() + 1 > HexLineWidth && !line.endsWith(QLatin1Char(':'))) {
            entry += line + QLatin1String("\\\n");
            line = QStringLiteral("  ");
        }
        line += token;
    }
    return entry + line;
}

} // namespace

QString RegistryExportWriter::ValueEntry(const RegistryTree::Value& value) {
    if (!value.verbatim.isEmpty()) {
        return value.verbatim;
    }
    const QString prefix =
        (value.name.isEmpty() ? QStringLiteral("@") : Quoted(value.name)) + QLatin1Char('=');
    switch (value.kind) {
    case RegistryTree::DataKind::Integer:
        return prefix + QStringLiteral("dword:%1")
                            .arg(std::uint32_t(value.integer), 8, 16, QLatin1Char('0'));
    case RegistryTree::DataKind::Text:
        return NeedsHexForm(value.text) ? HexText(prefix, value.text) : prefix + Quoted(value.text);
    case RegistryTree::DataKind::Other:
        break;
    }
    // An opaque value without its original text has nothing to write; it cannot be made by
    // the program, so this only guards against a broken tree.
    return QString();
}

QByteArray RegistryExportWriter::Write(const RegistryTree& tree) {
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\n\n");
    for (const RegistryTree::Key* key : tree.SortedKeys()) {
        text += QLatin1Char('[') + key->path + QLatin1String("]\n");
        for (const RegistryTree::Value& value : key->values) {
            const QString entry = ValueEntry(value);
            if (!entry.isEmpty()) {
                text += entry + QLatin1Char('\n');
            }
        }
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}
