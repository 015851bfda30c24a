#pragma once

#include <QString>
#include <memory>

// Guards against a second clock of the same user. The guard lasts as long as the object;
// it cannot go stale when the process dies, because the operating system releases it.
class SingleInstance {
public:
    enum class Result { First, AlreadyRunning, Failed };

    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Result Acquire();

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};
