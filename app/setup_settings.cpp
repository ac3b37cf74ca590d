#include "app/setup_settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <type_traits>
#include <variant>

#include "app/form1.h"
#include "app/setup_text.h"
#include "demos/fading/histogram.h"
#include "demos/phasors/phasors.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace {

using namespace setup_text;
using Speed = LessonState::Speed;
using Theory = LessonState::Theory;

// A flag, or an optional value of one of the types that Rules knows.
using Field =
    std::variant<bool SetupSettings::*, std::optional<std::string> SetupSettings::*,
                 std::optional<int> SetupSettings::*, std::optional<PointF> SetupSettings::*,
                 std::optional<Speed> SetupSettings::*, std::optional<Theory> SetupSettings::*>;

struct Setting {
    const char* name;
    Field field;
};

// Every setting and where it is kept, in the order that apply() makes them and the copies list
// them.
constexpr Setting kSettings[] = {
    {"language", &SetupSettings::language},
    {"demo", &SetupSettings::demo},
    {"one", &SetupSettings::one},
    {"two", &SetupSettings::two},
    {"phase", &SetupSettings::phase},
    {"rate", &SetupSettings::rate},
    {"fixed", &SetupSettings::fixed},
    {"histogram", &SetupSettings::histogram},
    {"tip1", &SetupSettings::tip1},
    {"tip2", &SetupSettings::tip2},
    {"speed", &SetupSettings::speed},
    {"theory", &SetupSettings::theory},
    {"projector", &SetupSettings::projector},
    {"record", &SetupSettings::record},
    {"threshold", &SetupSettings::threshold},
    {"ellipse", &SetupSettings::ellipse},
    {"numbers", &SetupSettings::numbers},
    {"paused", &SetupSettings::paused},
};

bool isFlag(const Setting& setting) {
    return std::holds_alternative<bool SetupSettings::*>(setting.field);
}

const Setting* findSetting(std::string_view name) {
    if (name == "lang")
        name = "language";
    for (const Setting& s : kSettings) {
        if (name == s.name)
            return &s;
    }
    return nullptr;
}

constexpr std::pair<Speed, const char*> kSpeeds[] = {
    {Speed::Normal, "normal"}, {Speed::Half, "half"}, {Speed::Quarter, "quarter"}};

// How a value of each type is read from its text and written back, and what a text that is not
// one was expected to be.
template <class T>
struct Rules;

template <>
struct Rules<std::string> {
    static std::optional<std::string> read(const std::string& text) { return text; }
    static std::string write(const std::string& value) { return value; }
    static constexpr const char* kExpected = "";  // every text is one
};

template <>
struct Rules<int> {
    static std::optional<int> read(const std::string& text) { return wholeNumberFrom(text); }
    static std::string write(int value) { return std::to_string(value); }
    static constexpr const char* kExpected = N_("a whole number");
};

template <>
struct Rules<PointF> {
    static std::optional<PointF> read(const std::string& text) { return pointFrom(text); }
    static std::string write(const PointF& p) {
        return number_rules::shortestText(p.x) + "," + number_rules::shortestText(p.y);
    }
    static constexpr const char* kExpected = N_("X,Y (two numbers of twips, such as 6000,1500)");
};

template <>
struct Rules<Speed> {
    static std::optional<Speed> read(const std::string& text) { return byName(kSpeeds, text); }
    static std::string write(Speed value) { return nameOf(kSpeeds, value); }
    static constexpr const char* kExpected = N_("normal, half or quarter");
};

template <>
struct Rules<Theory> {
    static std::optional<Theory> read(const std::string& text) {
        return byName(theory_curve::kTheoryNames, text);
    }
    static std::string write(Theory value) { return nameOf(theory_curve::kTheoryNames, value); }
    static constexpr const char* kExpected = N_("Rayleigh or Ricean");
};

// Stores one setting. `label` is the name as the user wrote it ("--phase" or "phase"), `value`
// none for a setting given without one; a flag given "=" with nothing after it still names a
// value. Returns the error, or an empty text.
std::string store(SetupSettings& s, const Setting& setting, const std::string& label,
                  const std::optional<std::string>& value) {
    return std::visit(
        [&](auto field) -> std::string {
            auto& kept = s.*field;
            if constexpr (std::is_same_v<decltype(kept), bool&>) {
                if (value)
                    return i18n::format(i18n::tr("%1$s takes no value"), {label});
                kept = true;
            } else {
                if (!value)
                    return i18n::format(i18n::tr("%1$s needs a value"), {label});
                using Rule = Rules<typename std::remove_reference_t<decltype(kept)>::value_type>;
                const auto read = Rule::read(*value);
                if (!read)
                    // TRANSLATORS: a setting's name, the value given, and what it should have been.
                    return i18n::format(i18n::tr("%1$s: %2$s is not %3$s"),
                                        {label, quoted(*value), i18n::tr(Rule::kExpected)});
                kept = read;
            }
            return {};
        },
        setting.field);
}

// The settings given, each as its name and its value as text (no value for a flag).
std::vector<std::pair<const char*, std::optional<std::string>>> listed(const SetupSettings& s) {
    std::vector<std::pair<const char*, std::optional<std::string>>> list;
    for (const Setting& setting : kSettings) {
        std::visit(
            [&](auto field) {
                const auto& kept = s.*field;
                if constexpr (std::is_same_v<decltype(kept), const bool&>) {
                    if (kept)
                        list.emplace_back(setting.name, std::nullopt);
                } else if (kept) {
                    using Rule = Rules<typename std::remove_cvref_t<decltype(kept)>::value_type>;
                    list.emplace_back(setting.name, Rule::write(*kept));
                }
            },
            setting.field);
    }
    return list;
}

// A text equal to an entry of the list is picked from it; any other is typed.
void choose(ComboBox& combo, const std::string& text) {
    const auto& entries = combo.items();
    const auto entry = std::find(entries.begin(), entries.end(), text);
    if (entry != entries.end()) {
        combo.pick(static_cast<int>(entry - entries.begin()));
    } else {
        combo.setText(text);
    }
}

}  // namespace

ParsedSetup SetupSettings::fromArguments(const std::vector<std::string>& arguments,
                                         Unknown unknown) {
    ParsedSetup parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool option = argument.size() > 2 && argument.compare(0, 2, "--") == 0;
        const std::size_t equals = argument.find('=');
        const std::string label = argument.substr(0, equals);
        const Setting* setting = option ? findSetting(std::string_view(label).substr(2)) : nullptr;
        if (setting == nullptr) {
            if (unknown == Unknown::PassOn) {
                parsed.unclaimed.push_back(argument);
                continue;
            }
            parsed.error =
                option ? i18n::format(i18n::tr("unknown setting %1$s"), {quoted(label)})
                       : i18n::format(i18n::tr("unexpected argument %1$s"), {quoted(argument)});
            return parsed;
        }
        std::optional<std::string> value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (!isFlag(*setting) && i + 1 < arguments.size()) {
            value = arguments[++i];
        }
        parsed.error = store(parsed.settings, *setting, label, value);
        if (!parsed.ok())
            return parsed;
    }
    return parsed;
}

ParsedSetup SetupSettings::fromFragment(std::string_view fragment) {
    ParsedSetup parsed;
    if (!fragment.empty() && fragment.front() == '#')
        fragment.remove_prefix(1);
    while (!fragment.empty()) {
        const std::size_t end = std::min(fragment.find('&'), fragment.size());
        const std::string_view part = fragment.substr(0, end);
        fragment.remove_prefix(std::min(end + 1, fragment.size()));
        if (part.empty())
            continue;
        const std::size_t equals = part.find('=');
        const auto name = decoded(part.substr(0, equals));
        std::optional<std::string> value;
        if (equals != std::string_view::npos)
            value = decoded(part.substr(equals + 1));
        if (!name || (equals != std::string_view::npos && !value)) {
            parsed.error = i18n::format(
                i18n::tr("%1$s has a %% that is not followed by two hex digits"), {quoted(part)});
            return parsed;
        }
        const Setting* setting = findSetting(*name);
        if (setting == nullptr) {
            parsed.error = i18n::format(i18n::tr("unknown setting %1$s"), {quoted(*name)});
            return parsed;
        }
        parsed.error = store(parsed.settings, *setting, *name, value);
        if (!parsed.ok())
            return parsed;
    }
    return parsed;
}

SetupSettings SetupSettings::fromWindow(const Form1& form) {
    SetupSettings s;
    s.demo = form.cmbDemo.text();
    if (form.cmbOne.visible())
        s.one = form.cmbOne.text();
    if (form.cmbTwo.visible())
        s.two = form.cmbTwo.text();
    if (form.hscPhase.visible())
        s.phase = form.hscPhase.value();
    if (form.hscRate.visible())
        s.rate = form.hscRate.value();
    if (form.hscFixed.visible())
        s.fixed = form.hscFixed.value();
    s.histogram = histogram::isOn(form);
    // A dropped handle is centred on the drop point and snapped down and left onto its grid, so
    // a drop on its centre puts it back where it stands.
    for (int k = 0; k < 2; ++k) {
        const Button& handle = form.cmdPhasor[k];
        if (!handle.visible() || phasors::tipAtOrigin(form, k))
            continue;
        (k == 0 ? s.tip1 : s.tip2) = PointF{double{handle.left()} + double{handle.width()} / 2,
                                            double{handle.top()} + double{handle.height()} / 2};
    }
    if (form.lesson.speed() != Speed::Normal)
        s.speed = form.lesson.speed();
    if (form.lesson.theory() != Theory::Off)
        s.theory = form.lesson.theory();
    s.projector = form.lesson.projector();
    s.record = form.lesson.fadingRecord();
    if (form.lesson.threshold() != LessonState::kDefaultThreshold)
        s.threshold = form.lesson.threshold();
    s.ellipse = form.lesson.ellipse();
    s.numbers = form.lesson.phasorNumbers();
    s.paused = form.lesson.paused();
    if (i18n::language().code != "en")
        s.language = std::string(i18n::language().code);
    return s;
}

std::string SetupSettings::toCommandLine() const {
    std::string line;
    for (const auto& [name, value] : listed(*this)) {
        if (!line.empty())
            line += ' ';
        line += std::string("--") + name;
        if (value)
            line += ' ' + shellQuoted(*value);
    }
    return line;
}

std::string SetupSettings::toFragment() const {
    std::string fragment;
    for (const auto& [name, value] : listed(*this)) {
        if (!fragment.empty())
            fragment += '&';
        fragment += name;
        if (value)
            fragment += '=' + encoded(*value);
    }
    return fragment;
}

std::string SetupSettings::apply(Form1& form, const Deliver& deliver) const {
    struct Bar {
        const std::optional<int>& value;
        ScrollBar& bar;
        const char* name;
    };
    const Bar bars[] = {{phase, form.hscPhase, "phase"},
                        {rate, form.hscRate, "rate"},
                        {fixed, form.hscFixed, "fixed"}};
    for (const Bar& b : bars) {
        if (b.value && (*b.value < b.bar.min() || *b.value > b.bar.max())) {
            return i18n::format(i18n::tr("%1$s: %2$s is outside %3$s..%4$s"),
                                {b.name, std::to_string(*b.value), std::to_string(b.bar.min()),
                                 std::to_string(b.bar.max())});
        }
    }

    if (threshold && (*threshold < LessonState::kLowestThreshold ||
                      *threshold > LessonState::kHighestThreshold ||
                      *threshold % LessonState::kThresholdStep != 0)) {
        return i18n::format(
            i18n::tr("threshold: %1$s is not a multiple of %2$s from %3$s to %4$s"),
            {std::to_string(*threshold), std::to_string(LessonState::kThresholdStep),
             std::to_string(LessonState::kLowestThreshold),
             std::to_string(LessonState::kHighestThreshold)});
    }

    if (language && !i18n::hasLanguage(*language)) {
        std::string codes;
        for (const i18n::Language& l : i18n::languages())
            codes += (codes.empty() ? "" : ", ") + std::string(l.code);
        return i18n::format(i18n::tr("language: %1$s is not one of %2$s"),
                            {quoted(*language), codes});
    }

    if (demo)
        deliver([&] { choose(form.cmbDemo, *demo); });
    if (one)
        deliver([&] { choose(form.cmbOne, *one); });
    if (two)
        deliver([&] { choose(form.cmbTwo, *two); });
    for (const Bar& b : bars) {
        if (b.value)
            deliver([&] { b.bar.setValue(*b.value); });
    }
    if (histogram)
        deliver([&] { form.cmdHist.click(); });
    const std::pair<const std::optional<PointF>&, int> tips[] = {{tip1, 0}, {tip2, 1}};
    for (const auto& entry : tips) {
        // Named, not bound: a lambda may not capture a structured binding in C++20.
        const std::optional<PointF>& tip = entry.first;
        const int handle = entry.second;
        if (!tip)
            continue;
        deliver([&] {
            form.cmdPhasor[handle].mouseDown(Button::kLeftButton, 0, 0, 0);
            form.drop(tip->x, tip->y);
        });
    }
    if (speed)
        deliver([&] { form.lesson.setSpeed(*speed); });
    if (theory)
        deliver([&] { form.lesson.setTheory(*theory); });
    if (projector)
        deliver([&] { form.lesson.setProjector(true); });
    if (record)
        deliver([&] { form.lesson.setFadingRecord(true); });
    if (threshold)
        deliver([&] { form.lesson.setThreshold(*threshold); });
    if (ellipse)
        deliver([&] { form.lesson.setEllipse(true); });
    if (numbers)
        deliver([&] { form.lesson.setPhasorNumbers(true); });
    if (paused) {
        deliver([&] {
            if (!form.lesson.paused())
                form.cmdStart.click();
        });
    }
    return {};
}

const char* SetupSettings::usage() {
    // TRANSLATORS: the command line's help; keep each setting's name and the column of what it
    // does.
    return i18n::tr(
        "  --language CODE the language of the window: en, de, es, fr, pt-BR, zh-CN or ar\n"
        "  --demo NAME       the demonstration, picked from the list (any other text is typed)\n"
        "  --one TEXT        the first option list: an entry is picked, any other text typed\n"
        "  --two TEXT        the second option list, the same way\n"
        "  --phase DEGREES   the relative phase scroll bar, -180 to 180\n"
        "  --rate N          the Speed scroll bar, 0 to 20\n"
        "  --fixed N         the Fixed scroll bar, 0 to 10\n"
        "  --histogram       press the Histogram button\n"
        "  --tip1 X,Y        drop the tip of phasor 1 at X,Y (twips)\n"
        "  --tip2 X,Y        drop the tip of phasor 2 at X,Y (twips)\n"
        "  --speed SPEED     slow motion: normal, half or quarter\n"
        "  --theory NAME     the theory curve over the histogram: Rayleigh or Ricean\n"
        "  --projector       the picture drawn for a projector\n"
        "  --record          the fading record (Rayleigh, Ricean)\n"
        "  --threshold DB    the record's threshold, -30 to 5 in steps of 5 (-10 unless given)\n"
        "  --ellipse         the polarisation ellipse (Polarisation)\n"
        "  --numbers         the phasors' numbers (Phasors)\n"
        "  --paused          end paused, as a click on Pause leaves the window\n");
}
