// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/single_instance.h"

#include <windows.h>

struct SingleInstance::Handle {
    HANDLE mutex = nullptr;
};

SingleInstance::SingleInstance() : handle_(std::make_unique<Handle>()) {}

SingleInstance::~SingleInstance() {
    if (handle_->mutex != nullptr) {
        CloseHandle(handle_->mutex);
    }
}

SingleInstance::Result SingleInstance::Acquire() {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Zorbel");
    if (mutex == nullptr) {
        return Result::Failed;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return Result::AlreadyRunning;
    }
    handle_->mutex = mutex;
    return Result::First;
}
