#include "web/page_services.h"

#include <emscripten/val.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "app/animation.h"
#include "app/form1.h"
#include "app/lesson_layer.h"
#include "app/setup_settings.h"
#include "i18n/translate.h"
#include "ui/web/dom_events.h"
#include "ui/web/web_form_view.h"

using emscripten::val;

namespace {

using Notice = WebFormView::Notice;

// The page's address without its fragment.
std::string pageAddress() {
    std::string address = val::global("location")["href"].as<std::string>();
    const std::size_t hash = address.find('#');
    return hash == std::string::npos ? address : address.substr(0, hash);
}

// The page's address without its query or fragment: where a page in another language opens.
std::string pageAddressWithoutQuery() {
    const std::string address = pageAddress();
    return address.substr(0, address.find('?'));
}

}  // namespace

struct PageServices::Recording {
    Recording(const Form1& form, int frames) : copy(form, frames) {}
    animation::Recording copy;
    val encoder = val::null();
    bool video = false;
    std::string name;
};

PageServices::PageServices(Form1& form, WebFormView& view)
    : form_(form), view_(view), narration_(form), message_(view.stage()) {
    view_.setLessonLayer([&form] { return lessonLayer(form); });
    narration_.speakThrough(
        view_, [] { return val::global("performance").call<double>("now"); },
        [](double delay, std::function<void()> action) {
            val::global("setTimeout")(DomEvents::function([action](val) { action(); }), delay);
        });
    menu_ = std::make_unique<ToolMenu>(
        view_.stage(), tool_catalogue::menu(
                           form_, *this, tool_catalogue::Edition::Browser,
                           [this](const std::function<void()>& action) { view_.deliver(action); }));
    view_.setToolsButton([this](double x, double y) { menu_->openAt(x, y); });
    recordStep_ = DomEvents::function([this](val) { recordStep(); });
    // The file, or the promise of it that the video gives, is saved once it is made.
    recordFinish_ = DomEvents::function([this](val) {
        if (recording_) {
            val::global("Promise")
                .call<val>("resolve", recording_->encoder.call<val>("finish"))
                .call<val>("then", recordSaved_);
        }
    });
    recordSaved_ = DomEvents::function([this](val blob) {
        if (recording_ && !blob.isNull() && !blob.isUndefined())
            BrowserServices::saveBlob(blob, recording_->name);
        recording_.reset();
        view_.showNotice(i18n::tr("The animation is saved."), Notice::Information);
    });
    // A link to another set-up opened in the same tab changes only the fragment: no new page.
    DomEvents::listen(val::global("window"), "hashchange", [this](val) { applyAddressSetup(); });
}

// The languages by their own names; the one picked opens the page again in it, on the set-up on
// screen.
void PageServices::chooseLanguage() {
    std::vector<std::pair<std::string, std::string>> choices;
    for (const i18n::Language& language : i18n::languages())
        choices.emplace_back(std::string(language.code), std::string(language.name));
    message_.choose(
        i18n::tr("Language..."), choices, std::string(i18n::language().code),
        [this](const std::string& code) {
            SetupSettings setup = SetupSettings::fromWindow(form_);
            setup.language.reset();
            val::global("location")
                .set("href",
                     pageAddressWithoutQuery() + "?lang=" + code + "#" + setup.toFragment());
        },
        MessageDialog::Codes::Languages);
}

void PageServices::showMessage(const std::string& title, const std::string& text) {
    message_.show(title, text);
}

// What a copy to the clipboard says in the page: `copied` when it worked, else `refused` with the
// browser's reason.
BrowserServices::Done PageServices::told(const char* copied, const char* refused) {
    return [this, copied, refused](const std::string& refusal) {
        if (refusal.empty()) {
            view_.showNotice(i18n::tr(copied), Notice::Information);
        } else {
            view_.showNotice(i18n::format(i18n::tr(refused), {refusal}), Notice::Problem);
        }
    };
}

void PageServices::copyPicture() {
    services_.copyPng(view_.renderPicture(1),
                      told(N_("The picture is on the clipboard."),
                           N_("The browser did not let the page copy the picture (%1$s). \"Save "
                              "picture\" (Ctrl+S) saves it as a file instead.")));
}

void PageServices::savePicture(int factor) {
    const std::string name = tool_catalogue::pictureFileName(form_);
    services_.savePng(view_.renderPicture(factor), name + (factor > 1 ? "-2x" : "") + ".png");
    BrowserServices::saveText(view_.pictureSvg(), "image/svg+xml", name + ".svg");
}

bool PageServices::fullScreen() const {
    return BrowserServices::fullScreen();
}

void PageServices::toggleFullScreen() {
    services_.setFullScreen(val::global("document")["documentElement"],
                            !BrowserServices::fullScreen(), [this](const std::string& refusal) {
                                if (!refusal.empty()) {
                                    view_.showNotice(
                                        i18n::format(i18n::tr("The browser did not change to full "
                                                              "screen (%1$s). Its own key, F11, "
                                                              "may do it."),
                                                     {refusal}),
                                        Notice::Problem);
                                }
                            });
}

void PageServices::copySetUp() {
    const std::string link = pageAddress() + "#" + SetupSettings::fromWindow(form_).toFragment();
    // The address bar shows the link as well: a reload gives this set-up back.
    val::global("history").call<void>("replaceState", val::null(), val(""), link);
    services_.copyText(link, told(N_("The link to this set-up is on the clipboard."),
                                  N_("The browser did not let the page copy the link (%1$s). The "
                                     "address bar shows it: copy it from there.")));
}

void PageServices::copyData() {
    services_.copyText(tool_catalogue::dataText(form_),
                       told(N_("The numbers behind the picture are on the clipboard."),
                            N_("The browser did not let the page copy the numbers (%1$s). \"Save "
                               "data\" saves them as files instead.")));
}

// A download a table, each named after the picture and its table.
void PageServices::saveData() {
    for (const tool_catalogue::DataFile& file :
         tool_catalogue::dataFiles(form_, tool_catalogue::pictureFileName(form_)))
        BrowserServices::saveText(file.text, "text/csv", file.name);
}

void PageServices::applyAddressSetup() {
    const std::string fragment = val::global("location")["hash"].as<std::string>();
    if (fragment.empty() || fragment == "#")
        return;
    // "record-animation" and "frames=N" record the set-up's animation once it is made, for
    // scripted slides, as --record-animation and --frames do on the desktop.
    std::string setup;
    std::string error;
    bool record = false;
    int frames = 0;
    for (std::size_t at = fragment[0] == '#' ? 1 : 0; at <= fragment.size();) {
        const std::size_t end = std::min(fragment.find('&', at), fragment.size());
        const std::string item = fragment.substr(at, end - at);
        at = end + 1;
        if (item == "record-animation") {
            record = true;
        } else if (item.rfind("frames=", 0) == 0) {
            const std::optional<int> n = animation::framesFrom(item.substr(7));
            if (!n)
                error = "frames takes 1 to " + std::to_string(animation::kMaxFrames);
            frames = n.value_or(0);
        } else if (!item.empty()) {
            setup += (setup.empty() ? "" : "&") + item;
        }
    }
    if (error.empty()) {
        const ParsedSetup parsed = SetupSettings::fromFragment(setup);
        error = parsed.error;
        if (error.empty()) {
            error = parsed.settings.apply(
                form_, [this](const std::function<void()>& action) { view_.deliver(action); });
        }
    }
    if (error.empty() && record && !recording_)
        startRecording("gif", frames > 0 ? frames : animation::lengthOf(form_).frames);
    if (!error.empty()) {
        view_.showNotice(
            i18n::format(i18n::tr("The set-up in the page's address was not used: %1$s."), {error}),
            Notice::Problem);
    } else {
        view_.closeNotice();  // a complaint about an earlier address no longer holds
    }
}

void PageServices::describePicture() {
    narration_.sayAll();
}

PageServices::~PageServices() = default;

// The length and the file first: one loop (or 10 s of a picture that never repeats), 5 or 30 s of
// fading, or a WebM video of the same frames where the browser can make one.
void PageServices::recordAnimation() {
    if (recording_)
        return;
    const animation::Length length = animation::lengthOf(form_);
    const int perSecond = 1000 / animation::frameMilliseconds(form_);
    std::vector<std::pair<std::string, std::string>> choices;
    const std::string frames = std::to_string(length.frames);
    choices.emplace_back("gif:" + frames,
                         length.loops
                             ? i18n::format(i18n::tr("GIF, one loop: %1$s frames"), {frames})
                             : i18n::format(i18n::tr("GIF: %1$s frames"), {frames}));
    if (!length.loops && length.frames > 1) {
        for (const int s : {5, 30}) {
            const std::string n = std::to_string(s * perSecond);
            choices.emplace_back(
                "gif:" + n,
                i18n::format(i18n::tr("GIF, %1$s seconds: %2$s frames"), {std::to_string(s), n}));
        }
    }
    if (val::global("propagationAnimation").call<bool>("webmAvailable")) {
        choices.emplace_back("webm:" + frames,
                             i18n::format(i18n::tr("WebM video: %1$s frames"), {frames}));
    }
    message_.choose(i18n::tr("Record animation"), choices, choices.front().first,
                    [this](const std::string& code) {
                        const std::size_t colon = code.find(':');
                        startRecording(code.substr(0, colon),
                                       std::atoi(code.substr(colon + 1).c_str()));
                    });
}

void PageServices::startRecording(const std::string& format, int frames) {
    recording_ = std::make_unique<Recording>(form_, frames);
    recording_->video = format == "webm";
    recording_->name =
        tool_catalogue::pictureFileName(form_) + (recording_->video ? ".webm" : ".gif");
    val canvas =
        view_.renderPictureOf(recording_->copy.window(), lessonLayer(recording_->copy.window()), 1);
    recording_->encoder =
        val::global("propagationAnimation")
            .call<val>(recording_->video ? "webm" : "gif", canvas["width"], canvas["height"]);
    recordStep();
}

// One frame a step: the next is drawn as soon as the page has answered (a GIF), or when this one's
// time is up (the video films the frames as they show).
void PageServices::recordStep() {
    if (!recording_)
        return;
    animation::Recording& copy = recording_->copy;
    const int milliseconds = animation::frameMilliseconds(copy.window());
    recording_->encoder.call<void>(
        "add", view_.renderPictureOf(copy.window(), lessonLayer(copy.window()), 1), milliseconds);
    if (copy.frame() % 10 == 0 || copy.atLastFrame()) {
        view_.showNotice(
            i18n::format(i18n::tr("Recording the animation: frame %1$s of %2$s."),
                         {std::to_string(copy.frame() + 1), std::to_string(copy.frames())}),
            Notice::Information);
    }
    if (copy.atLastFrame()) {
        if (recording_->video) {
            // The last frame shows its time before the video stops.
            val::global("setTimeout")(recordFinish_, milliseconds);
        } else {
            recordFinish_(val::null());
        }
        return;
    }
    copy.advance();
    val::global("setTimeout")(recordStep_, recording_->video ? milliseconds : 0);
}
