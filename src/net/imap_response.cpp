// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_response.h"

#include <algorithm>
#include <limits>

namespace {

// Lists nested deeper than any server sends end the parse instead of the stack.
constexpr int MaxListDepth = 64;

bool IsControl(char byte) {
    return static_cast<unsigned char>(byte) < 0x20 || byte == 0x7F;
}

// A literal's announcement ends the line: "{12}" or, in binary form, "~{12}". A size beyond
// 32 bits is announced all the same, as one no reader can take.
std::optional<qsizetype> AnnouncedLiteral(QByteArrayView line) {
    const qsizetype open = line.lastIndexOf('{');
    if (!line.endsWith('}') || open < 0) {
        return std::nullopt;
    }
    const QByteArrayView digits = line.sliced(open + 1, line.size() - open - 2);
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const std::optional<quint32> size = ImapNumber(digits);
    return size ? qsizetype(*size) : std::numeric_limits<qsizetype>::max();
}

// Reads the parts of one response's bytes, left to right.
class Cursor {
public:
    explicit Cursor(QByteArrayView bytes) : bytes_(bytes) {}

    bool AtEnd() const { return position_ >= bytes_.size(); }
    char Peek(qsizetype ahead = 0) const {
        return position_ + ahead < bytes_.size() ? bytes_[position_ + ahead] : '\0';
    }
    void Skip(qsizetype count = 1) { position_ = std::min(position_ + count, bytes_.size()); }
    QByteArrayView Rest() const { return bytes_.sliced(position_); }

    // Bytes up to the next space or the end.
    QByteArrayView Word() {
        const qsizetype start = position_;
        while (!AtEnd() && Peek() != ' ') {
            ++position_;
        }
        return bytes_.sliced(start, position_ - start);
    }

    bool Values(std::vector<ImapValue>& values, int depth, QString& error) {
        const bool inList = depth > 0;
        for (;;) {
            while (Peek() == ' ' && !AtEnd()) {
                Skip();
            }
            if (AtEnd()) {
                if (inList) {
                    error = QStringLiteral("a list is not closed");
                    return false;
                }
                return true;
            }
            const char next = Peek();
            if (next == ')') {
                if (!inList) {
                    error = QStringLiteral("a list is closed that was not opened");
                    return false;
                }
                Skip();
                return true;
            }
            ImapValue value;
            if (next == '(') {
                if (depth >= MaxListDepth) {
                    error = QStringLiteral("lists nested too deep");
                    return false;
                }
                Skip();
                value.kind = ImapValue::Kind::List;
                if (!Values(value.items, depth + 1, error)) {
                    return false;
                }
            } else if (next == '"') {
                if (!Quoted(value, error)) {
                    return false;
                }
            } else if (next == '{' || (next == '~' && Peek(1) == '{')) {
                if (!Literal(value, error)) {
                    return false;
                }
            } else if (!Atom(value, error)) {
                return false;
            }
            values.push_back(std::move(value));
        }
    }

private:
    bool Quoted(ImapValue& value, QString& error) {
        value.kind = ImapValue::Kind::String;
        Skip(); // the opening quote
        for (;;) {
            if (AtEnd()) {
                error = QStringLiteral("a quoted string is not closed");
                return false;
            }
            char byte = Peek();
            Skip();
            if (byte == '"') {
                return true;
            }
            if (byte == '\\') {
                byte = Peek();
                if (AtEnd() || (byte != '\\' && byte != '"')) {
                    error = QStringLiteral("a quoted string escapes what needs no escape");
                    return false;
                }
                Skip();
            } else if (byte == '\r' || byte == '\n' || byte == '\0') {
                error = QStringLiteral("a quoted string holds a line end or NUL");
                return false;
            }
            value.text += byte;
        }
    }

    bool Literal(ImapValue& value, QString& error) {
        value.kind = ImapValue::Kind::String;
        if (Peek() == '~') {
            Skip();
        }
        const qsizetype close = bytes_.indexOf('}', position_);
        const std::optional<quint32> size =
            close < 0 ? std::nullopt
                      : ImapNumber(bytes_.sliced(position_ + 1, close - position_ - 1));
        if (!size) {
            error = QStringLiteral("a literal's size is no number");
            return false;
        }
        position_ = close + 1;
        if (Peek() == '\r') {
            Skip();
        }
        if (Peek() != '\n' || AtEnd()) {
            error = QStringLiteral("a literal's size is not followed by a line end");
            return false;
        }
        Skip();
        if (qsizetype(*size) > bytes_.size() - position_) {
            error = QStringLiteral("a literal is shorter than announced");
            return false;
        }
        value.text = bytes_.sliced(position_, qsizetype(*size)).toByteArray();
        Skip(qsizetype(*size));
        return true;
    }

    // Atoms take section brackets whole, spaces and all: BODY[HEADER.FIELDS (DATE)].
    bool Atom(ImapValue& value, QString& error) {
        const qsizetype start = position_;
        int brackets = 0;
        while (!AtEnd()) {
            const char byte = Peek();
            if (IsControl(byte)) {
                error = QStringLiteral("an atom holds a control character");
                return false;
            }
            if (brackets == 0 && (byte == ' ' || byte == '(' || byte == ')' || byte == '"')) {
                break;
            }
            if (byte == '[') {
                ++brackets;
            } else if (byte == ']' && brackets > 0) {
                --brackets;
            }
            Skip();
        }
        if (brackets > 0) {
            error = QStringLiteral("a section bracket is not closed");
            return false;
        }
        value.text = bytes_.sliced(start, position_ - start).toByteArray();
        value.kind = value.IsAtom("NIL") ? ImapValue::Kind::Nil : ImapValue::Kind::Atom;
        if (value.kind == ImapValue::Kind::Nil) {
            value.text.clear();
        }
        return true;
    }

    QByteArrayView bytes_;
    qsizetype position_ = 0;
};

std::optional<ImapStatus> StatusNamed(QByteArrayView word) {
    const QByteArray name = word.toByteArray().toUpper();
    if (name == "OK") {
        return ImapStatus::Ok;
    }
    if (name == "NO") {
        return ImapStatus::No;
    }
    if (name == "BAD") {
        return ImapStatus::Bad;
    }
    if (name == "PREAUTH") {
        return ImapStatus::Preauth;
    }
    if (name == "BYE") {
        return ImapStatus::Bye;
    }
    return std::nullopt;
}

// The code at the start of a status response's text ends at the first closing bracket
// that is not inside a quoted string.
qsizetype CodeEnd(QByteArrayView text) {
    bool quoted = false;
    for (qsizetype index = 1; index < text.size(); ++index) {
        const char byte = text[index];
        if (quoted && byte == '\\') {
            ++index;
        } else if (byte == '"') {
            quoted = !quoted;
        } else if (byte == ']' && !quoted) {
            return index;
        }
    }
    return -1;
}

// What follows the condition of a status response: an optional code, then text.
bool StatusRest(Cursor& cursor, ImapResponse& response, QString& error) {
    if (cursor.AtEnd()) {
        return true;
    }
    if (cursor.Peek() != ' ') {
        error = QStringLiteral("the condition runs into its text");
        return false;
    }
    cursor.Skip();
    QByteArrayView text = cursor.Rest();
    if (text.startsWith('[')) {
        const qsizetype end = CodeEnd(text);
        if (end < 0) {
            error = QStringLiteral("a response code is not closed");
            return false;
        }
        const QByteArrayView code = text.sliced(1, end - 1);
        const qsizetype space = code.indexOf(' ');
        response.code = (space < 0 ? code : code.first(space)).toByteArray().toUpper();
        if (space >= 0) {
            response.codeArguments = code.sliced(space + 1).toByteArray();
        }
        text = text.sliced(end + 1);
        if (text.startsWith(' ')) {
            text = text.sliced(1);
        }
    }
    response.text = QString::fromUtf8(text);
    return true;
}

bool ValidTag(QByteArrayView tag) {
    if (tag.isEmpty() || tag == "*" || tag.startsWith('+')) {
        return false;
    }
    return std::none_of(tag.begin(), tag.end(), [](char byte) {
        return IsControl(byte) || QByteArrayView("(){%*\"\\").contains(byte);
    });
}

} // namespace

bool ImapValue::IsAtom(QByteArrayView name) const {
    return kind == Kind::Atom && text.compare(name, Qt::CaseInsensitive) == 0;
}

std::optional<quint32> ImapValue::Number() const {
    return kind == Kind::Atom ? ImapNumber(text) : std::nullopt;
}

std::optional<quint32> ImapNumber(QByteArrayView text) {
    if (text.isEmpty() || text.size() > 10) {
        return std::nullopt;
    }
    quint64 value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + quint64(digit - '0');
    }
    if (value > std::numeric_limits<quint32>::max()) {
        return std::nullopt;
    }
    return quint32(value);
}

std::vector<QByteArray> ImapWords(QByteArrayView text) {
    std::vector<QByteArray> words;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(' ', start);
        if (end < 0) {
            end = text.size();
        }
        if (end > start) {
            words.push_back(text.sliced(start, end - start).toByteArray());
        }
        start = end + 1;
    }
    return words;
}

ImapParseResult ParseImapResponse(QByteArrayView bytes) {
    ImapParseResult result;
    ImapResponse& response = result.response;
    if (!bytes.endsWith('\n')) {
        result.error = QStringLiteral("the response does not end with a line end");
        return result;
    }
    bytes.chop(1);
    if (bytes.endsWith('\r')) {
        bytes.chop(1);
    }
    Cursor cursor(bytes);
    if (cursor.Peek() == '+') {
        response.kind = ImapResponseKind::Continuation;
        cursor.Skip();
        if (cursor.Peek() == ' ') {
            cursor.Skip();
        }
        response.text = QString::fromUtf8(cursor.Rest());
        return result;
    }
    const QByteArrayView first = cursor.Word();
    if (cursor.Peek() == ' ') {
        cursor.Skip();
    }
    if (first == "*") {
        const QByteArrayView second = cursor.Word();
        if (const std::optional<quint32> number = ImapNumber(second)) {
            response.number = number;
            cursor.Skip();
            response.keyword = cursor.Word().toByteArray().toUpper();
            if (response.keyword.isEmpty()) {
                result.error = QStringLiteral("a number without its meaning");
                return result;
            }
        } else if (const std::optional<ImapStatus> status = StatusNamed(second)) {
            response.status = *status;
            StatusRest(cursor, response, result.error);
            return result;
        } else {
            response.keyword = second.toByteArray().toUpper();
        }
        if (response.keyword.isEmpty() ||
            std::any_of(response.keyword.begin(), response.keyword.end(), IsControl)) {
            result.error = QStringLiteral("an untagged response without a name");
            return result;
        }
        cursor.Values(response.data, 0, result.error);
        return result;
    }
    if (!ValidTag(first)) {
        result.error = QStringLiteral("the response has no valid tag");
        return result;
    }
    response.kind = ImapResponseKind::Tagged;
    response.tag = first.toByteArray();
    const std::optional<ImapStatus> status = StatusNamed(cursor.Word());
    if (!status || *status == ImapStatus::Preauth || *status == ImapStatus::Bye) {
        result.error = QStringLiteral("a tagged response without OK, NO or BAD");
        return result;
    }
    response.status = *status;
    StatusRest(cursor, response, result.error);
    return result;
}

void ImapResponseReader::Fail(const QString& error) {
    error_ = error;
    buffer_.clear();
    buffer_.squeeze();
    start_ = 0;
    scanned_ = 0;
}

void ImapResponseReader::Feed(QByteArrayView bytes) {
    if (Failed()) {
        return;
    }
    // Responses taken are dropped here, once per read rather than once per response.
    buffer_.remove(0, start_);
    scanned_ -= start_;
    start_ = 0;
    buffer_.append(bytes);
}

std::optional<ImapParseResult> ImapResponseReader::Next() {
    if (Failed()) {
        return ImapParseResult{.response = {}, .error = error_};
    }
    for (;;) {
        const qsizetype lineEnd = buffer_.indexOf('\n', scanned_);
        if (lineEnd < 0) {
            scanned_ = buffer_.size();
            if (buffer_.size() - start_ > MaxResponseSize) {
                Fail(QStringLiteral("a response longer than %1 bytes").arg(MaxResponseSize));
                return ImapParseResult{.response = {}, .error = error_};
            }
            return std::nullopt;
        }
        const qsizetype responseSize = lineEnd + 1 - start_;
        QByteArrayView line = QByteArrayView(buffer_).sliced(start_, responseSize - 1);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        const std::optional<qsizetype> literal = AnnouncedLiteral(line);
        if (!literal) {
            ImapParseResult result =
                ParseImapResponse(QByteArrayView(buffer_).sliced(start_, responseSize));
            start_ = lineEnd + 1;
            scanned_ = start_;
            return result;
        }
        if (*literal > MaxResponseSize - responseSize) {
            Fail(QStringLiteral("a literal beyond %1 bytes").arg(MaxResponseSize));
            return ImapParseResult{.response = {}, .error = error_};
        }
        const qsizetype literalEnd = lineEnd + 1 + *literal;
        if (buffer_.size() < literalEnd) {
            scanned_ = lineEnd; // the announcement is read again once the bytes are here
            return std::nullopt;
        }
        scanned_ = literalEnd;
    }
}

bool ImapResponseReader::HasPendingBytes() const {
    return buffer_.size() > start_;
}
