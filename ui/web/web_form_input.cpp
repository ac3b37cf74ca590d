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

void WebFormView::watchTouches() {
    DomEvents::listen(canvas_, "pointerdown", [this](val event) { touchedPicture(event); });
    // The page scrolls under a finger on a phone, but not under one that took a tip.
    DomEvents::listen(canvas_, "touchstart", [this](val event) {
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
