#include "app/tool_catalogue.h"

#include <algorithm>

#include "app/form1.h"
#include "demos/demonstrations.h"
#include "i18n/translate.h"

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
     .label = N_("Step one frame"),
     .menu = Menu::Animation,
     .key = {"."},
     .change = [](Form1& form) { form.lesson.stepOneFrame(); },
     .enabled = [](const Form1& form) { return form.lesson.paused(); },
     .hint = N_("While paused: the next frame, exactly as one tick of the timer draws it.")},
    {.id = "toolSpeedNormal",
     .label = N_("Normal speed"),
     .menu = Menu::Animation,
     .key = {"1", true},
     .kind = Kind::Choice,
     .separatorBefore = true,
     .change = setSpeed<Speed::Normal>,
     .checked = isSpeed<Speed::Normal>,
     .hint = N_("Ten frames a second.")},
    {.id = "toolSpeedHalf",
     .label = N_("Half speed"),
     .menu = Menu::Animation,
     .key = {"2", true},
     .kind = Kind::Choice,
     .change = setSpeed<Speed::Half>,
     .checked = isSpeed<Speed::Half>,
     .hint = N_("Slow motion: a frame every 200 ms; each frame is the same frame.")},
    {.id = "toolSpeedQuarter",
     .label = N_("Quarter speed"),
     .menu = Menu::Animation,
     .key = {"3", true},
     .kind = Kind::Choice,
     .change = setSpeed<Speed::Quarter>,
     .checked = isSpeed<Speed::Quarter>,
     .hint = N_("Slow motion: a frame every 400 ms; each frame is the same frame.")},
    {.id = "toolRecordAnimation",
     .label = N_("Record animation"),
     .menu = Menu::Animation,
     .key = {"A"},
     .separatorBefore = true,
     .service = [](EditionServices& services) { services.recordAnimation(); },
     .hint = N_("An animated GIF for slides, from the picture on show, at the speed chosen: one "
                "period of a wave or a turn of the polarisation, so that it loops without a jump; "
                "10 seconds of fading.")},
    {.id = "toolTheory",
     .label = N_("Theory curve"),
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
     .hint =
         N_("Over the histogram of \"Rayleigh\" or \"Ricean\". For the bars to meet the curve, "
            "raise \"Speed\" to 20 before pressing \"Histogram\" (frames counted stay counted), "
            "then wait some minutes: a few thousand frames.")},
    {.id = "toolProjector",
     .label = N_("Projector contrast"),
     .menu = Menu::View,
     .key = {"P"},
     .kind = Kind::Check,
     .change = [](Form1& form) { form.lesson.toggleProjector(); },
     .checked = [](const Form1& form, const EditionServices&) { return form.lesson.projector(); },
     .hint = N_("A white background, and every line and border at least 2 pixels wide.")},
    {.id = "toolFadingRecord",
     .label = N_("Fading record"),
     .menu = Menu::Lessons,
     .key = {"R"},
     .kind = Kind::Check,
     .separatorBefore = true,
     .change = [](Form1& form) { form.lesson.toggleFadingRecord(); },
     .enabled = [](const Form1& form) { return form.lesson.recordCanToggle(); },
     .checked = [](const Form1& form,
                   const EditionServices&) { return form.lesson.fadingRecord(); },
     .hint =
         N_("In \"Rayleigh\" and \"Ricean\": the envelope of the last 300 frames in dB, and the "
            "share of frames below the threshold against the theory. Raise \"Speed\" for the "
            "statistics of many independent fades.")},
    {.id = "toolThresholdDown",
     .label = N_("Lower the record's threshold"),
     .menu = Menu::Lessons,
     .key = {"["},
     .change = [](Form1& form) { form.lesson.lowerThreshold(); },
     .enabled =
         [](const Form1& form) {
             return form.lesson.recordShown() &&
                    form.lesson.threshold() > LessonState::kLowestThreshold;
         },
     .hint = N_("5 dB lower, down to -30 dB.")},
    {.id = "toolThresholdUp",
     .label = N_("Raise the record's threshold"),
     .menu = Menu::Lessons,
     .key = {"]"},
     .change = [](Form1& form) { form.lesson.raiseThreshold(); },
     .enabled =
         [](const Form1& form) {
             return form.lesson.recordShown() &&
                    form.lesson.threshold() < LessonState::kHighestThreshold;
         },
     .hint = N_("5 dB higher, up to +5 dB.")},
    {.id = "toolEllipse",
     .label = N_("Polarisation ellipse"),
     .menu = Menu::Lessons,
     .key = {"E"},
     .kind = Kind::Check,
     .change = [](Form1& form) { form.lesson.toggleEllipse(); },
     .enabled = [](const Form1& form) { return form.lesson.ellipseCanToggle(); },
     .checked = [](const Form1& form, const EditionServices&) { return form.lesson.ellipse(); },
     .hint = N_("In \"Polarisation\": the path of the sum over the last cycle, and its kind, "
                "handedness, axial ratio and tilt.")},
    {.id = "toolPhasorNumbers",
     .label = N_("Phasor numbers"),
     .menu = Menu::Lessons,
     .key = {"N"},
     .kind = Kind::Check,
     .change = [](Form1& form) { form.lesson.togglePhasorNumbers(); },
     .enabled = [](const Form1& form) { return form.lesson.numbersCanToggle(); },
     .checked = [](const Form1& form,
                   const EditionServices&) { return form.lesson.phasorNumbers(); },
     .hint = N_("In \"Phasors\": each phasor's length in twips and phase in degrees, and the "
                "sum's, below the diagrams.")},
    {.id = "toolDescribe",
     .label = N_("Describe the picture"),
     .menu = Menu::View,
     .key = {"D"},
     .separatorBefore = true,
     .service = [](EditionServices& services) { services.describePicture(); },
     .hint = N_("The whole picture in words, read by the screen reader; after each change it says "
                "what changed.")},
    {.id = "toolCopyPicture",
     .label = N_("Copy picture"),
     .menu = Menu::Picture,
     .key = {"C", true},
     .separatorBefore = true,
     .service = [](EditionServices& services) { services.copyPicture(); }},
    {.id = "toolSavePicture",
     .label = N_("Save picture"),
     .menu = Menu::Picture,
     .key = {"S", true},
     .service = savePicture<1>,
     .hint = N_("A PNG at the picture's size on screen, and an SVG drawing.")},
    {.id = "toolSavePictureLarge",
     .label = N_("Save picture at twice the size"),
     .menu = Menu::Picture,
     .key = {"S", true, true},
     .service = savePicture<2>,
     .hint = N_("A PNG at twice the picture's size on screen, and an SVG drawing.")},
    {.id = "toolFullScreen",
     .label = N_("Full screen"),
     .menu = Menu::View,
     .key = {"F11"},
     .kind = Kind::Check,
     .separatorBefore = true,
     .service = [](EditionServices& services) { services.toggleFullScreen(); },
     .checked = [](const Form1&,
                   const EditionServices& services) { return services.fullScreen(); }},
    {.id = "toolCopySetUp",
     .label = N_("Copy set-up"),
     .menu = Menu::Picture,
     .key = {"C", true, true},
     .service = [](EditionServices& services) { services.copySetUp(); },
     .hint = N_("The set-up on screen, as it opens again.")},
    {.id = "toolCopyData",
     .label = N_("Copy data"),
     .menu = Menu::Picture,
     .key = {},
     .separatorBefore = true,
     .service = [](EditionServices& services) { services.copyData(); },
     .enabled = [](const Form1& form) { return demos::shown(form) != nullptr; },
     .hint = N_("The numbers behind the picture as CSV text for a spreadsheet: the samples, rays, "
                "bins or phasors on show, one table after another.")},
    {.id = "toolSaveData",
     .label = N_("Save data"),
     .menu = Menu::Picture,
     .key = {},
     .service = [](EditionServices& services) { services.saveData(); },
     .enabled = [](const Form1& form) { return demos::shown(form) != nullptr; },
     .hint = N_("The numbers behind the picture as CSV files, one a table, each named after its "
                "table (\"-rays\", \"-histogram\").")},
    {.id = "toolLanguage",
     .label = N_("Language..."),
     .menu = Menu::View,
     .key = {},
     .separatorBefore = true,
     .service = [](EditionServices& services) { services.chooseLanguage(); },
     .hint = N_("The language of the window and of everything it says.")},
    {.id = "toolKeys",
     .label = N_("Keys"),
     .menu = Menu::Help,
     .key = {"K"},
     .service =
         [](EditionServices& services) {
             services.showMessage(i18n::tr("Keys"), keysText(services.edition()));
         },
     .hint = N_("Every key of the program, and what it does.")},
    {.id = "toolAbout",
     .label = N_("About Orvo's Propagation Demos"),
     .menu = Menu::Help,
     .key = {},
     .service =
         [](EditionServices& services) {
             services.showMessage(i18n::tr("About Orvo's Propagation Demos"), aboutText());
         }},
};

// The window's own keys, which no tool has: what the controls do under the keyboard and the wheel.
constexpr std::pair<std::string_view, std::string_view> kWindowKeys[] = {
    {N_("Tab, Shift+Tab"), N_("the next or the previous list, button or scroll bar")},
    {N_("Space, Enter"), N_("presses the button that has the focus")},
    {N_("Up, Down"), N_("in a list: the entry above or below")},
    {N_("Alt+Down"), N_("in a list: opens it")},
    {N_("Left, Right, Page Up, Page Down, Home, End"),
     N_("moves the scroll bar that has the focus")},
    {N_("arrow keys"), N_("on a phasor tip: moves it one grid step")},
    {N_("Shift+F10, Menu"), N_("opens the tools' menu")},
    {N_("mouse wheel"),
     N_("on the list or scroll bar that has the focus: the next entry or a step")},
};

constexpr Difference kDifferences[] = {
    {"toolFullScreen",
     Edition::Browser,
     {},
     {"F"},
     "F11 is the browser's own key for its full screen, which a page cannot take over"},
    {"toolSavePicture",
     Edition::Desktop,
     N_("Save picture..."),
     {},
     "the desktop asks for a file name first, and there an entry that asks before it acts ends in "
     "an ellipsis; the browser downloads the files at once"},
    {"toolSavePictureLarge",
     Edition::Desktop,
     N_("Save picture at twice the size..."),
     {},
     "as \"Save picture...\""},
    {"toolRecordAnimation",
     Edition::Desktop,
     N_("Record animation..."),
     {},
     "as \"Save picture...\": the desktop asks for the length and a file name first"},
    {"toolSaveData",
     Edition::Desktop,
     N_("Save data..."),
     {},
     "as \"Save picture...\": the desktop asks for the file name first"},
    {"toolCopySetUp",
     Edition::Desktop,
     N_("Copy command line"),
     {},
     "the desktop program opens a set-up from its command line"},
    {"toolCopySetUp",
     Edition::Browser,
     N_("Copy link to this set-up"),
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
            return N_("Picture");
        case Menu::Animation:
            return N_("Animation");
        case Menu::Lessons:
            return N_("Lessons");
        case Menu::View:
            return N_("View");
        case Menu::Help:
            break;
    }
    return N_("Help");
}

std::vector<std::string> menuTitles() {
    std::vector<std::string> titles;
    for (const Menu menu : {Menu::Picture, Menu::Animation, Menu::Lessons, Menu::View, Menu::Help})
        titles.emplace_back(titleOf(menu));
    return titles;
}

std::vector<std::pair<std::string, std::string>> keyRows(Edition edition) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const Tool& tool : kTools) {
        const MenuKey key = keyIn(tool, edition);
        if (!key.key.empty())
            rows.emplace_back(keyText(key), i18n::tr(labelIn(tool, edition).data()));
    }
    for (const auto& [keys, what] : kWindowKeys)
        rows.emplace_back(i18n::tr(keys.data()), i18n::tr(what.data()));
    return rows;
}

// A row a line, the key and what it does parted by a tab: the messages show them as a table.
std::string keysText(Edition edition) {
    std::string text;
    for (const auto& [keys, what] : keyRows(edition)) text += keys + "\t" + what + "\n";
    return text;
}

std::string aboutText() {
    return i18n::format(
        i18n::tr("Orvo's Propagation Demos, version %1$s.\n\nA teaching program that shows how "
                 "electromagnetic waves propagate: a plane wave, phase and group velocity, "
                 "polarisation, Rayleigh and Ricean fading, and the addition of phasors."),
        {PROPAGATION_VERSION});
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
        entry.label = i18n::tr(labelIn(tool, edition).data());
        entry.menu = titleOf(tool.menu);
        entry.hint = tool.hint.empty() ? "" : i18n::tr(tool.hint.data());
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

std::string dataText(const Form1& form) {
    return data_tables::clipboardText(demos::dataOf(form));
}

std::vector<DataFile> dataFiles(const Form1& form, std::string_view stem) {
    std::vector<DataFile> files;
    for (const DataTable& table : demos::dataOf(form))
        files.push_back({data_tables::fileName(stem, table), table.csv()});
    return files;
}

}  // namespace tool_catalogue
