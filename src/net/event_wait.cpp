#include "event_wait.h"

#include <algorithm>

void EventWait::Until(const std::function<bool()>& done) {
    while (!done()) {
        QEventLoop loop;
        loops_.push_back(&loop);
        loop.exec();
        loops_.erase(std::find(loops_.begin(), loops_.end(), &loop));
    }
}

void EventWait::Wake() {
    // Every loop re-tests its own condition, so waking them all is harmless.
    for (QEventLoop* loop : loops_) {
        loop->quit();
    }
}
