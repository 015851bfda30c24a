// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoped_time_zone.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// The correction's expectations are written for a computer in Japan, whatever zone the
// machine running the tests is in; tests about other zones set theirs for themselves.
class JapanTimeZone : public ::testing::Environment {
public:
    void SetUp() override { zone_ = std::make_unique<ScopedTimeZone>("Asia/Tokyo"); }
    void TearDown() override { zone_.reset(); }

private:
    std::unique_ptr<ScopedTimeZone> zone_;
};

[[maybe_unused]] ::testing::Environment* const Registered =
    ::testing::AddGlobalTestEnvironment(new JapanTimeZone);

} // namespace
