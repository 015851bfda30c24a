#include "full_backlog_listener.h"

#ifndef _WIN32
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

FullBacklogListener::FullBacklogListener(const QHostAddress& listening, quint16 port)
    : address_(listening) {
#ifndef _WIN32
    descriptor_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(listening.toIPv4Address());
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    if (descriptor_ < 0 ||
        ::bind(descriptor_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(descriptor_, 0) != 0 ||
        ::getsockname(descriptor_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return;
    }
    port_ = ntohs(address.sin_port);
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
