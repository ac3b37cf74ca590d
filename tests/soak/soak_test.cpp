#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "tests/fuzz/event_fuzzer.h"

// AddressSanitizer keeps freed blocks in quarantine and gives every size class its own region, so
// under it the resident set measures the sanitizer's allocator, not the program; there leaks are
// LeakSanitizer's to find, and the memory bound is checked in the plain build.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

namespace {

std::uint64_t setting(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

// The resident set of this process, in KiB, as the kernel counts it.
long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

using Rule = EventFuzzer::FrameRule;

// The settings a teacher changes while a demonstration runs, each one a checked event.
void changeSettings(EventFuzzer& fuzzer, Form1& form, ChoiceStream& choices) {
    switch (choices.below(8)) {
        case 0:
        case 1: {
            ComboBox& combo = choices.oneIn(2) ? form.cmbOne : form.cmbTwo;
            if (!combo.items().empty() && choices.oneIn(2)) {
                const int position = static_cast<int>(
                    choices.below(static_cast<std::uint32_t>(combo.items().size())));
                fuzzer.raise("pick " + combo.name(), Rule::Unchanged,
                             [&combo, position] { combo.pick(position); });
            } else {
                const std::string text = EventFuzzer::optionText(choices, combo);
                fuzzer.raise("type into " + combo.name(), Rule::Unchanged,
                             [&combo, text] { combo.setText(text); });
            }
            break;
        }
        case 2:
        case 3: {
            ScrollBar* const bars[] = {&form.hscPhase, &form.hscAmp1, &form.hscAmp2, &form.hscRate,
                                       &form.hscFixed};
            ScrollBar& bar = *bars[choices.below(5)];
            const int value = choices.between(bar.min(), bar.max());
            fuzzer.raise("scroll " + bar.name(), Rule::Unchanged,
                         [&bar, value] { bar.setValue(value); });
            break;
        }
        case 4:
            fuzzer.raise("click cmdHist", Rule::Unchanged, [&form] { form.cmdHist.click(); });
            break;
        case 5:
        case 6: {
            Button& handle = form.cmdPhasor[choices.between(0, 1)];
            const double x = choices.unit() * form.clientWidth();
            const double y = choices.unit() * form.clientHeight();
            fuzzer.raise("press " + handle.name(), Rule::Unchanged,
                         [&handle] { handle.mouseDown(Button::kLeftButton, 0, 100, 100); });
            fuzzer.raise("drop", Rule::Unchanged, [&form, x, y] { form.drop(x, y); });
            break;
        }
        default:
            fuzzer.raise("click cmdStart", Rule::Unchanged, [&form] { form.cmdStart.click(); });
            break;
    }
}

// A long lesson: every demonstration in turn, each for 2000 ticks with its settings changed every
// 100 ticks. Every event is checked (no non-finite value reaches a control: the setters throw on
// one, and the checker walks every control), and the memory in use must not grow once the
// first round of all six demonstrations has warmed every allocation up.
TEST(Soak, MillionTicksOverEveryDemonstrationKeepValuesFiniteAndMemoryFlat) {
    const std::uint64_t totalTicks = setting("PROPAGATION_SOAK_TICKS", 1000000);
    const long marginKiB = static_cast<long>(setting("PROPAGATION_SOAK_MARGIN_KIB", 512));
    constexpr int kTicksPerDemo = 2000;
    constexpr int kTicksPerSetting = 100;
    const std::uint64_t warmUpTicks =
        std::min<std::uint64_t>(totalTicks / 2, 6 * 2 * kTicksPerDemo);

    Form1 form;
    form.load();
    EventFuzzer fuzzer(form);
    ChoiceStream choices(31337);
    const auto started = std::chrono::steady_clock::now();

    std::uint64_t ticks = 0;
    long warmKiB = -1;
    try {
        for (int round = 0; ticks < totalTicks; ++round) {
            const int position = round % 6;
            fuzzer.raise("pick demo", Rule::DemoSetUp,
                         [&form, position] { form.cmbDemo.pick(position); });
            for (int done = 0; done < kTicksPerDemo && ticks < totalTicks;
                 done += kTicksPerSetting) {
                changeSettings(fuzzer, form, choices);
                // A paused lesson resumes before the next stretch, so most ticks draw a frame.
                if (!form.tmrOne.enabled() && !choices.oneIn(4)) {
                    fuzzer.raise("resume", Rule::Unchanged, [&form] { form.cmdStart.click(); });
                }
                for (int k = 0; k < kTicksPerSetting && ticks < totalTicks; ++k, ++ticks) {
                    fuzzer.raise("tick", Rule::Tick, [&form] { form.tmrOne.tick(); });
                }
                if (warmKiB < 0 && ticks >= warmUpTicks)
                    warmKiB = residentKiB();
            }
        }
    } catch (const FuzzFailure& failure) {
        FAIL() << "after " << ticks << " ticks: " << failure.what();
    }
    const long endKiB = residentKiB();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const auto& coverage = fuzzer.coverage();
    std::cout << "[ soak     ] " << ticks << " ticks (" << coverage.pausedTicks << " paused), "
              << fuzzer.events() << " events in " << seconds << " s; VmRSS " << warmKiB
              << " KiB after " << warmUpTicks << " warm-up ticks, " << endKiB
              << " KiB at the end\n";
    for (const auto& [demo, frames] : coverage.frames) {
        std::cout << "[ soak     ]   " << demo << ": " << frames << " frames\n";
    }

    EXPECT_EQ(ticks, totalTicks);
    ASSERT_GT(warmKiB, 0) << "VmRSS not readable";
    if (kUnderAddressSanitizer) {
        std::cout << "[ soak     ] under AddressSanitizer: the resident set is not compared\n";
    } else {
        EXPECT_LE(endKiB - warmKiB, marginKiB) << "the resident set grew while the lesson went on";
    }
    for (const char* demo :
         {"Plane Wave", "Group Velocity", "Polarisation", "Rayleigh", "Ricean", "Phasors"}) {
        EXPECT_GT(coverage.frames.count(demo) ? coverage.frames.at(demo) : 0, totalTicks / 12)
            << demo;
    }
}

}  // namespace
