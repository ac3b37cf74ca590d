#include "app/tool_catalogue.h"

#include <algorithm>

#include "app/form1.h"

namespace tool_catalogue {
namespace {

using Kind = MenuEntry::Kind;
using Speed = LessonState::Speed;

template <Speed speed>
void setSpeed(Form1& form) {
    form.lesson.setSpeed(speed);
}

template <Speed speed>
bool isSpeed(const Form1& form, const EditionServices&) {
    return form.lesson.speed() == speed;
}

template <int factor>
void savePicture(EditionServices& services) {
    services.savePicture(factor);
}

constexpr Tool kTools[] = {
    {.id = "toolStep",
     .label = "Step one frame",
     .menu = Menu::Animation,
     .key = {"."},
     .change = [](Form1& form) { form.lesson.stepOneFrame(); },
     .enabled = [](const Form1& form) { return form.lesson.paused(); },
     .hint = "While paused: the next frame, exactly as one tick of the timer draws it."},
    {.id = "toolSpeedNormal",
     .label = "Normal speed",
     .menu = Menu::Animation,
     .key = {"1", true},
     .kind = Kind::Choice,
     .separatorBefore = true,
     .change = setSpeed<Speed::Normal>,
     .checked = isSpeed<Speed::Normal>,
     .hint = "Ten frames a second."},
    {.id = "toolSpeedHalf",
     .label = "Half speed",
     .menu = Menu::Animation,
     .key = {"2", true},
     .kind = Kind::Choice,
     .change = setSpeed<Speed::Half>,
     .checked = isSpeed<Speed::Half>,
     .hint = "Slow motion: a frame every 200 ms; each frame is the same frame."},
    {.id = "toolSpeedQuarter",
     .label = "Quarter speed",
     .menu = Menu::Animation,
     .key = {"3", true},
     .kind = Kind::Choice,
     .change = setSpeed<Speed::Quarter>,
     .checked = isSpeed<Speed::Quarter>,
     .hint = "Slow motion: a frame every 400 ms; each frame is the same frame."},
    {.id = "toolTheory",
     .label = "Theory curve",
     .menu = Menu::Lessons,
     .key = {"T"},
     .kind = Kind::Check,
     .separatorBefore = true,
     .change = [](Form1& form) { form.lesson.toggleTheory(); },
     .enabled = [](const Form1& form) { return form.lesson.theoryCanToggle(); },
     .checked =
         [](const Form1& form, const EditionServices&) {
             return form.lesson.theory() != LessonState::Theory::Off;
         },
     .hint = "Over the histogram of \"Rayleigh\" or \"Ricean\". For the bars to meet the curve, "
             "raise \"Speed\" to 20 before pressing \"Histogram\" (frames counted stay counted), "
             "then wait some minutes: a few thousand frames."},
    {.id = "toolProjector",
     .label = "Projector contrast",
     .menu = Menu::View,
     .key = {"P"},
     .kind = Kind::Check,
     .change = [](Form1& form) { form.lesson.toggleProjector(); },
     .checked = [](const Form1& form, const EditionServices&) { return form.lesson.projector(); },
     .hint = "A white background, and every line and border at least 2 pixels wide."},
    {.id = "toolFadingRecord",
     .label = "Fading record",
     .menu = Menu::Lessons,
     .key = {"R"},
     .kind = Kind::Check,
     .separatorBefore = true,
     .change = [](Form1& form) { form.lesson.toggleFadingRecord(); },
     .enabled = [](const Form1& form) { return form.lesson.recordCanToggle(); },
     .checked = [](const Form1& form,
                   const EditionServices&) { return form.lesson.fadingRecord(); },
     .hint = "In \"Rayleigh\" and \"Ricean\": the envelope of the last 300 frames in dB, and the "
             "share of frames below the threshold against the theory. Raise \"Speed\" for the "
             "statistics of many independent fades."},
    {.id = "toolThresholdDown",
     .label = "Lower the record's threshold",
     .menu = Menu::Lessons,
     .key = {"["},
     .change = [](Form1& form) { form.lesson.lowerThreshold(); },
     .enabled =
         [](const Form1& form) {
             return form.lesson.recordShown() &&
                    form.lesson.threshold() > LessonState::kLowestThreshold;
         },
     .hint = "5 dB lower, down to -30 dB."},
    {.id = "toolThresholdUp",
     .label = "Raise the record's threshold",
     .menu = Menu::Lessons,
     .key = {"]"},
     .change = [](Form1& form) { form.lesson.raiseThreshold(); },
     .enabled =
         [](const Form1& form) {
             return form.lesson.recordShown() &&
                    form.lesson.threshold() < LessonState::kHighestThreshold;
         },
     .hint = "5 dB higher, up to +5 dB."},
    {.id = "toolEllipse",
     .label = "Polarisation ellipse",
     .menu = Menu::Lessons,
     .key = {"E"},
     .kind = Kind::Check,
     .change = [](Form1& form) { form.lesson.toggleEllipse(); },
     .enabled = [](const Form1& form) { return form.lesson.ellipseCanToggle(); },
     .checked = [](const Form1& form, const EditionServices&) { return form.lesson.ellipse(); },
     .hint = "In \"Polarisation\": the path of the sum over the last cycle, and its kind, "
             "handedness, axial ratio and tilt."},
    {.id = "toolPhasorNumbers",
     .label = "Phasor numbers",
     .menu = Menu::Lessons,
     .key = {"N"},
     .kind = Kind::Check,
     .change = [](Form1& form) { form.lesson.togglePhasorNumbers(); },
     .enabled = [](const Form1& form) { return form.lesson.numbersCanToggle(); },
     .checked = [](const Form1& form,
                   const EditionServices&) { return form.lesson.phasorNumbers(); },
     .hint = "In \"Phasors\": each phasor's length in twips and phase in degrees, and the "
             "sum's, below the diagrams."},
    {.id = "toolDescribe",
     .label = "Describe the picture",
     .menu = Menu::View,
     .key = {"D"},
     .separatorBefore = true,
     .service = [](EditionServices& services) { services.describePicture(); },
     .hint = "The whole picture in words, read by the screen reader; after each change it says "
             "what changed."},
    {.id = "toolCopyPicture",
     .label = "Copy picture",
     .menu = Menu::Picture,
     .key = {"C", true},
     .separatorBefore = true,
     .service = [](EditionServices& services) { services.copyPicture(); }},
    {.id = "toolSavePicture",
     .label = "Save picture",
     .menu = Menu::Picture,
     .key = {"S", true},
     .service = savePicture<1>,
     .hint = "A PNG at the picture's size on screen, and an SVG drawing."},
    {.id = "toolSavePictureLarge",
     .label = "Save picture at twice the size",
     .menu = Menu::Picture,
     .key = {"S", true, true},
     .service = savePicture<2>,
     .hint = "A PNG at twice the picture's size on screen, and an SVG drawing."},
    {.id = "toolFullScreen",
     .label = "Full screen",
     .menu = Menu::View,
     .key = {"F11"},
     .kind = Kind::Check,
     .separatorBefore = true,
     .service = [](EditionServices& services) { services.toggleFullScreen(); },
     .checked = [](const Form1&,
                   const EditionServices& services) { return services.fullScreen(); }},
    {.id = "toolCopySetUp",
     .label = "Copy set-up",
     .menu = Menu::Picture,
     .key = {"C", true, true},
     .service = [](EditionServices& services) { services.copySetUp(); },
     .hint = "The set-up on screen, as it opens again."},
    {.id = "toolKeys",
     .label = "Keys",
     .menu = Menu::Help,
     .key = {"K"},
     .service =
         [](EditionServices& services) {
             services.showMessage("Keys", keysText(services.edition()));
         },
     .hint = "Every key of the program, and what it does."},
    {.id = "toolAbout",
     .label = "About Orvo's Propagation Demos",
     .menu = Menu::Help,
     .key = {},
     .service =
         [](EditionServices& services) {
             services.showMessage("About Orvo's Propagation Demos", aboutText());
         }},
};

// The window's own keys, which no tool has: what the controls do under the keyboard and the wheel.
constexpr std::pair<std::string_view, std::string_view> kWindowKeys[] = {
    {"Tab, Shift+Tab", "the next or the previous list, button or scroll bar"},
    {"Space, Enter", "presses the button that has the focus"},
    {"Up, Down", "in a list: the entry above or below"},
    {"Alt+Down", "in a list: opens it"},
    {"Left, Right, Page Up, Page Down, Home, End", "moves the scroll bar that has the focus"},
    {"arrow keys", "on a phasor tip: moves it one grid step"},
    {"Shift+F10, Menu", "opens the tools' menu"},
    {"mouse wheel", "on the list or scroll bar that has the focus: the next entry or a step"},
};

constexpr Difference kDifferences[] = {
    {"toolFullScreen",
     Edition::Browser,
     {},
     {"F"},
     "F11 is the browser's own key for its full screen, which a page cannot take over"},
    {"toolSavePicture",
     Edition::Desktop,
     "Save picture...",
     {},
     "the desktop asks for a file name first, and there an entry that asks before it acts ends in "
     "an ellipsis; the browser downloads the files at once"},
    {"toolSavePictureLarge",
     Edition::Desktop,
     "Save picture at twice the size...",
     {},
     "as \"Save picture...\""},
    {"toolCopySetUp",
     Edition::Desktop,
     "Copy command line",
     {},
     "the desktop program opens a set-up from its command line"},
    {"toolCopySetUp",
     Edition::Browser,
     "Copy link to this set-up",
     {},
     "the page opens a set-up from its address"},
};

const Difference* differenceOf(const Tool& tool, Edition edition) {
    for (const Difference& d : kDifferences) {
        if (d.id == tool.id && d.edition == edition)
            return &d;
    }
    return nullptr;
}

}  // namespace

std::span<const Tool> tools() {
    return kTools;
}

std::span<const Difference> differences() {
    return kDifferences;
}

std::string_view titleOf(Menu menu) {
    switch (menu) {
        case Menu::Picture:
            return "Picture";
        case Menu::Animation:
            return "Animation";
        case Menu::Lessons:
            return "Lessons";
        case Menu::View:
            return "View";
        case Menu::Help:
            break;
    }
    return "Help";
}

std::vector<std::string> menuTitles() {
    std::vector<std::string> titles;
    for (const Menu menu : {Menu::Picture, Menu::Animation, Menu::Lessons, Menu::View, Menu::Help})
        titles.emplace_back(titleOf(menu));
    return titles;
}

std::string keysText(Edition edition) {
    std::string text;
    for (const Tool& tool : kTools) {
        const MenuKey key = keyIn(tool, edition);
        if (!key.key.empty())
            text += keyText(key) + "\t" + std::string(labelIn(tool, edition)) + "\n";
    }
    for (const auto& [keys, what] : kWindowKeys)
        text += std::string(keys) + "\t" + std::string(what) + "\n";
    return text;
}

std::string aboutText() {
    return "Orvo's Propagation Demos, version " PROPAGATION_VERSION
           ".\n\nA teaching program that shows how electromagnetic waves propagate: a plane "
           "wave, phase and group velocity, polarisation, Rayleigh and Ricean fading, and the "
           "addition of phasors.";
}

std::string_view labelIn(const Tool& tool, Edition edition) {
    const Difference* d = differenceOf(tool, edition);
    return d != nullptr && !d->label.empty() ? d->label : tool.label;
}

MenuKey keyIn(const Tool& tool, Edition edition) {
    const Difference* d = differenceOf(tool, edition);
    return d != nullptr && !d->key.key.empty() ? d->key : tool.key;
}

std::vector<MenuEntry> menu(Form1& form, EditionServices& services, Edition edition,
                            Deliver deliver) {
    std::vector<MenuEntry> entries;
    for (const Tool& tool : kTools) {
        MenuEntry entry;
        entry.id = tool.id;
        entry.label = labelIn(tool, edition);
        entry.menu = titleOf(tool.menu);
        entry.hint = tool.hint;
        entry.key = keyIn(tool, edition);
        entry.kind = tool.kind;
        entry.separatorBefore = tool.separatorBefore;
        if (tool.change != nullptr) {
            entry.run = [&form, deliver, change = tool.change] {
                deliver([&form, change] { change(form); });
            };
        } else {
            entry.run = [&services, service = tool.service] { service(services); };
        }
        if (tool.enabled != nullptr)
            entry.enabled = [&form, enabled = tool.enabled] { return enabled(form); };
        if (tool.checked != nullptr) {
            entry.checked = [&form, &services, checked = tool.checked] {
                return checked(form, services);
            };
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string pictureFileName(const Form1& form) {
    std::string demo;
    for (const char c : form.cmbDemo.text()) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (letter || (c >= 'A' && c <= 'Z')) {
            demo += letter ? c : static_cast<char>(c - 'A' + 'a');
        } else if (!demo.empty() && demo.back() != '-') {
            demo += '-';
        }
    }
    while (!demo.empty() && demo.back() == '-') demo.pop_back();
    return demo.empty() ? "propagation-demos" : "propagation-demos-" + demo;
}

}  // namespace tool_catalogue
