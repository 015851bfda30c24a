// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dial_up.h"

#include <ras.h>
#include <raserror.h>
#include <windows.h>

namespace {

// Asks the Remote Access Service about the first active connection only.
class RasDialUpMonitor : public DialUpMonitor {
public:
    bool CheckDialUpConnected() override {
        try {
            RASCONNA connection{};
            connection.dwSize = sizeof(RASCONNA);
            DWORD bufferSize = sizeof(RASCONNA);
            DWORD connections = 0;
            // A buffer of one record: with more connections active the call fails, and that
            // counts as not connected.
            if (RasEnumConnectionsA(&connection, &bufferSize, &connections) != 0) {
                return false;
            }
            if (connections == 0) {
                return false;
            }
            RASCONNSTATUSA status{};
            status.dwSize = sizeof(RASCONNSTATUSA);
            if (RasGetConnectStatusA(connection.hrasconn, &status) != 0) {
                return false;
            }
            return status.rasconnstate == RASCS_Connected;
        } catch (...) {
            return false;
        }
    }
};

} // namespace

std::unique_ptr<DialUpMonitor> CreateSystemDialUpMonitor() {
    return std::make_unique<RasDialUpMonitor>();
}
