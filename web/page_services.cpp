#include "web/page_services.h"

#include <emscripten/val.h>

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
    // A link to another set-up opened in the same tab changes only the fragment: no new page.
    DomEvents::listen(val::global("window"), "hashchange", [this](val) { applyAddressSetup(); });
}

// The languages by their own names; the one picked opens the page again in it, on the set-up on
// screen.
void PageServices::chooseLanguage() {
    std::vector<std::pair<std::string, std::string>> choices;
    for (const i18n::Language& language : i18n::languages())
        choices.emplace_back(std::string(language.code), std::string(language.name));
    message_.choose(i18n::tr("Language..."), choices, std::string(i18n::language().code),
                    [this](const std::string& code) {
                        SetupSettings setup = SetupSettings::fromWindow(form_);
                        setup.language.reset();
                        val::global("location")
                            .set("href", pageAddressWithoutQuery() + "?lang=" + code + "#" +
                                             setup.toFragment());
                    });
}

void PageServices::showMessage(const std::string& title, const std::string& text) {
    message_.show(title, text);
}

void PageServices::copyPicture() {
    services_.copyPng(view_.renderPicture(1), [this](const std::string& refusal) {
        if (refusal.empty()) {
            view_.showNotice(i18n::tr("The picture is on the clipboard."), Notice::Information);
        } else {
            view_.showNotice(i18n::format(i18n::tr("The browser did not let the page copy the "
                                                   "picture (%1$s). \"Save picture\" (Ctrl+S) "
                                                   "saves it as a file instead."),
                                          {refusal}),
                             Notice::Problem);
        }
    });
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
    services_.copyText(link, [this](const std::string& refusal) {
        if (refusal.empty()) {
            view_.showNotice(i18n::tr("The link to this set-up is on the clipboard."),
                             Notice::Information);
        } else {
            view_.showNotice(i18n::format(i18n::tr("The browser did not let the page copy the "
                                                   "link (%1$s). The address bar shows it: copy "
                                                   "it from there."),
                                          {refusal}),
                             Notice::Problem);
        }
    });
}

void PageServices::applyAddressSetup() {
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
