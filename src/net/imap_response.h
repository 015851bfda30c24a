// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

// One value in the data of an IMAP response: an atom (numbers and flags are atoms too), a
// string (quoted or literal), NIL, or a parenthesised list of values.
struct ImapValue {
    enum class Kind { Atom, String, Nil, List };

    Kind kind = Kind::Atom;
    QByteArray text{};              // of an atom or a string
    std::vector<ImapValue> items{}; // of a list

    // An atom spelled as `name`, letter case aside.
    bool IsAtom(QByteArrayView name) const;
    // An atom of decimal digits that fits 32 bits.
    std::optional<quint32> Number() const;

    bool operator==(const ImapValue&) const = default;
};

enum class ImapResponseKind { Untagged, Tagged, Continuation };

// The condition a status response reports; None for a data response.
enum class ImapStatus { None, Ok, No, Bad, Preauth, Bye };

// One whole server response, literals included.
struct ImapResponse {
    ImapResponseKind kind = ImapResponseKind::Untagged;
    QByteArray tag{}; // of a tagged response
    ImapStatus status = ImapStatus::None;
    // The number that leads message data ("* 23 EXISTS").
    std::optional<quint32> number{};
    // The name of a data response in capitals ("EXISTS", "FETCH", "CAPABILITY", "SEARCH").
    QByteArray keyword{};
    std::vector<ImapValue> data{};
    // The response code of a status response ("[UIDVALIDITY 3857529045]"): its name in
    // capitals and the rest as sent.
    QByteArray code{};
    QByteArray codeArguments{};
    // The human-readable text of a status response, or all a continuation request says.
    QString text{};
};

struct ImapParseResult {
    ImapResponse response{};
    QString error{}; // why the bytes are no response; empty when they are one

    bool Ok() const { return error.isEmpty(); }
};

// Reads one whole response: its bytes up to and including the final line end, with each
// literal's bytes following its announcement ({n} and a line end) as they came.
ImapParseResult ParseImapResponse(QByteArrayView bytes);

// The space-separated words of a response code's arguments ("IMAP4rev1 IDLE AUTH=PLAIN").
std::vector<QByteArray> ImapWords(QByteArrayView text);
// Decimal digits that fit 32 bits, and nothing else.
std::optional<quint32> ImapNumber(QByteArrayView text);

// Cuts the bytes a server sends into whole responses: a response is a line, unless the line
// ends by announcing a literal, whose bytes and the rest of the response then follow. Bounded:
// a response that would grow beyond MaxResponseSize is an error, found as soon as its size
// is known, and nothing more is kept. After an error the stream cannot be resynchronised and
// every later call reports that error.
class ImapResponseReader {
public:
    // Enough for a SEARCH of half a million messages; far beyond what a check asks for.
    static constexpr qsizetype MaxResponseSize = 4 * 1024 * 1024;

    // Takes the next bytes of the stream. Callers pass what one read gives and then take
    // every whole response with Next before they feed more.
    void Feed(QByteArrayView bytes);
    // The next whole response, or nothing while it is incomplete.
    std::optional<ImapParseResult> Next();
    // Bytes received that are not part of a response taken yet.
    bool HasPendingBytes() const;
    bool Failed() const { return !error_.isEmpty(); }

private:
    void Fail(const QString& error);

    QByteArray buffer_;
    qsizetype start_ = 0;   // where the response being read begins in buffer_
    qsizetype scanned_ = 0; // where the search for its end goes on
    QString error_;
};
