#include "tests/fuzz/event_fuzzer.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>
#include <vector>

namespace {

const char* const kDemoNames[] = {"Group Velocity", "Polarisation", "Plane Wave",
                                  "Rayleigh",       "Ricean",       "Phasors"};

// Every entry that any demonstration puts into cmbOne or cmbTwo.
const char* const kListedEntries[] = {"0.0",
                                      "0.1",
                                      "0.2",
                                      "0.5",
                                      "1.0",
                                      "2.0",
                                      "5.0",
                                      "10.0",
                                      "One",
                                      "Two",
                                      "Three",
                                      "Five",
                                      "Ten",
                                      "Off",
                                      "Vertical",
                                      "Horizontal",
                                      "Right-Hand Circular",
                                      "Left-Hand Circular"};

// Texts at the edges of the number rules and of the demonstrations' arithmetic.
const char* const kEdgeTexts[] = {"-0.00000001",
                                  "0.00000001",
                                  "-1e-8",
                                  "1e308",
                                  "-1e308",
                                  "1e999",
                                  "-1e999",
                                  "1e-999",
                                  "1.7976931348623157e308",
                                  "1.7976931348623159e308",
                                  "-1.7976931348623157e308",
                                  "4.9e-324",
                                  "2.2250738585072014e-308",
                                  "3.4028235e38",
                                  "3.5e38",
                                  "-3.5e38",
                                  "1e38",
                                  "nan",
                                  "NaN",
                                  "inf",
                                  "-inf",
                                  "Infinity",
                                  "0x10",
                                  "0X1p3",
                                  "",
                                  " ",
                                  "   ",
                                  "\t",
                                  "0",
                                  "-0",
                                  "+0",
                                  "-1",
                                  "-373.6",
                                  "-373.7",
                                  "-374",
                                  "-1000",
                                  "-1e5",
                                  "1e16",
                                  "9007199254740993",
                                  "32767",
                                  "32768",
                                  "-32769",
                                  "65536",
                                  "2147483648",
                                  ".5",
                                  "5.",
                                  ".",
                                  "-.",
                                  "+.",
                                  "1e",
                                  "1e+",
                                  "1e-",
                                  "e5",
                                  "-e5",
                                  "1E3",
                                  "1d3",
                                  "1,5",
                                  "1 2",
                                  "1_000",
                                  "0b1",
                                  "  42",
                                  "\t7",
                                  "\n3",
                                  "--1",
                                  "+-1",
                                  "1e+308",
                                  "0.000000000000000000000000000000000000000000001",
                                  "100000000000000000000000000000000",
                                  "Ten ",
                                  " Ten",
                                  "ten",
                                  "TEN",
                                  "One\n",
                                  "horizontal",
                                  "Right-Hand",
                                  "Circular",
                                  "Off "};

// Characters beyond ASCII that a keyboard or a paste can bring: accents, Greek, a minus sign and
// digits of other scripts (which are not decimal digits to the number rules), CJK, an emoji,
// combining marks, a no-break space, a byte-order mark, a right-to-left mark.
const char32_t kWideCharacters[] = {
    0x00E9, 0x00FC, 0x00DF, 0x03C0,  0x03A9, 0x2212, 0xFF10, 0xFF11, 0xFF15, 0x0660, 0x0665,
    0x0966, 0x65E5, 0x672C, 0x1F600, 0x0301, 0x00A0, 0xFEFF, 0x200F, 0x00BD, 0x2153, 0x10FFFF};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The byte offsets at which the keystrokes of `text` end: one per code point.
std::vector<std::size_t> keystrokeEnds(const std::string& text) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ends.push_back(i);
    }
    return ends;
}

std::string decimalText(ChoiceStream& c) {
    std::string text;
    if (c.oneIn(3))
        text += c.oneIn(2) ? "-" : "+";
    const int digits = c.between(0, 25);
    for (int i = 0; i < digits; ++i) text += static_cast<char>('0' + c.below(10));
    if (c.oneIn(2)) {
        text += '.';
        const int fraction = c.between(0, 20);
        for (int i = 0; i < fraction; ++i) text += static_cast<char>('0' + c.below(10));
    }
    if (c.oneIn(3)) {
        text += c.oneIn(2) ? 'e' : 'E';
        if (c.oneIn(2))
            text += c.oneIn(2) ? '-' : '+';
        const int exponent = c.between(0, 4);
        for (int i = 0; i < exponent; ++i) text += static_cast<char>('0' + c.below(10));
    }
    if (c.oneIn(6))
        text += static_cast<char>(c.between(0x20, 0x7E));  // trailing junk
    return text;
}

std::string wideText(ChoiceStream& c) {
    std::string text;
    const int length = c.between(1, 12);
    for (int i = 0; i < length; ++i) {
        if (c.oneIn(3)) {
            text += static_cast<char>('0' + c.below(10));
        } else {
            appendUtf8(text, kWideCharacters[c.below(std::size(kWideCharacters))]);
        }
    }
    return text;
}

std::string longText(ChoiceStream& c) {
    const std::size_t length = 1000 + c.below(7001);
    static const char* const units[] = {"1", "9",  "0", " ",        "a",
                                        "-", "1e", ".", "\xC3\xA9", "\xE6\x97\xA5"};
    std::string text;
    switch (c.below(5)) {
        case 0: {  // one unit repeated
            const std::string unit = units[c.below(std::size(units))];
            while (text.size() < length) text += unit;
            break;
        }
        case 1:  // a tiny number with thousands of zeros
            text = "0." + std::string(length, '0') + "1";
            break;
        case 2:  // a huge number
            text = (c.oneIn(2) ? "-" : "") + std::string(length, '9') + (c.oneIn(2) ? "e999" : "");
            break;
        case 3:  // blanks before a number
            text = std::string(length, ' ') + "5.0";
            break;
        default:  // printable garbage
            for (std::size_t i = 0; i < length; ++i)
                text += static_cast<char>(c.between(0x20, 0x7E));
            break;
    }
    return text;
}

std::string mutated(ChoiceStream& c, std::string text) {
    const int edits = c.between(1, 3);
    for (int i = 0; i < edits; ++i) {
        const std::size_t at = text.empty() ? 0 : c.below(static_cast<std::uint32_t>(text.size()));
        const char ch = static_cast<char>(c.between(0x20, 0x7E));
        switch (c.below(3)) {
            case 0:
                text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), ch);
                break;
            case 1:
                if (!text.empty())
                    text.erase(at, 1);
                break;
            default:
                if (!text.empty())
                    text[at] = ch;
                break;
        }
    }
    // A byte edit may have cut a multibyte character; the view only ever delivers whole ones.
    std::string clean;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) < 0x80)
            clean += text[i];
    }
    return clean;
}

std::string shortened(const std::string& text, std::size_t limit = 40) {
    if (text.size() <= limit)
        return text;
    return text.substr(0, limit) + "...(" + std::to_string(text.size()) + " bytes)";
}

}  // namespace

EventFuzzer::EventFuzzer(Form1& form, Deliver deliver)
    : form_(form), deliver_(std::move(deliver)), checker_(form) {
    const auto problems = checker_.check(form_.FrameCount);
    if (!problems.empty())
        fail("the loaded window", problems.front());
}

std::string EventFuzzer::demoName() const {
    for (const char* name : kDemoNames) {
        if (form_.cmbDemo.text() == name)
            return name;
    }
    return "other";
}

std::string EventFuzzer::summary(const std::string& text) const {
    return "\"" + shortened(text) + "\"";
}

void EventFuzzer::fail(const std::string& what, const std::string& reason) const {
    std::ostringstream message;
    message << "after event " << events_ << " (" << what << ") in demo \""
            << shortened(form_.cmbDemo.text()) << "\": " << reason << "\nthe last events were:";
    for (const std::string& event : recent_) message << "\n  " << event;
    throw FuzzFailure(message.str());
}

void EventFuzzer::raise(const std::string& what, FrameRule rule,
                        const std::function<void()>& event) {
    runChecked(
        what, [rule] { return rule; }, event, true);
}

void EventFuzzer::perform(const std::string& what, FrameRule rule,
                          const std::function<void()>& input) {
    runChecked(
        what, [rule] { return rule; }, input, false);
}

void EventFuzzer::perform(const std::string& what, const std::function<FrameRule()>& ruleAfterwards,
                          const std::function<void()>& input) {
    runChecked(what, ruleAfterwards, input, false);
}

void EventFuzzer::runChecked(const std::string& what,
                             const std::function<FrameRule()>& ruleAfterwards,
                             const std::function<void()>& event, bool throughDeliver) {
    ++events_;
    recent_.push_back(std::to_string(events_) + ": " + what);
    if (recent_.size() > 40)
        recent_.pop_front();

    const double framesBefore = form_.FrameCount;
    const bool runningBefore = form_.tmrOne.enabled();
    double binsBefore = 0;
    for (double count : form_.HistBins) binsBefore += count;

    std::string error;
    const std::function<void()> guarded = [&event, &error] {
        try {
            event();
        } catch (const std::exception& e) {
            error = e.what();
        }
    };
    if (deliver_ && throughDeliver) {
        deliver_(guarded);
    } else {
        guarded();
    }
    if (!error.empty())
        fail(what, "an error escaped the event: " + error);

    const FrameRule rule = ruleAfterwards();
    double expected = framesBefore;
    if (rule == FrameRule::Tick && runningBefore)
        expected = framesBefore + 1.0;
    if (rule == FrameRule::DemoSetUp &&
        (demoName() == "Plane Wave" || demoName() == "Group Velocity")) {
        expected = 0.0;
    }
    const auto problems = checker_.check(expected);
    if (!problems.empty()) {
        std::string reason = problems.front();
        if (problems.size() > 1)
            reason += " (and " + std::to_string(problems.size() - 1) + " more)";
        fail(what, reason);
    }

    if (rule == FrameRule::DemoSetUp)
        ++coverage_.setUps[demoName()];
    if (rule == FrameRule::Tick) {
        if (runningBefore) {
            ++coverage_.frames[demoName()];
        } else {
            ++coverage_.pausedTicks;
        }
    }
    double binsAfter = 0;
    for (double count : form_.HistBins) binsAfter += count;
    if (binsAfter > binsBefore)
        ++coverage_.histogramCounts;
}

std::size_t EventFuzzer::run(ChoiceStream& choices, std::size_t maxEvents) {
    const std::size_t start = events_;
    while (events_ - start < maxEvents && !choices.exhausted()) step(choices);
    return events_ - start;
}

void EventFuzzer::step(ChoiceStream& choices) {
    struct Action {
        int weight;
        const char* name;
        void (EventFuzzer::*run)(ChoiceStream&);
    };
    static constexpr Action kActions[] = {
        {26, "tick", &EventFuzzer::tick},
        {8, "pick demo", &EventFuzzer::pickDemo},
        {9, "type demo", &EventFuzzer::typeDemo},
        {14, "type option", &EventFuzzer::typeOption},
        {8, "pick option", &EventFuzzer::pickOption},
        {10, "scroll", &EventFuzzer::scroll},
        {9, "click", &EventFuzzer::clickButton},
        {4, "mouse down", &EventFuzzer::pressHandle},
        {7, "drag and drop", &EventFuzzer::dragAndDrop},
        {3, "drop", &EventFuzzer::dropOnly},
        {2, "arrow key", &EventFuzzer::arrowKey},
    };
    static constexpr int kTotal = [] {
        int total = 0;
        for (const Action& action : kActions) total += action.weight;
        return total;
    }();
    int pick = static_cast<int>(choices.below(kTotal));
    for (const Action& action : kActions) {
        if (pick < action.weight) {
            ++coverage_.actions[action.name];
            (this->*action.run)(choices);
            return;
        }
        pick -= action.weight;
    }
}

void EventFuzzer::tick(ChoiceStream& choices) {
    // Mostly a few frames; now and then a long stretch of animation.
    int ticks = choices.between(1, 4);
    if (choices.oneIn(16))
        ticks = choices.between(5, 300);
    for (int i = 0; i < ticks; ++i) raise("tick", FrameRule::Tick, [this] { form_.tmrOne.tick(); });
}

void EventFuzzer::pickDemo(ChoiceStream& choices) {
    const int position = choices.between(0, 5);
    raise("pick cmbDemo entry " + std::to_string(position) + " (" + kDemoNames[position] + ")",
          FrameRule::DemoSetUp, [this, position] { form_.cmbDemo.pick(position); });
}

std::string EventFuzzer::demoText(ChoiceStream& c) {
    std::string name = kDemoNames[c.below(6)];
    switch (c.below(8)) {
        case 0:
            return name.substr(0, c.below(static_cast<std::uint32_t>(name.size())));  // partial
        case 1:
            return name + (c.oneIn(2) ? " " : "s");
        case 2: {
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
            return name;
        }
        case 3:
            return mutated(c, name);
        case 4:
            return kEdgeTexts[c.below(std::size(kEdgeTexts))];
        default:
            return name;
    }
}

void EventFuzzer::typeDemo(ChoiceStream& choices) {
    type(choices, form_.cmbDemo,
         choices.oneIn(12) ? optionText(choices, form_.cmbDemo) : demoText(choices));
}

std::string EventFuzzer::optionText(ChoiceStream& c, const ComboBox& combo) {
    switch (c.below(10)) {
        case 0:
        case 1:
            if (!combo.items().empty()) {
                return combo.items()[c.below(static_cast<std::uint32_t>(combo.items().size()))];
            }
            return kListedEntries[c.below(std::size(kListedEntries))];
        case 2:
            return kListedEntries[c.below(std::size(kListedEntries))];
        case 3:
        case 4:
            return kEdgeTexts[c.below(std::size(kEdgeTexts))];
        case 5:
        case 6:
            return decimalText(c);
        case 7:
            return wideText(c);
        case 8:
            return c.oneIn(4) ? longText(c)
                              : mutated(c, kListedEntries[c.below(std::size(kListedEntries))]);
        default: {
            std::string garbage;
            const int length = c.between(0, 40);
            for (int i = 0; i < length; ++i) garbage += static_cast<char>(c.between(0x20, 0x7E));
            return garbage;
        }
    }
}

void EventFuzzer::typeOption(ChoiceStream& choices) {
    ComboBox& combo = choices.oneIn(2) ? form_.cmbOne : form_.cmbTwo;
    type(choices, combo, optionText(choices, combo));
}

void EventFuzzer::setComboText(ComboBox& combo, const std::string& text, const std::string& how) {
    const bool demoList = &combo == &form_.cmbDemo;
    // Writing the text that is already there raises nothing, so sets nothing up.
    const FrameRule rule =
        demoList && text != combo.text() ? FrameRule::DemoSetUp : FrameRule::Unchanged;
    raise(how + " " + combo.name() + " text " + summary(text), rule,
          [&combo, &text] { combo.setText(text); });
}

void EventFuzzer::type(ChoiceStream& choices, ComboBox& combo, const std::string& text) {
    coverage_.longestText = std::max(coverage_.longestText, text.size());
    const auto ends = keystrokeEnds(text);
    // Thousands of characters come by paste; typing them would only repeat the same prefixes.
    const bool paste = ends.size() > 200 || choices.oneIn(4);
    if (paste) {
        setComboText(combo, text, "paste");
        return;
    }
    switch (choices.below(4)) {
        case 0: {  // keep the text, add keystrokes at its end
            const std::string base = combo.text().size() > 200 ? std::string() : combo.text();
            for (std::size_t end : ends) setComboText(combo, base + text.substr(0, end), "type");
            break;
        }
        case 1: {  // backspace a few characters, then type
            auto kept = keystrokeEnds(combo.text());
            int backspaces = choices.between(1, 4);
            while (backspaces-- > 0 && !kept.empty()) {
                kept.pop_back();
                setComboText(combo, combo.text().substr(0, kept.empty() ? 0 : kept.back()),
                             "backspace");
            }
            if (combo.text().size() > 200)
                break;
            const std::string base = combo.text();
            for (std::size_t end : ends) setComboText(combo, base + text.substr(0, end), "type");
            break;
        }
        default:  // select everything, then type over it
            if (ends.empty())
                setComboText(combo, "", "delete");
            for (std::size_t end : ends) setComboText(combo, text.substr(0, end), "type");
            break;
    }
}

void EventFuzzer::pickOption(ChoiceStream& choices) {
    ComboBox& combo = choices.oneIn(2) ? form_.cmbOne : form_.cmbTwo;
    if (combo.items().empty())
        return;
    const int position =
        static_cast<int>(choices.below(static_cast<std::uint32_t>(combo.items().size())));
    raise("pick " + combo.name() + " entry " + std::to_string(position) + " " +
              summary(combo.items()[static_cast<std::size_t>(position)]),
          FrameRule::Unchanged, [&combo, position] { combo.pick(position); });
}

void EventFuzzer::scroll(ChoiceStream& choices) {
    ScrollBar* const bars[] = {&form_.hscPhase, &form_.hscAmp1, &form_.hscAmp2, &form_.hscRate,
                               &form_.hscFixed};
    ScrollBar& bar = *bars[choices.below(5)];
    int value = bar.value();
    switch (choices.below(5)) {
        case 0:
            value = bar.min();
            break;
        case 1:
            value = bar.max();
            break;
        case 2:
            value += choices.oneIn(2) ? bar.smallChange() : -bar.smallChange();
            break;  // arrows
        case 3:
            value += choices.oneIn(2) ? bar.largeChange() : -bar.largeChange();
            break;  // trough
        default:
            value = choices.between(bar.min(), bar.max());
            break;  // thumb
    }
    value = std::clamp(value, bar.min(), bar.max());
    raise("scroll " + bar.name() + " to " + std::to_string(value), FrameRule::Unchanged,
          [&bar, value] { bar.setValue(value); });
}

void EventFuzzer::clickButton(ChoiceStream& choices) {
    Button* const buttons[] = {&form_.cmdStart,     &form_.cmdStart,     &form_.cmdHist,
                               &form_.cmdPhasor[0], &form_.cmdPhasor[1], &form_.cmdPhasor[2]};
    Button& button = *buttons[choices.below(std::size(buttons))];
    raise("click " + button.name() + (button.visible() ? "" : " (hidden)"), FrameRule::Unchanged,
          [&button] { button.click(); });
}

double EventFuzzer::coordinate(ChoiceStream& c, double extent) {
    static const double kEdges[] = {0.0,  -0.0, -1e-300, -1,       1e-300, 59.999,    60,    127.5,
                                    1560, 3600, 5640,    9074.999, 9075,   11834.999, 11835, 11836};
    static const double kHuge[] = {1e10,    -1e10,    32767.5, -32768.5, 1e30,  -1e30,
                                   FLT_MAX, -FLT_MAX, 3.5e38,  -3.5e38,  1e300, -1e300,
                                   DBL_MAX, -DBL_MAX, DBL_MIN, 4.9e-324};
    switch (c.below(12)) {
        case 0:
            return kEdges[c.below(std::size(kEdges))];
        case 1:
            return kHuge[c.below(std::size(kHuge))];
        case 2:
            return c.oneIn(2) ? std::numeric_limits<double>::infinity()
                              : -std::numeric_limits<double>::infinity();
        case 3:
            return std::numeric_limits<double>::quiet_NaN();
        case 4: {  // any bit pattern at all
            const std::uint64_t bits = c.u64();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        case 5:
            return static_cast<double>(c.between(-40000, 40000));
        case 6:
            return c.between(0, 200) * 60.0;  // on the drop grid
        default:
            return c.unit() * extent;  // inside the window
    }
}

float EventFuzzer::floatCoordinate(ChoiceStream& c, double extent) {
    const double value = coordinate(c, extent);
    // A double beyond the float range has no float value; a pointer far away reads as the
    // largest float, or infinity.
    if (std::isnan(value))
        return std::numeric_limits<float>::quiet_NaN();
    if (value > FLT_MAX)
        return c.oneIn(2) ? FLT_MAX : std::numeric_limits<float>::infinity();
    if (value < -FLT_MAX)
        return c.oneIn(2) ? -FLT_MAX : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

void EventFuzzer::pressHandle(ChoiceStream& choices) {
    static const int kCodes[] = {1,
                                 2,
                                 4,
                                 0,
                                 3,
                                 5,
                                 6,
                                 7,
                                 8,
                                 16,
                                 -1,
                                 255,
                                 std::numeric_limits<int>::min(),
                                 std::numeric_limits<int>::max()};
    Button& handle = form_.cmdPhasor[choices.between(0, 2)];
    const int button = choices.oneIn(8) ? static_cast<int>(choices.u32())
                                        : kCodes[choices.below(std::size(kCodes))];
    const int shift = choices.oneIn(8) ? static_cast<int>(choices.u32()) : choices.between(0, 7);
    const float x = floatCoordinate(choices, 255);
    const float y = floatCoordinate(choices, 255);
    std::ostringstream what;
    what << "mouse down " << button << " shift " << shift << " on " << handle.name() << " at " << x
         << ", " << y;
    raise(what.str(), FrameRule::Unchanged,
          [&handle, button, shift, x, y] { handle.mouseDown(button, shift, x, y); });
}

void EventFuzzer::dragAndDrop(ChoiceStream& choices) {
    Button& handle = form_.cmdPhasor[choices.oneIn(8) ? 2 : choices.between(0, 1)];
    raise("press the left button on " + handle.name(), FrameRule::Unchanged,
          [&handle] { handle.mouseDown(Button::kLeftButton, 0, 127, 127); });
    // Mostly inside the window, so that most drops land.
    const bool inside = !choices.oneIn(4);
    const double x =
        inside ? choices.unit() * form_.clientWidth() : coordinate(choices, form_.clientWidth());
    const double y =
        inside ? choices.unit() * form_.clientHeight() : coordinate(choices, form_.clientHeight());
    dropAt(x, y);
}

void EventFuzzer::dropOnly(ChoiceStream& choices) {
    dropAt(coordinate(choices, form_.clientWidth()), coordinate(choices, form_.clientHeight()));
}

void EventFuzzer::dropAt(double x, double y) {
    std::ostringstream what;
    what.precision(17);
    what << "drop at " << x << ", " << y
         << (form_.dragSource() ? " dragging " + form_.dragSource()->name() : " with no drag");
    Form::DropResult result = Form::DropResult::NoDrag;
    raise(what.str(), FrameRule::Unchanged, [this, x, y, &result] { result = form_.drop(x, y); });
    if (result == Form::DropResult::Dropped)
        ++coverage_.drops;
}

// What the view does for an arrow key on a focused handle: a left press, and when that begins a
// drag, a drop one grid step from the handle's centre, with no pointer involved.
void EventFuzzer::arrowKey(ChoiceStream& choices) {
    Button& handle = form_.cmdPhasor[choices.between(0, 2)];
    static const double kSteps[4][2] = {{-60, 0}, {60, 0}, {0, -60}, {0, 60}};
    const auto& step = kSteps[choices.below(4)];
    const double dx = step[0];
    const double dy = step[1];
    raise("arrow key " + std::to_string(static_cast<int>(dx)) + ", " +
              std::to_string(static_cast<int>(dy)) + " on " + handle.name(),
          FrameRule::Unchanged, [this, &handle, dx, dy] {
              const float halfWidth = handle.width() / 2;
              const float halfHeight = handle.height() / 2;
              handle.mouseDown(Button::kLeftButton, 0, halfWidth, halfHeight);
              if (form_.dragSource() != &handle)
                  return;
              if (form_.dropFromKeyboard(handle.left() + halfWidth + dx,
                                         handle.top() + halfHeight + dy) ==
                  Form::DropResult::Dropped) {
                  ++coverage_.drops;
              }
          });
}
