#pragma once

#include <cstdint>
#include <functional>
#include <string>

// A periodic timer. The view drives it with a real clock; tests call tick() themselves. A disabled
// timer delivers no ticks.
class Timer {
public:
    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    int interval() const { return interval_; }
    void setInterval(int milliseconds);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    std::uint64_t revision() const { return revision_; }

    std::function<void()> onTimer;
    // One period has passed.
    void tick() {
        if (enabled_ && onTimer)
            onTimer();
    }

private:
    std::string name_;
    int interval_ = 0;
    bool enabled_ = false;
    std::uint64_t revision_ = 0;
};
