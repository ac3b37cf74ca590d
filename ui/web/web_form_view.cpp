#include "ui/web/web_form_view.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <utility>

#include "i18n/translate.h"
#include "ui/drawing/reflow.h"
#include "ui/drawing/svg_writer.h"
#include "ui/program_error_report.h"
#include "ui/twips.h"
#include "ui/web/dom.h"
#include "ui/web/dom_events.h"

using emscripten::val;

namespace {
// The caption of the button that opens the tools' menu.
constexpr const char* kToolsCaption = N_("Tools");
}  // namespace

WebFormView::WebFormView(Form& form, val host) : form_(form) {
    DomEvents::setErrorReporter([this](const std::string& message) { reportError(message); });
    createStage(std::move(host));
    createElements();
    DomEvents::listen(val::global("window"), "resize", [this](val) { layout(); });
    // A keyboard that slides up shrinks the visual viewport only, on some phones.
    const val visual = val::global("window")["visualViewport"];
    if (!visual.isUndefined() && !visual.isNull())
        DomEvents::listen(visual, "resize", [this](val) { layout(); });
    // An open list floats beside its field: it closes when the controls scroll away under it.
    DomEvents::listen(panes_[drawing::Arrangement::kControlsPane].box, "scroll", [this](val) {
        for (auto& element : elements_) element->paneScrolled();
    });
    watchTouches();
    watchDevicePixelRatio();
}

void WebFormView::createStage(val host) {
    stage_ = dom::create("div", "stage");
    stage_.set("id", val("stage"));
    dom::setAttribute(stage_, "role", "main");
    dom::setAttribute(stage_, "aria-label", i18n::shown(form_.caption()));
    dom::setStyle(stage_, "fontFamily", drawing::kSvgFontFamilies);
    dom::setStyle(stage_, "backgroundColor", dom::cssColour(kButtonFace));
    // The window's caption as the page's heading, for a screen reader's list of headings.
    val heading = dom::create("h1", "visually-hidden");
    heading.set("textContent", i18n::shown(form_.caption()));
    stage_.call<void>("appendChild", heading);
    for (int i = 0; i < 2; ++i) {
        PaneView& pane = panes_[i];
        pane.box = dom::create("div", "pane");
        pane.canvas = dom::create("canvas", "pane-canvas");
        val options = val::object();
        options.set("alpha", false);
        pane.context = pane.canvas.call<val>("getContext", val("2d"), options);
        pane.box.call<void>("appendChild", pane.canvas);
        stage_.call<void>("appendChild", pane.box);
    }
    panes_[1].box.set("id", val("controlsPane"));
    // The Tools button: the tools' menu in sight, for a mouse, a finger and the keyboard.
    toolsButton_ = dom::create("button", "button tools-button");
    toolsButton_.set("id", val("toolsButton"));
    toolsButton_.set("type", val("button"));
    toolsButton_.set("textContent", val(std::string(i18n::tr(kToolsCaption))));
    dom::setAttribute(toolsButton_, "aria-haspopup", "menu");
    dom::setShown(toolsButton_, false);
    DomEvents::listen(toolsButton_, "click", [this](val) {
        if (!openTools_)
            return;
        const val box = toolsButton_.call<val>("getBoundingClientRect");
        openTools_(box["left"].as<double>(), box["bottom"].as<double>());
    });
    dom::setAttribute(panes_[1].canvas, "aria-hidden", "true");
    // The picture's canvas is the picture for a screen reader: an image with its description.
    val canvas = panes_[0].canvas;
    canvas.set("id", val("picture"));
    dom::setAttribute(canvas, "role", "img");
    dom::setAttribute(canvas, "aria-label", "The demonstration's picture");
    // Out of the reading order: the canvas's description, and nothing else.
    pictureDescription_ = dom::create("div", "description");
    pictureDescription_.set("id", val("pictureDescription"));
    dom::setAttribute(pictureDescription_, "hidden", "");
    dom::setAttribute(canvas, "aria-describedby", "pictureDescription");
    // The one polite live region: what the picture did, said once after a change.
    liveRegion_ = dom::create("div", "live-region");
    liveRegion_.set("id", val("pictureNews"));
    dom::setAttribute(liveRegion_, "role", "status");
    dom::setAttribute(liveRegion_, "aria-live", "polite");
    stage_.call<void>("appendChild", pictureDescription_);
    stage_.call<void>("appendChild", liveRegion_);
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

// The page is laid out and brought in step once, when the form has loaded: what comes before
// (the view's own set-up, the Load event's changes) is not shown on its own.
void WebFormView::load() {
    deliver([this] { form_.load(); });
    started_ = true;
    layout();
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

// The browser's clock ticked: the tick paints what it changed in its own task, unless a frame is
// asked for already. The browser shows the canvas with its next frame all the same, and asking for
// a frame ten times a second cost more than the painting. Input keeps to the frames (a finger
// moves more often than frames come), and so do ticks given in a row without the clock.
void WebFormView::clockTicked(Timer& timer) {
    paintAtOnce_ = !paintRequested_;
    deliver([&timer] { timer.tick(); }, EventCause::Tick);
    if (paintAtOnce_) {
        paintAtOnce_ = false;
        paint();
    }
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
    if (!started_)
        return;
    // A figure or a control that comes or goes (the histogram) re-arranges a phone's page, which
    // brings everything in step.
    if (!everything && partsSource_ && arrangement_.kind() != drawing::Arrangement::Kind::Uniform &&
        !(partsSource_() == parts_) && layout()) {
        return;
    }
    const FormSync::Changes& changed = formSync_.takeChanges(everything);
    syncElements(changed.controls);
    syncTimers(changed.timers);
    if (form_.cancelDragOfHiddenSource())
        dom::setShown(outline_, false);
    scheduleRepaint(everything);
}

// On a large screen the whole picture scales uniformly to fill the page, centred, in the
// picture's pane; on a phone the figures and the controls stand where the arrangement puts them,
// in their panes, and the controls' pane scrolls where they need more room than it has. The model
// stays in twips and only the mappings change.
bool WebFormView::layout() {
    if (!started_)
        return false;
    const val window = val::global("window");
    double ratio = window["devicePixelRatio"].as<double>();
    if (!(ratio > 0))
        ratio = 1;
    if (partsSource_)
        parts_ = partsSource_();
    const double width = stage_["clientWidth"].as<double>();
    double height = stage_["clientHeight"].as<double>();
    // What a keyboard leaves of the screen, where it shrinks only the visual viewport (as tall as
    // the layout viewport while a pinch zooms in).
    const val visual = window["visualViewport"];
    if (!visual.isUndefined() && !visual.isNull())
        height = std::min(height, visual["height"].as<double>() * visual["scale"].as<double>());
    // The Tools button's caption in twips at its size of text, which the button's width follows.
    const double toolsCaption = measurer_.textWidth(i18n::tr(kToolsCaption), 100) / 100 *
                                drawing::Arrangement::kToolsFontPoints * twips::kPerPoint;
    drawing::Arrangement next =
        drawing::Arrangement::of(form_.clientWidth(), form_.clientHeight(), width, height,
                                 arrangedParts(width, height, toolsCaption), toolsCaption);
    next.setDevicePixelRatio(ratio);
    // Nothing moved: the page stays as it is, painted (the start asks more than once).
    if (next == arrangement_ && ratio == ratio_)
        return false;
    ratio_ = ratio;
    if (form_.dragSource() != nullptr) {
        // The tip under the finger is somewhere else now: the drag ends without a drop.
        for (auto& element : elements_) element->arrangementChanged();
        dragCancelled();
    }
    arrangement_ = std::move(next);
    stage_["classList"].call<void>("toggle", val("phone"),
                                   arrangement_.kind() != drawing::Arrangement::Kind::Uniform);
    for (int i = 0; i < 2; ++i) {
        const drawing::Pane& pane = arrangement_.panes()[i];
        PaneView& view = panes_[i];
        dom::setStyle(view.box, "left", dom::pixels(pane.place.left));
        dom::setStyle(view.box, "top", dom::pixels(pane.place.top));
        dom::setStyle(view.box, "width", dom::pixels(pane.place.width));
        dom::setStyle(view.box, "height", dom::pixels(pane.place.height));
        dom::setShown(view.box, !pane.place.isEmpty());
        view.box["classList"].call<void>("toggle", val("scrolls"), pane.scrolls());
        const double canvasHeight = std::max(pane.place.height, pane.contentHeight);
        view.canvas.set("width", std::max(1L, std::lround(pane.place.width * ratio)));
        view.canvas.set("height", std::max(1L, std::lround(canvasHeight * ratio)));
        dom::setStyle(view.canvas, "width", dom::pixels(pane.place.width));
        dom::setStyle(view.canvas, "height", dom::pixels(canvasHeight));
    }
    placeElementsInPanes();
    const val toolsPane = panes_[arrangement_.toolsPane()].box;
    if (!toolsButton_["parentNode"].strictlyEquals(toolsPane))
        toolsPane.call<void>("appendChild", toolsButton_);
    const RectF tools = arrangement_.toolsButton();
    dom::place(
        toolsButton_,
        {static_cast<int>(std::lround(tools.left)), static_cast<int>(std::lround(tools.top)),
         static_cast<int>(std::lround(tools.width)), static_cast<int>(std::lround(tools.height))});
    dom::setStyle(toolsButton_, "fontSize", dom::pixels(arrangement_.toolsFontPixels()));
    // A new canvas size clears it: everything is painted anew, the window's margins too.
    pendingPaint_ = {};
    syncFromModel(true);
    return true;
}

// The parts as a phone arranges them: a lesson's words wider than the controls' lines set again
// in a column as wide as they are, at the controls' scale (which the notes do not change), below
// the form.
drawing::PhoneParts WebFormView::arrangedParts(double width, double height, double toolsCaption) {
    drawing::PhoneParts arranged = parts_;
    notes_.clear();
    if (parts_.notes.empty() || !optionsSource_)
        return arranged;
    const drawing::Arrangement first = drawing::Arrangement::of(
        form_.clientWidth(), form_.clientHeight(), width, height, parts_, toolsCaption);
    if (first.kind() == drawing::Arrangement::Kind::Uniform)
        return arranged;
    notesWidth_ = drawing::Arrangement::notesWidth(parts_);
    notesScale_ = first.controlScale();
    const drawing::LessonLayer layer = optionsSource_();
    constexpr double kApart = 600;
    PointF at{0, form_.clientHeight() + kApart};
    for (RectF& note : arranged.notes) {
        if (note.width <= notesWidth_)
            continue;
        for (const drawing::Overlay& overlay : layer.overlays) {
            if (overlay.area == note) {
                const drawing::Overlay set =
                    drawing::reflowed(overlay, at, notesWidth_, notesScale_, fitter_);
                notes_.push_back({note, at, set.area});
                note = set.area;
                at.y = set.area.bottom() + kApart;
                break;
            }
        }
    }
    return arranged;
}

void WebFormView::setToolsButton(std::function<void(double x, double y)> open) {
    openTools_ = std::move(open);
    dom::setShown(toolsButton_, static_cast<bool>(openTools_));
}

void WebFormView::setPartsSource(std::function<drawing::PhoneParts()> source) {
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
