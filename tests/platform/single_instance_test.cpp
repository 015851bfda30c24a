#include "platform/single_instance.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

TEST(SingleInstance, SecondGuardIsRefusedUntilTheFirstEnds) {
    TestFolder runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.Path().toLocal8Bit());
    {
        SingleInstance first;
        ASSERT_EQ(first.Acquire(), SingleInstance::Result::First);
        SingleInstance second;
        EXPECT_EQ(second.Acquire(), SingleInstance::Result::AlreadyRunning);
    }
    SingleInstance later;
    EXPECT_EQ(later.Acquire(), SingleInstance::Result::First) << "the guard cannot go stale";
}
