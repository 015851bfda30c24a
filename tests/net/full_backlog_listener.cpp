// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "full_backlog_listener.h"

#ifndef _WIN32
#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

FullBacklogListener::FullBacklogListener(const QHostAddress& listening, quint16 port)
    : address_(listening) {
#ifndef _WIN32
    const bool ipv6 = listening.protocol() == QAbstractSocket::IPv6Protocol;
    sockaddr_storage storage{};
    socklen_t length = 0;
    if (ipv6) {
        auto* address = reinterpret_cast<sockaddr_in6*>(&storage);
        address->sin6_family = AF_INET6;
        const Q_IPV6ADDR bytes = listening.toIPv6Address();
        std::memcpy(&address->sin6_addr, &bytes, sizeof bytes);
        address->sin6_port = htons(port);
        length = sizeof *address;
    } else {
        auto* address = reinterpret_cast<sockaddr_in*>(&storage);
        address->sin_family = AF_INET;
        address->sin_addr.s_addr = htonl(listening.toIPv4Address());
        address->sin_port = htons(port);
        length = sizeof *address;
    }
    auto* address = reinterpret_cast<sockaddr*>(&storage);
    descriptor_ = ::socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM, 0);
    if (descriptor_ < 0 || ::bind(descriptor_, address, length) != 0 ||
        ::listen(descriptor_, 0) != 0 || ::getsockname(descriptor_, address, &length) != 0) {
        return;
    }
    port_ = ntohs(ipv6 ? reinterpret_cast<sockaddr_in6*>(&storage)->sin6_port
                       : reinterpret_cast<sockaddr_in*>(&storage)->sin_port);
    filler_.connectToHost(address_, port_);
    ready_ = filler_.waitForConnected(2000);
#endif
}

FullBacklogListener::~FullBacklogListener() {
    filler_.abort();
#ifndef _WIN32
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
#endif
}
