// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/socket_client.h"
#include "net/winsock_errors.h"

#include <gtest/gtest.h>
#include <set>

TEST(NetWinsockErrors, TableCoversExactlyTheWinsockNumbers) {
    std::set<int> expected = {10004, 10009, 10013, 10014, 10022, 10024, 10091,
                              10092, 10093, 11001, 11002, 11003, 11004, 0};
    for (int number = 10035; number <= 10071; ++number) {
        expected.insert(number);
    }
    std::set<int> numbers;
    for (const WinsockErrors::Row& row : WinsockErrors::Table()) {
        numbers.insert(row.number);
        EXPECT_STRNE(row.text, "") << row.number;
    }
    EXPECT_EQ(WinsockErrors::Table().size(), 51u);
    EXPECT_EQ(numbers, expected);
    EXPECT_EQ(WinsockErrors::Table().back().number, 0);
    EXPECT_EQ(WinsockErrors::Text(0), QStringLiteral("Unrecognized error code"));
}

TEST(NetWinsockErrors, SocketErrorStrFormatsNumberAndText) {
    TSocketClient client;
    struct Case {
        int number;
        const char* text;
    };
    for (const Case& sample : {
             Case{10035, "10035:Operation would block"},
             Case{10057, "10057:Socket is not connected"},
             Case{10060, "10060:Connection timed out"},
             Case{10061, "10061:Connection refused"},
             Case{11001, "11001:Host not found"},
             Case{0, ""},
             Case{12345, "Unknown Error No. 12345"},
             Case{-1, "Unknown Error No. -1"},
         }) {
        EXPECT_EQ(client.SocketErrorStr(sample.number), QString::fromLatin1(sample.text));
    }
}

TEST(NetWinsockErrors, QtSocketErrorsMapOntoWinsockNumbers) {
    struct Case {
        QAbstractSocket::SocketError error;
        const char* detail;
        int number;
    };
    for (const Case& sample : {
             Case{QAbstractSocket::ConnectionRefusedError, "", 10061},
             Case{QAbstractSocket::SocketTimeoutError, "", 10060},
             Case{QAbstractSocket::NetworkError, "Host unreachable", 10065},
             Case{QAbstractSocket::NetworkError, "Network unreachable", 10051},
             Case{QAbstractSocket::NetworkError, "", 10050},
             Case{QAbstractSocket::RemoteHostClosedError, "", 10054},
             Case{QAbstractSocket::HostNotFoundError, "", 11001},
             Case{QAbstractSocket::SocketAccessError, "", 10013},
             Case{QAbstractSocket::AddressInUseError, "", 10048},
             Case{QAbstractSocket::UnknownSocketError, "", 0},
         }) {
        EXPECT_EQ(WinsockErrors::FromSocketError(sample.error, QString::fromLatin1(sample.detail)),
                  sample.number)
            << sample.error << ' ' << sample.detail;
    }
}
