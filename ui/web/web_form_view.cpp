#include "ui/web/web_form_view.h"

#include <algorithm>
#include <cmath>
#include <exception>

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
    stage_.call<void>("appendChild", canvas_);
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
        val description = dom::create("span", "description");
        description.set("id", element->control().name() + "-description");
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
        auto clock =
            std::make_unique<IntervalClock>([this, timer] { deliver([timer] { timer->tick(); }); });
        timers_.push_back({timer, std::move(clock), 0});
    }
}

void WebFormView::load() {
    deliver([this] { form_.load(); });
}

void WebFormView::deliver(const std::function<void()>& event) {
    if (!error_.empty())
        return;  // the program has stopped
    try {
        event();
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
        // Names follow the labels' captions, which any handler may change.
        dom::setAttribute(element->focusElement(), "aria-label", control.accessibleName());
        dom::setText(element->description, control.accessibleDescription());
    }
    syncTimers(everything);
    if (form_.cancelDragOfHiddenSource())
        dom::setShown(outline_, false);
    RectF dirty = form_.takeDirtyRegion();
    if (optionsSource_) {
        // The tools' additions touch no control: what they change is painted for them.
        drawing::FormOptions now = optionsSource_();
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

// The whole picture scales uniformly to fill the page, centred; the model stays in twips and
// only the twips-to-pixel factor changes.
void WebFormView::layout() {
    const double width = stage_["clientWidth"].as<double>();
    const double height = stage_["clientHeight"].as<double>();
    geometry_.fitForm(form_.clientWidth(), form_.clientHeight(), width, height);
    double ratio = val::global("window")["devicePixelRatio"].as<double>();
    if (!(ratio > 0))
        ratio = 1;
    geometry_.setDevicePixelRatio(ratio);
    canvas_.set("width", std::max(1L, std::lround(width * ratio)));
    canvas_.set("height", std::max(1L, std::lround(height * ratio)));
    dom::setStyle(canvas_, "width", dom::pixels(width));
    dom::setStyle(canvas_, "height", dom::pixels(height));
    // A new canvas size clears it: everything is painted anew, the window's margins too.
    pendingPaint_ = {};
    syncFromModel(true);
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
    const double ratio = geometry_.devicePixelRatio();
    context_.call<void>("setTransform", 1, 0, 0, 1, 0, 0);
    context_.call<void>("save");
    if (!everything) {
        // The changed part in whole device pixels (a clip through a pixel would blend the old
        // picture into the new), a pixel wider for antialiased edges.
        const RectF pixels = geometry_.toPixels(region);
        const double left = std::floor(pixels.left * ratio) - 1;
        const double top = std::floor(pixels.top * ratio) - 1;
        const double right = std::ceil(pixels.right() * ratio) + 1;
        const double bottom = std::ceil(pixels.bottom() * ratio) + 1;
        context_.call<void>("beginPath");
        context_.call<void>("rect", left, top, right - left, bottom - top);
        context_.call<void>("clip");
    }
    context_.set("fillStyle", dom::cssColour(background()));
    context_.call<void>("fillRect", 0, 0, canvas_["width"], canvas_["height"]);
    // Everything a pixel outside the clip may touch, in twips.
    const double pixel = 1.0 / geometry_.pixelsPerTwip();
    const RectF reach = everything ? RectF{-1e9, -1e9, 2e9, 2e9} : region.adjusted(2 * pixel);
    std::vector<drawing::Primitive> primitives;
    drawPicture(reach, geometry_, primitives);
    CanvasPainter painter(context_, geometry_);
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

void WebFormView::setFormOptions(std::function<drawing::FormOptions()> source) {
    optionsSource_ = std::move(source);
    syncFromModel();
}

// The picture at the page's scale from the form's corner; twice the size is the same layout at a
// device pixel ratio of 2, finer pixels.
drawing::ViewGeometry WebFormView::pictureGeometry(double factor) const {
    drawing::ViewGeometry geometry;
    geometry.set(geometry_.pixelsPerTwip(), {0, 0});
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

void WebFormView::dragMoved(double pageX, double pageY) {
    const Button* source = form_.dragSource();
    if (source == nullptr)
        return;
    const drawing::PointF twips = geometry_.toTwips(drawing::PointF{pageX, pageY});
    const bool accepted = form_.acceptsDrop(twips.x, twips.y);
    dom::place(outline_, geometry_.dragOutline(source->box(), drawing::PointF{pageX, pageY}));
    outline_["classList"].call<void>("toggle", val("refused"), !accepted);
    dom::setShown(outline_, true);
    val element = elementOf(source->name());
    if (!element.isNull())
        dom::setStyle(element, "cursor", accepted ? "grabbing" : "not-allowed");
}

void WebFormView::dragReleased(double pageX, double pageY) {
    hideDragFeedback();
    const drawing::PointF twips = geometry_.toTwips(drawing::PointF{pageX, pageY});
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
    for (int i = 0; i < count && error_.empty(); ++i) deliver([timer] { timer->tick(); });
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
