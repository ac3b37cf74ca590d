#include "ui/web/web_form_view.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <utility>

#include "ui/drawing/form_drawing.h"
#include "ui/drawing/svg_writer.h"
#include "ui/web/button_element.h"
#include "ui/web/canvas_painter.h"
#include "ui/web/combo_box_element.h"
#include "ui/web/dom.h"
#include "ui/web/dom_events.h"
#include "ui/web/scroll_bar_element.h"

using emscripten::val;

namespace {

const Control& asControl(const Form::WindowedControlRef& ref) {
    return *std::visit([](auto* control) -> const Control* { return control; }, ref);
}

val colourValue(Colour colour) {
    return val(dom::cssColour(colour));
}

}  // namespace

WebFormView::WebFormView(Form& form, val host) : form_(form) {
    DomEvents::setErrorReporter([this](const std::string& message) { reportError(message); });
    createStage(std::move(host));
    createElements();
    for (const auto& item : form_.paintOrder()) {
        std::visit([this](const Control* control) { controlsByName_[control->name()] = control; },
                   item);
    }
    for (const auto& ref : form_.windowedControls()) {
        controlsByName_[asControl(ref).name()] = &asControl(ref);
    }
    layout();
    DomEvents::listen(val::global("window"), "resize", [this](val) { layout(); });
    // A keyboard that slides up shrinks the visual viewport only, on some phones.
    const val visual = val::global("window")["visualViewport"];
    if (!visual.isUndefined() && !visual.isNull())
        DomEvents::listen(visual, "resize", [this](val) { layout(); });
    DomEvents::listen(canvas_, "pointerdown", [this](val event) { touchedPicture(event); });
    // The page scrolls under a finger on a phone, but not under one that took a tip.
    DomEvents::listen(canvas_, "touchstart", [this](val event) {
        if (touchTookTip_)
            event.call<void>("preventDefault");
        touchTookTip_ = false;
    });
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

void WebFormView::createElements() {
    std::vector<ComboBoxElement*> combos;
    for (const auto& ref : form_.windowedControls()) {
        if (auto* combo = std::get_if<ComboBox*>(&ref)) {
            auto element = std::make_unique<ComboBoxElement>(**combo, *this);
            combos.push_back(element.get());
            elements_.push_back(std::move(element));
        } else if (auto* button = std::get_if<Button*>(&ref)) {
            elements_.push_back(std::make_unique<ButtonElement>(**button, *this));
        } else if (auto* bar = std::get_if<ScrollBar*>(&ref)) {
            elements_.push_back(std::make_unique<ScrollBarElement>(**bar, *this));
        }
    }
    // The page's order is the focus order: the design's tab order.
    std::vector<WindowedElement*> order;
    for (auto& element : elements_) order.push_back(element.get());
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) {
        return a->control().tabIndex() < b->control().tabIndex();
    });
    for (WindowedElement* element : order) {
        // A description belongs to its control alone: hidden from the reading order, it is read
        // only as the control's description, and not at all while the control is hidden.
        val description = dom::create("span", "description");
        description.set("id", element->control().name() + "-description");
        dom::setAttribute(description, "hidden", "");
        stage_.call<void>("appendChild", description);
        element->description = description;
        dom::setAttribute(element->focusElement(), "aria-describedby",
                          element->control().name() + "-description");
        stage_.call<void>("appendChild", element->element());
    }
    // The open lists lie above every control, the drag outline and an error above everything.
    for (ComboBoxElement* combo : combos) stage_.call<void>("appendChild", combo->list());
    stage_.call<void>("appendChild", outline_);
    stage_.call<void>("appendChild", notice_);
    stage_.call<void>("appendChild", errorBox_);

    for (Timer* timer : form_.timers()) {
        auto clock = std::make_unique<IntervalClock>(
            [this, timer] { deliver([timer] { timer->tick(); }, EventCause::Tick); });
        timers_.push_back({timer, std::move(clock), 0});
    }
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

void WebFormView::setPictureDescription(const std::string& name, const std::string& description) {
    dom::setAttribute(canvas_, "aria-label", name);
    dom::setText(pictureDescription_, description);
}

// The region speaks when its text changes: the same words twice need it emptied in between,
// which a screen reader takes as nothing said.
void WebFormView::announce(const std::string& text) {
    if (text.empty())
        return;
    if (liveRegion_["textContent"].as<std::string>() == text)
        liveRegion_.set("textContent", val(""));
    liveRegion_.set("textContent", val(text));
}

// As the desktop's message box: the user is told, and the program stops (its clocks and its
// events), since it can no longer be trusted.
void WebFormView::reportError(const std::string& message) {
    if (!error_.empty())
        return;
    error_ = message.empty() ? "an error without a message" : message;
    for (auto& binding : timers_) binding.clock->stop();
    val heading = dom::create("p", "error-heading");
    heading.set("textContent",
                val("The program met an error it cannot recover from and has stopped."));
    val detail = dom::create("p", "error-detail");
    detail.set("textContent", error_);
    errorBox_.call<void>("appendChild", heading);
    errorBox_.call<void>("appendChild", detail);
    dom::setShown(errorBox_, true);
    dom::setAttribute(stage_, "aria-busy", "false");
}

void WebFormView::syncFromModel(bool everything) {
    for (auto& element : elements_) {
        const BoxControl& control = element->control();
        if (everything || control.revision() != element->seenRevision) {
            element->syncFromModel();
            element->seenRevision = control.revision();
        }
        // Names follow the labels' captions, which any handler may change; a value in words and
        // a switch's state follow the picture.
        const val focus = element->focusElement();
        dom::setAttribute(focus, "aria-label", control.accessibleName());
        dom::setText(element->description, control.accessibleDescription());
        if (!control.accessibleValue().empty())
            dom::setAttribute(focus, "aria-valuetext", control.accessibleValue());
        if (control.accessiblePressed())
            dom::setAttribute(focus, "aria-pressed",
                              *control.accessiblePressed() ? "true" : "false");
    }
    syncTimers(everything);
    if (form_.cancelDragOfHiddenSource())
        dom::setShown(outline_, false);
    RectF dirty = form_.takeDirtyRegion();
    if (optionsSource_) {
        // The tools' additions touch no control: what they change is painted for them.
        drawing::LessonLayer now = optionsSource_();
        dirty = dirty.united(
            drawing::changedArea(options_, now, {0, 0, form_.clientWidth(), form_.clientHeight()}));
        if (now.projector != options_.projector)
            dom::setStyle(stage_, "backgroundColor",
                          dom::cssColour(drawing::windowBackground(now, kButtonFace)));
        options_ = std::move(now);
    }
    if (everything) {
        schedulePaint({0, 0, form_.clientWidth(), form_.clientHeight()});
    } else if (!dirty.isEmpty()) {
        schedulePaint(dirty);
    }
    // A part that comes or goes (the histogram's controls) re-arranges a phone's page.
    if (partsSource_ && arrangement_.kind() != drawing::Arrangement::Kind::Uniform) {
        std::vector<drawing::FormPart> parts = partsSource_();
        if (parts != parts_) {
            parts_ = std::move(parts);
            layout();
        }
    }
}

void WebFormView::syncTimers(bool everything) {
    for (auto& binding : timers_) {
        if (!everything && binding.timer->revision() == binding.seenRevision)
            continue;
        binding.seenRevision = binding.timer->revision();
        const int interval = binding.timer->interval();
        const bool run = binding.timer->enabled() && interval > 0 && error_.empty();
        if (!run) {
            binding.clock->stop();
        } else if (!binding.clock->active() || binding.clock->period() != interval) {
            binding.clock->start(interval, interval);
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

// A finger is broader than a phasor tip, which a phone shows a few pixels across: a touch on the
// picture within kTouchReach CSS pixels of a tip's centre (a 44 x 44 area) presses the nearest
// such tip. A mouse or a pen still needs the tip itself.
void WebFormView::touchedPicture(val event) {
    constexpr double kTouchReach = 22;
    if (event["pointerType"].as<std::string>() != "touch" || form_.dragSource() != nullptr)
        return;
    const PointF page = stagePoint(event["clientX"].as<double>(), event["clientY"].as<double>());
    std::vector<std::pair<double, WindowedElement*>> near;
    for (auto& element : elements_) {
        const BoxControl& control = element->control();
        if (!control.visible())
            continue;
        const drawing::PixelRect box = widgetRect(control.box(), false);
        const double dx = page.x - (box.left + box.width / 2.0);
        const double dy = page.y - (box.top + box.height / 2.0);
        if (std::abs(dx) <= std::max(kTouchReach, box.width / 2.0) &&
            std::abs(dy) <= std::max(kTouchReach, box.height / 2.0)) {
            near.emplace_back(std::hypot(dx, dy), element.get());
        }
    }
    // Nearest first; there are three tips at most.
    while (!near.empty()) {
        const auto nearest =
            std::min_element(near.begin(), near.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
        WindowedElement* element = nearest->second;
        near.erase(nearest);
        if (element->pressedBeside(event)) {
            // The touch is the tip's now, not the start of a long press on the picture.
            event.call<void>("stopPropagation");
            touchTookTip_ = true;
            return;
        }
    }
}

PointF WebFormView::stagePoint(double clientX, double clientY) const {
    const val box = stage_.call<val>("getBoundingClientRect");
    return {clientX - box["left"].as<double>() + stage_["scrollLeft"].as<double>(),
            clientY - box["top"].as<double>() + stage_["scrollTop"].as<double>()};
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

void WebFormView::schedulePaint(const RectF& region) {
    pendingPaint_ = pendingPaint_.united(region);
    if (paintRequested_)
        return;
    paintRequested_ = true;
    val::global("requestAnimationFrame")(paintCallback_);
}

void WebFormView::paintNow() {
    if (pendingPaint_.isEmpty())
        return;
    paint();
}

void WebFormView::paint() {
    if (pendingPaint_.isEmpty())
        return;
    const RectF region = pendingPaint_;
    pendingPaint_ = {};
    const bool everything = region.left <= 0 && region.top <= 0 &&
                            region.right() >= form_.clientWidth() &&
                            region.bottom() >= form_.clientHeight();
    if (arrangement_.kind() == drawing::Arrangement::Kind::Uniform) {
        paintRegion(arrangement_.regions().front(), region, everything);
        return;
    }
    if (everything) {
        // The page between and beside the parts.
        context_.call<void>("setTransform", 1, 0, 0, 1, 0, 0);
        context_.set("fillStyle", dom::cssColour(background()));
        context_.call<void>("fillRect", 0, 0, canvas_["width"], canvas_["height"]);
    }
    for (const drawing::Region& part : arrangement_.regions()) {
        const double left = std::max(region.left, part.twips.left);
        const double top = std::max(region.top, part.twips.top);
        const RectF dirty{left, top, std::min(region.right(), part.twips.right()) - left,
                          std::min(region.bottom(), part.twips.bottom()) - top};
        if (!dirty.isEmpty())
            paintRegion(part, dirty, false);
    }
}

// Paints what changed of one region through its mapping: the changed part in whole device
// pixels (a clip through a pixel would blend the old picture into the new), a pixel wider for
// antialiased edges, kept inside the region's place in the page and out of its holes.
void WebFormView::paintRegion(const drawing::Region& part, const RectF& dirty, bool whole) {
    const drawing::ViewGeometry& geometry = part.geometry;
    const double ratio = geometry.devicePixelRatio();
    const bool uniform = arrangement_.kind() == drawing::Arrangement::Kind::Uniform;
    context_.call<void>("setTransform", 1, 0, 0, 1, 0, 0);
    context_.call<void>("save");
    const auto devicePixels = [ratio](const RectF& pixels, double margin) {
        const double left = std::floor(pixels.left * ratio) - margin;
        const double top = std::floor(pixels.top * ratio) - margin;
        return RectF{left, top, std::ceil(pixels.right() * ratio) + margin - left,
                     std::ceil(pixels.bottom() * ratio) + margin - top};
    };
    if (!whole) {
        const RectF changed = devicePixels(geometry.toPixels(dirty), 1);
        context_.call<void>("beginPath");
        context_.call<void>("rect", changed.left, changed.top, changed.width, changed.height);
        context_.call<void>("clip");
    }
    if (!uniform) {
        const RectF place = devicePixels(part.page(), 0);
        context_.call<void>("beginPath");
        context_.call<void>("rect", place.left, place.top, place.width, place.height);
        for (const RectF& hole : part.holes) {
            const RectF cut = devicePixels(geometry.toPixels(hole), 0);
            context_.call<void>("rect", cut.left, cut.top, cut.width, cut.height);
        }
        context_.call<void>("clip", val("evenodd"));
    }
    context_.set("fillStyle", dom::cssColour(background()));
    context_.call<void>("fillRect", 0, 0, canvas_["width"], canvas_["height"]);
    // Everything a pixel outside the clip may touch, in twips.
    const double pixel = 1.0 / geometry.pixelsPerTwip();
    const RectF reach = whole ? RectF{-1e9, -1e9, 2e9, 2e9} : dirty.adjusted(2 * pixel);
    std::vector<drawing::Primitive> primitives;
    drawPicture(reach, geometry, primitives);
    CanvasPainter painter(context_, geometry);
    painter.paint(primitives);
    context_.call<void>("restore");
}

void WebFormView::drawPicture(const RectF& region, const drawing::ViewGeometry& geometry,
                              std::vector<drawing::Primitive>& out) {
    drawing::drawForm(form_, region, geometry, fitter_, kButtonFace, out, options_);
}

drawing::Rgba WebFormView::background() const {
    return drawing::windowBackground(options_, kButtonFace);
}

void WebFormView::setLessonLayer(std::function<drawing::LessonLayer()> source) {
    optionsSource_ = std::move(source);
    syncFromModel();
}

// The picture at the page's scale from the form's corner; twice the size is the same layout at a
// device pixel ratio of 2, finer pixels.
drawing::ViewGeometry WebFormView::pictureGeometry(double factor) const {
    drawing::ViewGeometry geometry;
    geometry.set(this->geometry().pixelsPerTwip(), {0, 0});
    geometry.setDevicePixelRatio(factor);
    return geometry;
}

val WebFormView::renderPicture(double factor) {
    const drawing::ViewGeometry geometry = pictureGeometry(factor);
    const double scale = geometry.pixelsPerTwip();
    val canvas = dom::create("canvas", "");
    canvas.set("width", std::max(1L, std::lround(form_.clientWidth() * scale * factor)));
    canvas.set("height", std::max(1L, std::lround(form_.clientHeight() * scale * factor)));
    val options = val::object();
    options.set("alpha", false);
    val context = canvas.call<val>("getContext", val("2d"), options);
    context.set("fillStyle", dom::cssColour(background()));
    context.call<void>("fillRect", 0, 0, canvas["width"], canvas["height"]);
    std::vector<drawing::Primitive> primitives;
    drawPicture({-1e9, -1e9, 2e9, 2e9}, geometry, primitives);
    CanvasPainter painter(context, geometry);
    painter.paint(primitives);
    return canvas;
}

std::string WebFormView::pictureSvg() {
    const drawing::ViewGeometry geometry = pictureGeometry(1);
    const double scale = geometry.pixelsPerTwip();
    std::vector<drawing::Primitive> primitives;
    drawPicture({-1e9, -1e9, 2e9, 2e9}, geometry, primitives);
    return drawing::toSvg(primitives, geometry,
                          static_cast<int>(std::max(1L, std::lround(form_.clientWidth() * scale))),
                          static_cast<int>(std::max(1L, std::lround(form_.clientHeight() * scale))),
                          background());
}

void WebFormView::createNotice() {
    notice_ = dom::create("div", "notice");
    notice_.set("id", val("notice"));
    noticeText_ = dom::create("p", "notice-text");
    noticeText_.set("id", val("noticeText"));
    val close = dom::create("button", "notice-close");
    close.set("type", val("button"));
    close.set("textContent", val("Close"));
    notice_.call<void>("appendChild", noticeText_);
    notice_.call<void>("appendChild", close);
    dom::setShown(notice_, false);
    DomEvents::listen(close, "click", [this](val) { closeNotice(); });
    DomEvents::listen(notice_, "keydown", [this](val event) {
        if (event["key"].as<std::string>() == "Escape") {
            event.call<void>("preventDefault");
            closeNotice();
        }
    });
    noticeExpired_ = DomEvents::function([this](val) {
        noticeTimeout_ = val::null();
        closeNotice();
    });
}

void WebFormView::showNotice(const std::string& text, Notice kind) {
    if (!noticeTimeout_.isNull())
        val::global("clearTimeout")(noticeTimeout_);
    noticeTimeout_ = val::null();
    // A problem is announced at once and waits for the user; information is read in turn.
    dom::setAttribute(notice_, "role", kind == Notice::Problem ? "alert" : "status");
    notice_["classList"].call<void>("toggle", val("problem"), kind == Notice::Problem);
    dom::setText(noticeText_, text);
    dom::setShown(notice_, true);
    if (kind == Notice::Information)
        noticeTimeout_ = val::global("setTimeout")(noticeExpired_, 5000);
}

void WebFormView::closeNotice() {
    if (!noticeTimeout_.isNull())
        val::global("clearTimeout")(noticeTimeout_);
    noticeTimeout_ = val::null();
    dom::setShown(notice_, false);
}

void WebFormView::dragMoved(double clientX, double clientY) {
    const Button* source = form_.dragSource();
    if (source == nullptr)
        return;
    const PointF page = stagePoint(clientX, clientY);
    const std::optional<PointF> twips = arrangement_.toTwips(page);
    const bool accepted = twips && form_.acceptsDrop(twips->x, twips->y);
    // The outline has the size the tip would have where it is: in the region under the pointer.
    const drawing::ViewGeometry& geometry =
        twips ? geometryOf(RectF{twips->x, twips->y, 0, 0}) : geometryOf(source->box());
    dom::place(outline_, geometry.dragOutline(source->box(), page));
    outline_["classList"].call<void>("toggle", val("refused"), !accepted);
    dom::setShown(outline_, true);
    val element = elementOf(source->name());
    if (!element.isNull())
        dom::setStyle(element, "cursor", accepted ? "grabbing" : "not-allowed");
}

void WebFormView::dragReleased(double clientX, double clientY) {
    hideDragFeedback();
    // Between the parts of a phone's page there is no window: a drop there is outside it.
    const PointF twips =
        arrangement_.toTwips(stagePoint(clientX, clientY)).value_or(PointF{-1, -1});
    deliver([this, twips] { form_.drop(twips.x, twips.y); });
}

void WebFormView::dragCancelled() {
    hideDragFeedback();
    form_.cancelDrag();
}

// The outline and the dragged element's cursor, while the drag still has its source.
void WebFormView::hideDragFeedback() {
    dom::setShown(outline_, false);
    if (const Button* source = form_.dragSource()) {
        val element = elementOf(source->name());
        if (!element.isNull())
            dom::setStyle(element, "cursor", "");
    }
}

const WebFormView::TimerBinding* WebFormView::timerNamed(const std::string& name) const {
    for (const auto& binding : timers_) {
        if (binding.timer->name() == name)
            return &binding;
    }
    return nullptr;
}

void WebFormView::tick(const std::string& name, int count) {
    const TimerBinding* binding = timerNamed(name);
    if (binding == nullptr)
        return;
    Timer* timer = binding->timer;
    for (int i = 0; i < count && error_.empty(); ++i)
        deliver([timer] { timer->tick(); }, EventCause::Tick);
}

bool WebFormView::clockRunning(const std::string& name) const {
    const TimerBinding* binding = timerNamed(name);
    return binding != nullptr && binding->clock->active();
}

int WebFormView::clockPeriod(const std::string& name) const {
    const TimerBinding* binding = timerNamed(name);
    return binding != nullptr ? binding->clock->period() : 0;
}

val WebFormView::elementOf(const std::string& name) const {
    for (const auto& element : elements_) {
        if (element->control().name() == name)
            return element->focusElement();
    }
    return val::null();
}

val WebFormView::describe(const std::string& name) const {
    const auto found = controlsByName_.find(name);
    if (found == controlsByName_.end())
        return val::null();
    const Control* control = found->second;
    val out = val::object();
    out.set("name", control->name());
    out.set("visible", control->visible());
    if (const auto* box = dynamic_cast<const BoxControl*>(control)) {
        out.set("left", box->left());
        out.set("top", box->top());
        out.set("width", box->width());
        out.set("height", box->height());
        out.set("tabIndex", box->tabIndex());
        out.set("accessibleName", box->accessibleName());
        out.set("accessibleDescription", box->accessibleDescription());
    }
    if (const auto* line = dynamic_cast<const Line*>(control)) {
        out.set("kind", val("line"));
        out.set("x1", line->x1());
        out.set("y1", line->y1());
        out.set("x2", line->x2());
        out.set("y2", line->y2());
        out.set("colour", colourValue(line->borderColour()));
        out.set("borderWidth", line->borderWidth());
        out.set("dotted", line->dotted());
    } else if (const auto* shape = dynamic_cast<const Shape*>(control)) {
        out.set("kind", val(shape->kind() == Shape::Kind::Circle ? "circle" : "rectangle"));
        out.set("fillColour", colourValue(shape->fillColour()));
    } else if (const auto* label = dynamic_cast<const Label*>(control)) {
        out.set("kind", val("label"));
        out.set("caption", label->caption());
    } else if (dynamic_cast<const Image*>(control) != nullptr) {
        out.set("kind", val("image"));
    } else if (const auto* combo = dynamic_cast<const ComboBox*>(control)) {
        out.set("kind", val("combo"));
        out.set("text", combo->text());
        val items = val::array();
        for (const std::string& item : combo->items()) items.call<void>("push", item);
        out.set("items", items);
        out.set("textColour", colourValue(combo->textColour()));
    } else if (const auto* button = dynamic_cast<const Button*>(control)) {
        out.set("kind", val("button"));
        out.set("caption", button->caption());
        out.set("backColour", colourValue(button->backColour()));
    } else if (const auto* bar = dynamic_cast<const ScrollBar*>(control)) {
        out.set("kind", val("scrollbar"));
        out.set("value", bar->value());
        out.set("min", bar->min());
        out.set("max", bar->max());
        out.set("smallChange", bar->smallChange());
        out.set("largeChange", bar->largeChange());
    }
    return out;
}
