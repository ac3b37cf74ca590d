#include "app/animation.h"

#include <cmath>
#include <cstdlib>

#include "app/form1.h"
#include "demos/demonstrations.h"

namespace animation {

int commonLoop(const std::vector<double>& periods, int most) {
    for (const double period : periods) {
        if (!(period > 0) || !std::isfinite(period))
            return 0;
    }
    for (int frames = 1; frames <= most; ++frames) {
        bool whole = true;
        for (const double period : periods) {
            const double cycles = frames / period;
            whole = whole && std::abs(cycles - std::round(cycles)) < 1e-6;
        }
        if (whole)
            return frames;
    }
    return 0;
}

Length lengthOf(const Form1& form) {
    const demos::Demonstration* shown = demos::shown(form);
    if (shown == nullptr || shown->periods == nullptr)
        return {kUnrepeatingFrames, false};
    const int loop = commonLoop(shown->periods(form), kMaxFrames);
    if (loop == 0)
        return {kUnrepeatingFrames, false};
    return {loop, loop > 1};
}

std::optional<int> framesFrom(const std::string& text) {
    if (text.empty() || text[0] < '0' || text[0] > '9')
        return std::nullopt;
    char* end = nullptr;
    const long frames = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || frames < 1 || frames > kMaxFrames)
        return std::nullopt;
    return static_cast<int>(frames);
}

int frameMilliseconds(const Form1& form) {
    return form.tmrOne.interval();
}

Recording::Recording(const Form1& form, int frames)
    : copy_(std::make_unique<Form1>()), frames_(frames < 1 ? 1 : frames) {
    copy_->copyStateFrom(form);
    // Its frames come from advance() alone, never from a clock a view gives its timer.
    copy_->tmrOne.setEnabled(false);
}

Recording::~Recording() = default;

void Recording::advance() {
    if (atLastFrame())
        return;
    copy_->advanceOneFrame();
    ++frame_;
}

}  // namespace animation
