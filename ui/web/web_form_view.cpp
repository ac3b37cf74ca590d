#include "ui/web/web_form_view.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <utility>

#include "ui/drawing/svg_writer.h"
#include "ui/program_error_report.h"
#include "ui/web/dom.h"
#include "ui/web/dom_events.h"

using emscripten::val;

WebFormView::WebFormView(Form& form, val host) : form_(form) {
    DomEvents::setErrorReporter([this](const std::string& message) { reportError(message); });
    createStage(std::move(host));
    createElements();
    layout();
    DomEvents::listen(val::global("window"), "resize", [this](val) { layout(); });
    // A keyboard that slides up shrinks the visual viewport only, on some phones.
    const val visual = val::global("window")["visualViewport"];
    if (!visual.isUndefined() && !visual.isNull())
        DomEvents::listen(visual, "resize", [this](val) { layout(); });
    watchTouches();
    watchDevicePixelRatio();
}

void WebFormView::createStage(val host) {
    stage_ = dom::create("div", "stage");
    stage_.set("id", val("stage"));
    dom::setAttribute(stage_, "role", "main");
    dom::setAttribute(stage_, "aria-label", form_.caption());
    dom::setStyle(stage_, "fontFamily", drawing::kSvgFontFamilies);
    dom::setStyle(stage_, "backgroundColor", dom::cssColour(kButtonFace));
    canvas_ = dom::create("canvas", "picture");
    canvas_.set("id", val("picture"));
    dom::setAttribute(canvas_, "role", "img");
    dom::setAttribute(canvas_, "aria-label", "The demonstration's picture");
    // Out of the reading order: the canvas's description, and nothing else.
    pictureDescription_ = dom::create("div", "description");
    pictureDescription_.set("id", val("pictureDescription"));
    dom::setAttribute(pictureDescription_, "hidden", "");
    dom::setAttribute(canvas_, "aria-describedby", "pictureDescription");
    // The one polite live region: what the picture did, said once after a change.
    liveRegion_ = dom::create("div", "live-region");
    liveRegion_.set("id", val("pictureNews"));
    dom::setAttribute(liveRegion_, "role", "status");
    dom::setAttribute(liveRegion_, "aria-live", "polite");
    stage_.call<void>("appendChild", canvas_);
    stage_.call<void>("appendChild", pictureDescription_);
    stage_.call<void>("appendChild", liveRegion_);
    context_ = canvas_.call<val>("getContext", val("2d"), [] {
        val options = val::object();
        options.set("alpha", false);
        return options;
    }());
    outline_ = dom::create("div", "drag-outline");
    outline_.set("id", val("dragOutline"));
    dom::setAttribute(outline_, "aria-hidden", "true");
    dom::setShown(outline_, false);
    errorBox_ = dom::create("div", "error");
    errorBox_.set("id", val("programError"));
    dom::setAttribute(errorBox_, "role", "alert");
    dom::setShown(errorBox_, false);
    createNotice();
    paintCallback_ = DomEvents::function([this](val) {
        paintRequested_ = false;
        paint();
    });
    host.call<void>("appendChild", stage_);
    // The page's note that the program is starting (ui/web/shell.html) has done its work.
    const val starting = dom::document().call<val>("getElementById", val("starting"));
    if (!starting.isNull())
        starting.call<void>("remove");
}

void WebFormView::load() {
    deliver([this] { form_.load(); });
}

void WebFormView::deliver(const std::function<void()>& event, EventCause cause) {
    if (!error_.empty())
        return;  // the program has stopped
    try {
        event();
        // Before the page is brought in step: what the listener changes shows with the event.
        if (deliveryListener_)
            deliveryListener_(cause);
    } catch (const std::exception& failure) {
        syncFromModel();
        reportError(failure.what());
        return;
    } catch (...) {
        syncFromModel();
        reportError("an error of unknown kind");
        return;
    }
    syncFromModel();
}

void WebFormView::setDeliveryListener(std::function<void(EventCause)> listener) {
    deliveryListener_ = std::move(listener);
}

// As the desktop's message box: the user is told, and the program stops (its clocks and its
// events), since it can no longer be trusted.
void WebFormView::reportError(const std::string& message) {
    if (!error_.empty())
        return;
    const ProgramErrorReport report =
        ProgramErrorReport::of(message, ProgramErrorReport::Outcome::Stops);
    error_ = report.detail;
    for (auto& binding : timers_) binding.clock->stop();
    val heading = dom::create("p", "error-heading");
    heading.set("textContent", report.heading);
    val detail = dom::create("p", "error-detail");
    detail.set("textContent", error_);
    errorBox_.call<void>("appendChild", heading);
    errorBox_.call<void>("appendChild", detail);
    dom::setShown(errorBox_, true);
    dom::setAttribute(stage_, "aria-busy", "false");
}

void WebFormView::syncFromModel(bool everything) {
    const FormSync::Changes& changed = formSync_.takeChanges(everything);
    syncElements(changed.controls);
    syncTimers(changed.timers);
    if (form_.cancelDragOfHiddenSource())
        dom::setShown(outline_, false);
    scheduleRepaint(everything);
    // A part that comes or goes (the histogram's controls) re-arranges a phone's page.
    if (partsSource_ && arrangement_.kind() != drawing::Arrangement::Kind::Uniform) {
        std::vector<drawing::FormPart> parts = partsSource_();
        if (parts != parts_) {
            parts_ = std::move(parts);
            layout();
        }
    }
}

// On a large screen the whole picture scales uniformly to fill the page, centred; on a phone its
// parts stand where the arrangement puts them, and the page scrolls where they need more room
// than it has. The model stays in twips and only the mappings change.
void WebFormView::layout() {
    const val window = val::global("window");
    double ratio = window["devicePixelRatio"].as<double>();
    if (!(ratio > 0))
        ratio = 1;
    if (partsSource_)
        parts_ = partsSource_();
    drawing::Arrangement next;
    double width = 0;
    for (const char* overflow : {"hidden", "auto"}) {
        dom::setStyle(stage_, "overflowY", overflow);
        width = stage_["clientWidth"].as<double>();
        double height = stage_["clientHeight"].as<double>();
        // What a keyboard leaves of the screen, where it shrinks only the visual viewport (as
        // tall as the layout viewport while a pinch zooms in).
        const val visual = window["visualViewport"];
        if (!visual.isUndefined() && !visual.isNull()) {
            height = std::min(height, visual["height"].as<double>() * visual["scale"].as<double>());
        }
        next = drawing::Arrangement::of(form_.clientWidth(), form_.clientHeight(), width, height,
                                        parts_);
        // Scrolling takes a scroll bar's width from a desktop browser: arranged once more in what
        // is left.
        if (next.height() <= height + 0.5)
            break;
    }
    if (next.kind() == drawing::Arrangement::Kind::Uniform)
        dom::setStyle(stage_, "overflowY", "hidden");
    next.setDevicePixelRatio(ratio);
    if (!(next == arrangement_) && form_.dragSource() != nullptr) {
        // The tip under the finger is somewhere else now: the drag ends without a drop.
        for (auto& element : elements_) element->arrangementChanged();
        dragCancelled();
    }
    arrangement_ = std::move(next);
    stage_["classList"].call<void>("toggle", val("phone"),
                                   arrangement_.kind() != drawing::Arrangement::Kind::Uniform);
    const double contentWidth = arrangement_.width();
    const double contentHeight = arrangement_.height();
    canvas_.set("width", std::max(1L, std::lround(contentWidth * ratio)));
    canvas_.set("height", std::max(1L, std::lround(contentHeight * ratio)));
    dom::setStyle(canvas_, "width", dom::pixels(contentWidth));
    dom::setStyle(canvas_, "height", dom::pixels(contentHeight));
    // A new canvas size clears it: everything is painted anew, the window's margins too.
    pendingPaint_ = {};
    syncFromModel(true);
}

void WebFormView::setPartsSource(std::function<std::vector<drawing::FormPart>()> source) {
    partsSource_ = std::move(source);
    layout();
}

// A change of the page's zoom or a move to another screen changes the device pixel ratio, and
// the canvas must follow to stay crisp.
void WebFormView::watchDevicePixelRatio() {
    if (ratioChanged_.isNull()) {
        ratioChanged_ = DomEvents::function([this](val) {
            layout();
            watchDevicePixelRatio();
        });
    }
    const std::string query =
        "(resolution: " + std::to_string(val::global("window")["devicePixelRatio"].as<double>()) +
        "dppx)";
    val media = val::global("window").call<val>("matchMedia", query);
    val once = val::object();
    once.set("once", true);
    media.call<void>("addEventListener", val("change"), ratioChanged_, once);
}
