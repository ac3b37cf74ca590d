#include "ui/web/web_form_view.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "ui/web/dom.h"
#include "ui/web/dom_events.h"

using emscripten::val;

void WebFormView::dragMoved(double clientX, double clientY) {
    const Button* source = form_.dragSource();
    if (source == nullptr)
        return;
    const auto point = panePoint(clientX, clientY);
    const std::optional<PointF> twips =
        point ? arrangement_.toTwips(point->first, point->second) : std::nullopt;
    const bool accepted = twips && form_.acceptsDrop(twips->x, twips->y);
    if (!point) {
        dom::setShown(outline_, false);
    } else {
        // The outline has the size the tip would have where it is: in the region under the
        // pointer, in the pane there.
        const drawing::ViewGeometry& geometry =
            twips ? geometryOf(RectF{twips->x, twips->y, 0, 0}) : geometryOf(source->box());
        const val pane = panes_[point->first].box;
        if (!outline_["parentNode"].strictlyEquals(pane))
            pane.call<void>("appendChild", outline_);
        dom::place(outline_, geometry.dragOutline(source->box(), point->second));
        outline_["classList"].call<void>("toggle", val("refused"), !accepted);
        dom::setShown(outline_, true);
    }
    val element = elementOf(source->name());
    if (!element.isNull())
        dom::setStyle(element, "cursor", accepted ? "grabbing" : "not-allowed");
}

void WebFormView::dragReleased(double clientX, double clientY) {
    hideDragFeedback();
    // Between the regions of a phone's page there is no window: a drop there is outside it.
    const auto point = panePoint(clientX, clientY);
    const PointF twips = (point ? arrangement_.toTwips(point->first, point->second) : std::nullopt)
                             .value_or(PointF{-1, -1});
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

void WebFormView::watchTouches() {
    const val canvas = panes_[drawing::Arrangement::kPicturePane].canvas;
    DomEvents::listen(canvas, "pointerdown", [this](val event) { touchedPicture(event); });
    // The page scrolls under a finger on a phone, but not under one that took a tip.
    DomEvents::listen(canvas, "touchstart", [this](val event) {
        if (touchTookTip_)
            event.call<void>("preventDefault");
        touchTookTip_ = false;
    });
}

// A finger is broader than a phasor tip, which a phone shows a few pixels across: a touch on the
// picture within kTouchReach CSS pixels of a tip's centre (a 44 x 44 area) presses the nearest
// such tip. A mouse or a pen still needs the tip itself.
void WebFormView::touchedPicture(val event) {
    constexpr double kTouchReach = 22;
    if (event["pointerType"].as<std::string>() != "touch" || form_.dragSource() != nullptr)
        return;
    const auto point = panePoint(event["clientX"].as<double>(), event["clientY"].as<double>());
    if (!point)
        return;
    const PointF page = point->second;
    std::vector<std::pair<double, WindowedElement*>> near;
    for (auto& element : elements_) {
        const BoxControl& control = element->control();
        if (!control.visible() || element->pane != point->first)
            continue;
        const drawing::PixelRect box = widgetRect(control.box(), true);
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

std::optional<std::pair<int, PointF>> WebFormView::panePoint(double clientX, double clientY) const {
    for (int i = 0; i < 2; ++i) {
        const val box = panes_[i].box;
        const val rect = box.call<val>("getBoundingClientRect");
        const double left = rect["left"].as<double>();
        const double top = rect["top"].as<double>();
        if (rect["width"].as<double>() <= 0 || clientX < left || clientY < top ||
            clientX >= left + rect["width"].as<double>() ||
            clientY >= top + rect["height"].as<double>())
            continue;
        return std::make_pair(i, PointF{clientX - left + box["scrollLeft"].as<double>(),
                                        clientY - top + box["scrollTop"].as<double>()});
    }
    return std::nullopt;
}

PointF WebFormView::clientPoint(int pane, PointF point) const {
    const val box = panes_[pane].box;
    const val rect = box.call<val>("getBoundingClientRect");
    return {point.x + rect["left"].as<double>() - box["scrollLeft"].as<double>(),
            point.y + rect["top"].as<double>() - box["scrollTop"].as<double>()};
}

bool WebFormView::touchScreen() const {
    return val::global("window")
        .call<val>("matchMedia", val("(pointer: coarse)"))["matches"]
        .as<bool>();
}
