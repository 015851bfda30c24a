// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/registry_export_reader.h"

#include <QStringDecoder>
#include <optional>

namespace {

constexpr QLatin1StringView Version5Header("Windows Registry Editor Version 5.00");
constexpr QLatin1StringView Version4Header("REGEDIT4");

std::optional<QString> DecodeWith(QStringDecoder decoder, QByteArrayView bytes) {
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

std::optional<QString> DecodeFile(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE")) {
        return DecodeWith(QStringDecoder(QStringConverter::Utf16LE),
                          QByteArrayView(bytes).sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        return DecodeWith(QStringDecoder(QStringConverter::Utf16BE),
                          QByteArrayView(bytes).sliced(2));
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return DecodeWith(QStringDecoder(QStringConverter::Utf8), QByteArrayView(bytes).sliced(3));
    }
    if (std::optional<QString> text = DecodeWith(QStringDecoder(QStringConverter::Utf8), bytes)) {
        return text;
    }
    // An export of the Windows version written in its ANSI code page.
    if (std::optional<QString> text = DecodeWith(QStringDecoder("windows-31j"), bytes)) {
        return text;
    }
    return DecodeWith(QStringDecoder("Shift_JIS"), bytes);
}

// Reads a quoted text starting at text[position] == '"'. Only \\ and \" are escapes in an
// export; any other backslash stands for itself. Returns the index after the closing quote.
std::optional<qsizetype> ReadQuoted(const QString& text, qsizetype position, QString& out) {
    out.clear();
    for (qsizetype i = position + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            return i + 1;
        }
        if (c == QLatin1Char('\\') && i + 1 < text.size() &&
            (text.at(i + 1) == QLatin1Char('\\') || text.at(i + 1) == QLatin1Char('"'))) {
            ++i;
            out.append(text.at(i));
            continue;
        }
        out.append(c);
    }
    return std::nullopt;
}

std::optional<QByteArray> ReadHexBytes(const QString& list) {
    QByteArray bytes;
    const QString trimmed = list.trimmed();
    if (trimmed.isEmpty()) {
        return bytes;
    }
    for (const QString& part : trimmed.split(QLatin1Char(','))) {
        bool ok = false;
        const QString digits = part.trimmed();
        const uint byte = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 2 || byte > 0xFF) {
            return std::nullopt;
        }
        bytes.append(char(byte));
    }
    return bytes;
}

// Reads "hex:...", "hex(N):..." data. Texts (type 1) and dwords (type 4) become values the
// program can read; everything else stays an opaque value.
bool FillHexValue(const QString& data, RegistryTree::Value& value) {
    const qsizetype colon = data.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        return false;
    }
    const QString kindText = data.left(colon).trimmed().toLower();
    int type = 3; // hex: is binary data
    if (kindText != QLatin1String("hex")) {
        if (!kindText.startsWith(QLatin1String("hex(")) || !kindText.endsWith(QLatin1Char(')'))) {
            return false;
        }
        bool ok = false;
        type = kindText.mid(4, kindText.size() - 5).toInt(&ok, 16);
        if (!ok) {
            return false;
        }
    }
    const std::optional<QByteArray> bytes = ReadHexBytes(data.mid(colon + 1));
    if (!bytes) {
        return false;
    }
    value.kind = RegistryTree::DataKind::Other;
    if (type == 1 && bytes->size() % 2 == 0) {
        QString text = QStringDecoder(QStringConverter::Utf16LE)(*bytes);
        while (text.endsWith(QChar(0))) {
            text.chop(1);
        }
        value.kind = RegistryTree::DataKind::Text;
        value.text = text;
    } else if (type == 4 && bytes->size() == 4) {
        const auto* raw = reinterpret_cast<const unsigned char*>(bytes->constData());
        value.kind = RegistryTree::DataKind::Integer;
        value.integer = std::int32_t(std::uint32_t(raw[0]) | (std::uint32_t(raw[1]) << 8) |
                                     (std::uint32_t(raw[2]) << 16) | (std::uint32_t(raw[3]) << 24));
    }
    return true;
}

} // namespace

RegistryExportReader::Result RegistryExportReader::Read(const QByteArray& bytes) {
    const std::optional<QString> text = DecodeFile(bytes);
    if (!text) {
        Result unreadable;
        unreadable.outcome = Outcome::Unreadable;
        unreadable.notes.push_back({0, QStringLiteral("the file is not in a known text encoding")});
        return unreadable;
    }
    QStringList lines = text->split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    RegistryExportReader reader(std::move(lines));
    reader.Parse();
    return std::move(reader.result_);
}

RegistryExportReader::RegistryExportReader(QStringList lines) : lines_(std::move(lines)) {}

void RegistryExportReader::AddNote(const QString& text) {
    result_.notes.push_back({int(index_ + 1), text});
}

void RegistryExportReader::Parse() {
    while (index_ < lines_.size() && lines_[index_].trimmed().isEmpty()) {
        ++index_;
    }
    const QString header = index_ < lines_.size() ? lines_[index_].trimmed() : QString();
    if (header.compare(Version5Header, Qt::CaseInsensitive) != 0 &&
        header.compare(Version4Header, Qt::CaseInsensitive) != 0) {
        result_.outcome = Outcome::Unreadable;
        AddNote(QStringLiteral("the file does not start with a registry export header"));
        return;
    }
    bool skippedAny = false;
    for (++index_; index_ < lines_.size(); ++index_) {
        const QString line = lines_[index_];
        const QString trimmed = line.trimmed();
        const std::size_t notesBefore = result_.notes.size();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) {
            continue;
        }
        if (trimmed.startsWith(QLatin1Char('['))) {
            ParseKeyHeader(trimmed);
        } else if (trimmed.startsWith(QLatin1Char('"')) || trimmed.startsWith(QLatin1Char('@'))) {
            ParseValueLine(line);
        } else {
            AddNote(QStringLiteral("skipped a line that is neither a key nor a value"));
        }
        skippedAny = skippedAny || result_.notes.size() != notesBefore;
    }
    // A header followed only by lines that make no sense is not a settings file.
    if (skippedAny && result_.tree.Keys().empty()) {
        result_.outcome = Outcome::Unreadable;
    }
}

void RegistryExportReader::ParseKeyHeader(const QString& line) {
    QString path = line.mid(1);
    if (path.endsWith(QLatin1Char(']'))) {
        path.chop(1);
    } else if (const qsizetype close = path.lastIndexOf(QLatin1Char(']')); close >= 0) {
        AddNote(QStringLiteral("ignored text after the key's closing bracket"));
        path.truncate(close);
    } else {
        AddNote(QStringLiteral("key without its closing bracket, read as if it had one"));
    }
    if (path.startsWith(QLatin1Char('-'))) {
        // "[-KEY]" in an export removes the key, as on import.
        result_.tree.Remove(path.mid(1));
        currentKey_.clear();
        return;
    }
    currentKey_ = RegistryTree::CleanPath(path);
    // Written back, a path that starts with "-" would read as a deletion.
    if (currentKey_.isEmpty() || currentKey_.startsWith(QLatin1Char('-'))) {
        AddNote(QStringLiteral("skipped a key without a usable name"));
        currentKey_.clear();
        return;
    }
    result_.tree.Create(currentKey_);
}

QString RegistryExportReader::CollectContinuation(QString data, QString& verbatim) {
    while (data.trimmed().endsWith(QLatin1Char('\\')) && index_ + 1 < lines_.size()) {
        data = data.trimmed();
        data.chop(1);
        ++index_;
        verbatim += QLatin1Char('\n') + lines_[index_];
        data += lines_[index_].trimmed();
    }
    return data;
}

void RegistryExportReader::ParseValueLine(const QString& line) {
    const QString trimmed = line.trimmed();
    RegistryTree::Value value;
    value.verbatim = line;
    qsizetype position = 1;
    if (trimmed.startsWith(QLatin1Char('"'))) {
        const std::optional<qsizetype> end = ReadQuoted(trimmed, 0, value.name);
        if (!end) {
            AddNote(QStringLiteral("skipped a value whose name has no closing quote"));
            return;
        }
        position = *end;
    }
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='), position);
    if (equals < 0 || !trimmed.mid(position, equals - position).trimmed().isEmpty()) {
        AddNote(QStringLiteral("skipped a value without '='"));
        return;
    }
    QString data = trimmed.mid(equals + 1).trimmed();
    if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
        data = CollectContinuation(data, value.verbatim);
    }
    if (currentKey_.isEmpty()) {
        AddNote(QStringLiteral("skipped a value that belongs to no key"));
        return;
    }
    RegistryTree::Key& key = result_.tree.Create(currentKey_);
    if (data == QLatin1String("-")) {
        RegistryTree::RemoveValue(key, value.name);
        return;
    }
    if (data.startsWith(QLatin1Char('"'))) {
        const std::optional<qsizetype> end = ReadQuoted(data, 0, value.text);
        if (!end || *end != data.size()) {
            AddNote(QStringLiteral("skipped a text value without its closing quote"));
            return;
        }
        value.kind = RegistryTree::DataKind::Text;
    } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QString digits = data.mid(6).trimmed();
        bool ok = false;
        const qulonglong number = digits.toULongLong(&ok, 16);
        if (!ok || digits.size() > 16 || digits.startsWith(QLatin1Char('+')) ||
            digits.startsWith(QLatin1Char('-'))) {
            AddNote(QStringLiteral("skipped a dword that is not a hexadecimal number"));
            return;
        }
        if (number > 0xFFFFFFFFull) {
            AddNote(QStringLiteral("skipped a dword that does not fit in 32 bits"));
            return;
        }
        value.kind = RegistryTree::DataKind::Integer;
        value.integer = std::int32_t(std::uint32_t(number));
    } else if (!FillHexValue(data, value)) {
        AddNote(QStringLiteral("skipped a value whose data cannot be read"));
        return;
    }
    if (RegistryTree::FindValue(key, value.name) != nullptr) {
        AddNote(QStringLiteral("value \"%1\" occurs twice; the later one is kept").arg(value.name));
    }
    RegistryTree::SetValue(key, std::move(value));
}
