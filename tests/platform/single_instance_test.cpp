// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/single_instance.h"
#include "temp_dir.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {

// XDG_RUNTIME_DIR and TMPDIR for one test, restored afterwards.
class RuntimeEnvironment {
public:
    RuntimeEnvironment() : runtime_(qgetenv("XDG_RUNTIME_DIR")), temp_(qgetenv("TMPDIR")) {}
    ~RuntimeEnvironment() {
        qputenv("XDG_RUNTIME_DIR", runtime_);
        qputenv("TMPDIR", temp_);
    }

private:
    QByteArray runtime_;
    QByteArray temp_;
};

constexpr uid_t Nobody = 65534;

TEST(SingleInstance, SecondGuardIsRefusedUntilTheFirstEnds) {
    RuntimeEnvironment restore;
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

QString PrivateRuntimeName() {
    // The name Qt gives the folder it makes when there is no usable XDG_RUNTIME_DIR.
    return QStringLiteral("runtime-%1").arg(QString::fromLocal8Bit(getpwuid(geteuid())->pw_name));
}

void HandToAnotherUser(const QString& folder) {
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(chown(folder.toLocal8Bit().constData(), Nobody, Nobody), 0);
}

// The lock lives only in a folder of this user's own, where nobody else can have put
// anything first; where there is no such folder the guard fails and says why, instead of
// falling back to a shared one.
TEST(SingleInstance, TheLockIsKeptWhereNoOtherUserCanHoldIt) {
    using Result = SingleInstance::Result;
    struct Case {
        const char* name;
        // Sets XDG_RUNTIME_DIR and TMPDIR inside the test's folder.
        std::function<void(const TestFolder&)> prepare;
        Result expected;
        QString lockFolder; // under the test's folder, when the lock is made
        bool needsRoot = false;
    };
    const auto runtimeUnset = [](const TestFolder& folder) {
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", folder.Path().toLocal8Bit());
    };
    const Case cases[] = {
        {"own runtime folder",
         [](const TestFolder& folder) { qputenv("XDG_RUNTIME_DIR", folder.Path().toLocal8Bit()); },
         Result::First, "."},
        {"no runtime folder: a private one in the temp folder", runtimeUnset, Result::First,
         PrivateRuntimeName()},
        {"runtime folder of another user: a private one instead",
         [runtimeUnset](const TestFolder& folder) {
             runtimeUnset(folder);
             HandToAnotherUser(folder.FilePath("other"));
             qputenv("XDG_RUNTIME_DIR", folder.FilePath("other").toLocal8Bit());
         },
         Result::First, PrivateRuntimeName(), true},
        {"another user made the private folder first",
         [runtimeUnset](const TestFolder& folder) {
             runtimeUnset(folder);
             HandToAnotherUser(folder.FilePath(PrivateRuntimeName()));
         },
         Result::Failed, QString(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsRoot && geteuid() != 0) {
            std::printf("skipped \"%s\": needs root to hand a folder to another user\n", c.name);
            continue;
        }
        RuntimeEnvironment restore;
        TestFolder folder;
        c.prepare(folder);
        SingleInstance instance;
        EXPECT_EQ(instance.Acquire(), c.expected);
        EXPECT_EQ(instance.Problem().isEmpty(), c.expected == Result::First);
        if (!c.lockFolder.isEmpty()) {
            EXPECT_TRUE(
                QFile::exists(QDir(folder.FilePath(c.lockFolder))
                                  .filePath(QStringLiteral("zorbel-%1.lock").arg(getuid()))));
        }
    }
}

} // namespace
