#pragma once

#include <QTimer>

#include <functional>

// The timing of what sounds live, behind an interface so that tests fire it by hand instead of
// waiting.
namespace music {

class BeatTimer {
public:
    virtual ~BeatTimer() = default;
    // (Re)starts: `onTimeout` comes after `ms`, and every `ms` after that when repeating.
    virtual void start(int ms) = 0;
    virtual void stop() = 0;

    std::function<void()> onTimeout;
};

// A QTimer of millisecond precision; a repeating one keeps its beat without drifting.
class QtBeatTimer : public BeatTimer {
public:
    explicit QtBeatTimer(bool repeating) {
        timer_.setSingleShot(!repeating);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (onTimeout) {
                onTimeout();
            }
        });
    }
    void start(int ms) override { timer_.start(ms); }
    void stop() override { timer_.stop(); }
    bool isActive() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }

private:
    QTimer timer_;
};

}  // namespace music
