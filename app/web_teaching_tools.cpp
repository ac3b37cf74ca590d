#include "app/web_teaching_tools.h"

#include <emscripten/val.h>

#include <cctype>
#include <vector>

#include "app/form1.h"
#include "app/form_options.h"
#include "app/setup_settings.h"
#include "ui/web/dom_events.h"
#include "ui/web/web_form_view.h"

using emscripten::val;

namespace {

using Tool = ToolMenu::Tool;
using Speed = TeachingTools::Speed;
using Notice = WebFormView::Notice;

// The page's address without its fragment.
std::string pageAddress() {
    std::string address = val::global("location")["href"].as<std::string>();
    const std::size_t hash = address.find('#');
    return hash == std::string::npos ? address : address.substr(0, hash);
}

}  // namespace

WebTeachingTools::WebTeachingTools(Form1& form, WebFormView& view) : form_(form), view_(view) {
    view_.setFormOptions([&form] { return formOptions(form); });
    std::vector<Tool> tools;
    tools.push_back({.id = "toolStep",
                     .label = "Step one frame",
                     .shortcut = {"."},
                     .run = [this] { view_.deliver([this] { form_.tools.stepOneFrame(); }); },
                     .enabled = [this] { return form_.tools.paused(); }});
    const struct {
        const char* id;
        const char* label;
        const char* key;
        Speed speed;
    } speeds[] = {{"toolSpeedNormal", "Normal speed", "1", Speed::Normal},
                  {"toolSpeedHalf", "Half speed", "2", Speed::Half},
                  {"toolSpeedQuarter", "Quarter speed", "3", Speed::Quarter}};
    for (const auto& s : speeds) {
        const Speed speed = s.speed;
        tools.push_back(
            {.id = s.id,
             .label = s.label,
             .shortcut = {s.key, true},
             .kind = Tool::Kind::Radio,
             .run = [this,
                     speed] { view_.deliver([this, speed] { form_.tools.setSpeed(speed); }); },
             .checked = [this, speed] { return form_.tools.speed() == speed; },
             .separatorBefore = speed == Speed::Normal});
    }
    tools.push_back(
        {.id = "toolTheory",
         .label = "Theory curve",
         .shortcut = {"t"},
         .kind = Tool::Kind::Check,
         .run = [this] { view_.deliver([this] { form_.tools.toggleTheory(); }); },
         .enabled = [this] { return form_.tools.theoryCanToggle(); },
         .checked = [this] { return form_.tools.theory() != TeachingTools::Theory::Off; },
         .separatorBefore = true});
    tools.push_back({.id = "toolProjector",
                     .label = "Projector contrast",
                     .shortcut = {"p"},
                     .kind = Tool::Kind::Check,
                     .run = [this] { view_.deliver([this] { form_.tools.toggleProjector(); }); },
                     .checked = [this] { return form_.tools.projector(); }});
    tools.push_back({.id = "toolCopyPicture",
                     .label = "Copy picture",
                     .shortcut = {"c", true},
                     .run = [this] { copyPicture(); },
                     .separatorBefore = true});
    tools.push_back(
        {.id = "toolSavePicture", .label = "Save picture", .shortcut = {"s", true}, .run = [this] {
             savePicture(1);
         }});
    tools.push_back({.id = "toolSavePictureLarge",
                     .label = "Save picture at twice the size",
                     .shortcut = {"s", true, true},
                     .run = [this] { savePicture(2); }});
    tools.push_back({.id = "toolFullScreen",
                     .label = "Full screen",
                     .shortcut = {"f"},
                     .kind = Tool::Kind::Check,
                     .run = [this] { toggleFullScreen(); },
                     .checked = [] { return PageServices::fullScreen(); },
                     .separatorBefore = true});
    tools.push_back({.id = "toolCopyLink",
                     .label = "Copy link to this set-up",
                     .shortcut = {"c", true, true},
                     .run = [this] { copyLink(); }});
    menu_ = std::make_unique<ToolMenu>(view_.stage(), std::move(tools));
    // A link to another set-up opened in the same tab changes only the fragment: no new page.
    DomEvents::listen(val::global("window"), "hashchange", [this](val) { applyAddressSetup(); });
}

// "propagation-demos-ricean": the demonstration's name as a file name can carry it.
std::string WebTeachingTools::fileName() const {
    std::string name = "propagation-demos";
    std::string demo;
    for (const char c : form_.cmbDemo.text()) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u) && u < 128) {
            demo += static_cast<char>(std::tolower(u));
        } else if (!demo.empty() && demo.back() != '-') {
            demo += '-';
        }
    }
    while (!demo.empty() && demo.back() == '-') demo.pop_back();
    return demo.empty() ? name : name + "-" + demo;
}

void WebTeachingTools::copyPicture() {
    services_.copyPng(view_.renderPicture(1), [this](const std::string& refusal) {
        if (refusal.empty()) {
            view_.showNotice("The picture is on the clipboard.", Notice::Information);
        } else {
            view_.showNotice("The browser did not let the page copy the picture (" + refusal +
                                 "). \"Save picture\" (Ctrl+S) saves it as a file instead.",
                             Notice::Problem);
        }
    });
}

void WebTeachingTools::savePicture(double factor) {
    const std::string name = fileName() + (factor > 1 ? "-2x" : "");
    services_.savePng(view_.renderPicture(factor), name + ".png");
    PageServices::saveText(view_.pictureSvg(), "image/svg+xml", fileName() + ".svg");
}

void WebTeachingTools::toggleFullScreen() {
    services_.setFullScreen(val::global("document")["documentElement"], !PageServices::fullScreen(),
                            [this](const std::string& refusal) {
                                if (!refusal.empty()) {
                                    view_.showNotice("The browser did not change to full screen (" +
                                                         refusal +
                                                         "). Its own key, F11, may do it.",
                                                     Notice::Problem);
                                }
                            });
}

void WebTeachingTools::copyLink() {
    const std::string link = pageAddress() + "#" + SetupSettings::fromWindow(form_).toFragment();
    // The address bar shows the link as well: a reload gives this set-up back.
    val::global("history").call<void>("replaceState", val::null(), val(""), link);
    services_.copyText(link, [this](const std::string& refusal) {
        if (refusal.empty()) {
            view_.showNotice("The link to this set-up is on the clipboard.", Notice::Information);
        } else {
            view_.showNotice("The browser did not let the page copy the link (" + refusal +
                                 "). The address bar shows it: copy it from there.",
                             Notice::Problem);
        }
    });
}

void WebTeachingTools::applyAddressSetup() {
    const std::string fragment = val::global("location")["hash"].as<std::string>();
    if (fragment.empty() || fragment == "#")
        return;
    const ParsedSetup parsed = SetupSettings::fromFragment(fragment);
    std::string error = parsed.error;
    if (error.empty()) {
        error = parsed.settings.apply(
            form_, [this](const std::function<void()>& action) { view_.deliver(action); });
    }
    if (!error.empty()) {
        view_.showNotice("The set-up in the page's address was not used: " + error + ".",
                         Notice::Problem);
    } else {
        view_.closeNotice();  // a complaint about an earlier address no longer holds
    }
}
