#pragma once

#include <QEventLoop>
#include <functional>
#include <vector>

// Waits without spinning: runs a nested event loop until a condition holds. The loop sleeps
// in the event dispatcher and is woken by Wake, which the socket's signals, a cancel and the
// time-out call; timers and input of the rest of the program keep running meanwhile.
class EventWait {
public:
    // Returns once done() is true; done is tested before every sleep.
    void Until(const std::function<bool()>& done);
    // Ends the current sleep so that Until tests its condition again.
    void Wake();

private:
    std::vector<QEventLoop*> loops_;
};
