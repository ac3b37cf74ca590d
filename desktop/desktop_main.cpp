#include "desktop/desktop_main.h"

#include <QApplication>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/animation.h"
#include "app/form1.h"
#include "app/setup_settings.h"
#include "app/tool_catalogue.h"
#include "desktop/animation_recorder.h"
#include "desktop/desktop_window.h"
#include "i18n/translate.h"
#include "ui/qt/form_view.h"

// QApplication keeps a reference to the count of arguments: `argc` lives as long as it does.
namespace {

// Qt's own options, which it takes from the command line once it starts: one dash, as Qt writes
// them. Anything else that is not a setting is refused before the program needs a display.
bool looksLikeToolkitOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-' && argument[1] != '-';
}

// The user's languages as gettext reads them: the list in LANGUAGE (unless the locale is "C"),
// then the locale of LC_ALL, LC_MESSAGES or LANG, the first of them that is set.
std::vector<std::string> systemLanguages() {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    }
    std::vector<std::string> languages;
    const char* list = std::getenv("LANGUAGE");
    if (list != nullptr && locale != "C" && locale != "POSIX") {
        const std::string text = list;
        for (std::size_t at = 0; at <= text.size();) {
            const std::size_t end = std::min(text.find(':', at), text.size());
            if (end > at)
                languages.push_back(text.substr(at, end - at));
            at = end + 1;
        }
    }
    if (!locale.empty())
        languages.push_back(locale);
    return languages;
}

// "--record-animation FILE [--frames N]" (or "--name=value"): the animation written as a GIF for
// slides, and no window shown. Taken out of `arguments`; on a bad value, its error.
struct AnimationRequest {
    std::string file;
    int frames = 0;  // 0: one loop, or 10 s of a picture that never repeats
};
std::string takeAnimationRequest(std::vector<std::string>& arguments, AnimationRequest& request) {
    std::vector<std::string> rest;
    std::string error;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (name != "--record-animation" && name != "--frames") {
            rest.push_back(argument);
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        }
        if (value.empty()) {
            error = "\"" + name + "\" needs a value";
        } else if (name == "--record-animation") {
            request.file = value;
        } else {
            const std::optional<int> frames = animation::framesFrom(value);
            if (!frames)
                error = "--frames takes 1 to " + std::to_string(animation::kMaxFrames);
            request.frames = frames.value_or(0);
        }
    }
    if (error.empty() && request.frames > 0 && request.file.empty())
        error = "--frames goes with --record-animation";
    arguments = rest;
    return error;
}

}  // namespace

int runDesktop(int argc, char* argv[], const std::function<void(QWidget&)>& beforeShow) {
    // The command line is read before the toolkit needs a screen: the help and a refused set-up
    // answer on a machine without a display.
    std::vector<std::string> given(argv + 1, argv + argc);
    AnimationRequest animation;
    const std::string animationError = takeAnimationRequest(given, animation);
    const ParsedSetup early = SetupSettings::fromArguments(given, SetupSettings::Unknown::PassOn);
    // The language: --language, else the system's; English where there is no catalogue.
    i18n::setLanguage(early.settings.language.value_or(i18n::pickLanguage(systemLanguages())));
    if (given.size() == 1 && (given[0] == "--help" || given[0] == "-h")) {
        std::printf(
            "Usage: propagation-demos [SETTINGS] [--record-animation FILE.gif [--frames "
            "N]]\n\nSettings:\n%s\nWith --record-animation the window is not shown: the "
            "animation from the set-up is written as a looping GIF, one period of a "
            "repeating picture or N frames.\n\nKeys in the window:\n",
            SetupSettings::usage());
        // A key and what it does, a line each, the key's column as wide as the widest.
        const auto rows = tool_catalogue::keyRows(tool_catalogue::Edition::Desktop);
        std::size_t width = 0;
        for (const auto& row : rows) width = std::max(width, row.first.size());
        for (const auto& [keys, what] : rows)
            std::printf("  %-*s  %s\n", static_cast<int>(width), keys.c_str(), what.c_str());
        return 0;
    }
    std::string error = early.error.empty() ? animationError : early.error;
    for (const std::string& argument : early.unclaimed) {
        if (error.empty() && !looksLikeToolkitOption(argument))
            error =
                (argument.rfind("--", 0) == 0 ? "unknown setting \"" : "unexpected argument \"") +
                argument.substr(0, argument.find('=')) + "\"";
    }
    if (error.empty()) {
        // The settings are checked against a window of the model's, which needs no screen.
        Form1 probe;
        probe.load();
        error = early.settings.apply(probe, [](const std::function<void()>& action) { action(); });
    }
    if (!error.empty()) {
        std::fprintf(stderr, "propagation-demos: %s\n", error.c_str());
        return 2;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvo's Propagation Demos");
    QApplication::setApplicationVersion(PROPAGATION_VERSION);
    // Arabic reads from the right: the menus and the lists' texts; the form's picture and the
    // places of its controls are the same in every language.
    if (i18n::language().rightToLeft)
        QApplication::setLayoutDirection(Qt::RightToLeft);
    // Screen readers read the window in its language.
    if (i18n::language().code != "en")
        QLocale::setDefault(QLocale(QString::fromUtf8(i18n::language().code).replace('-', '_')));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("org.orvo.PropagationDemos");

    // What Qt left of the command line: a toolkit option it did not know is refused here.
    std::vector<std::string> arguments;
    const QStringList left = QCoreApplication::arguments();
    for (qsizetype i = 1; i < left.size(); ++i) arguments.push_back(left[i].toStdString());
    takeAnimationRequest(arguments, animation);
    const ParsedSetup setup = SetupSettings::fromArguments(arguments);
    if (!setup.ok()) {
        std::fprintf(stderr, "propagation-demos: %s\n", setup.error.c_str());
        return 2;
    }

    Form1 form;
    DesktopWindow main(form);
    FormView& window = main.view();
    if (beforeShow)
        beforeShow(window);
    window.load();
    setup.settings.apply(form,
                         [&](const std::function<void()>& action) { window.deliver(action); });
    if (!animation.file.empty()) {
        const std::string failed = animation_recorder::recordGif(
            form, window.designSize(),
            animation.frames > 0 ? animation.frames : animation::lengthOf(form).frames,
            QString::fromStdString(animation.file));
        if (!failed.empty())
            std::fprintf(stderr, "propagation-demos: %s\n", failed.c_str());
        return failed.empty() ? 0 : 1;
    }
    main.show();
    return QApplication::exec();
}
