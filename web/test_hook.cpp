#include "web/test_hook.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <variant>

#include "app/form1.h"
#include "app/setup_settings.h"
#include "app/setup_text.h"
#include "app/tool_catalogue.h"
#include "tests/fuzz/invariant_checker.h"
#include "ui/drawing/form_drawing.h"
#include "ui/program_error.h"
#include "ui/web/dom.h"
#include "ui/web/interval_clock.h"
#include "ui/web/web_form_view.h"
#include "web/page_services.h"

using emscripten::val;

namespace {

val boxValue(const RectF& box);

Form1* theForm = nullptr;
WebFormView* theView = nullptr;
PageServices* thePage = nullptr;
std::unique_ptr<InvariantChecker> checker;
// Every control of the form by its name, painted and windowed: what control(name) describes.
std::map<std::string, const Control*> controlsByName;
// How often each event was raised, by "control.Event" ("cmbOne.Change", "Form.DragDrop").
std::map<std::string, int> raised;

// Counts every raise of `handler` under `key`, then runs what was there.
template <class... Args>
void count(std::function<void(Args...)>& handler, std::string key) {
    handler = [previous = handler, key = std::move(key)](Args... args) {
        ++raised[key];
        if (previous)
            previous(args...);
    };
}

void countEvents(Form1& form) {
    for (const auto& ref : form.windowedControls()) {
        if (auto* combo = std::get_if<ComboBox*>(&ref)) {
            count((*combo)->onChange, (*combo)->name() + ".Change");
            count((*combo)->onClick, (*combo)->name() + ".Click");
        } else if (auto* button = std::get_if<Button*>(&ref)) {
            count((*button)->onClick, (*button)->name() + ".Click");
            count((*button)->onMouseDown, (*button)->name() + ".MouseDown");
        } else if (auto* bar = std::get_if<ScrollBar*>(&ref)) {
            count((*bar)->onChange, (*bar)->name() + ".Change");
        }
    }
    count(form.onDragDrop, "Form.DragDrop");
    count(form.tmrOne.onTimer, form.tmrOne.name() + ".Timer");
}

val events() {
    val out = val::object();
    for (const auto& [key, times] : raised) out.set(key, times);
    return out;
}

void nameControls(const Form& form) {
    for (const auto& item : form.paintOrder()) {
        std::visit([](const Control* control) { controlsByName[control->name()] = control; }, item);
    }
    for (const auto& ref : form.windowedControls()) {
        std::visit([](const Control* control) { controlsByName[control->name()] = control; }, ref);
    }
}

// The ticks come as tmrOne's clock delivers them, each one event, until a program error stops
// the program.
void tickTimer(int count) {
    Timer* timer = &theForm->tmrOne;
    for (int i = 0; i < count && theView->error().empty(); ++i)
        theView->deliver([timer] { timer->tick(); }, EventCause::Tick);
}

void paint() {
    theView->paint();
}

val colourValue(Colour colour) {
    return val(dom::cssColour(colour));
}

// Every property of the control `name` ("lnePlot(3)"), as a plain object; null if none.
val control(const std::string& name) {
    const auto found = controlsByName.find(name);
    if (found == controlsByName.end())
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

double frameCount() {
    return theForm->FrameCount;
}

// The fuzzer's rules. FrameCount depends on the event and is the tests' to check: here it is
// taken as it stands.
val invariants() {
    const std::vector<std::string> faults = checker->check(theForm->FrameCount);
    val out = val::array();
    for (const std::string& fault : faults) out.call<void>("push", fault);
    return out;
}

val timerClock() {
    const IntervalClock* clock = theView->clockOf(theForm->tmrOne);
    val out = val::object();
    out.set("running", clock != nullptr && clock->active());
    out.set("period", clock != nullptr ? clock->period() : 0);
    return out;
}

val geometry() {
    const drawing::ViewGeometry& geometry = theView->geometry();
    val out = val::object();
    out.set("pixelsPerTwip", geometry.pixelsPerTwip());
    out.set("offsetX", geometry.offset().x);
    out.set("offsetY", geometry.offset().y);
    out.set("devicePixelRatio", geometry.devicePixelRatio());
    return out;
}

// Where the parts of the form stand in the page: the arrangement's kind, the page's size (CSS
// pixels), its panes (where each stands, how tall its content is) and each region's box in twips,
// its pane, its place in the pane and its scale.
val arrangement() {
    static const char* const kinds[] = {"uniform", "upright", "sideways"};
    const drawing::Arrangement& a = theView->arrangement();
    val out = val::object();
    out.set("kind", val(kinds[static_cast<int>(a.kind())]));
    out.set("width", a.width());
    out.set("height", a.height());
    out.set("controlScale", a.controlScale());
    val panes = val::array();
    for (const drawing::Pane& pane : a.panes()) {
        val p = val::object();
        p.set("place", boxValue(pane.place));
        p.set("contentHeight", pane.contentHeight);
        panes.call<void>("push", p);
    }
    out.set("panes", panes);
    val regions = val::array();
    for (const drawing::Region& region : a.regions()) {
        val r = val::object();
        r.set("twips", boxValue(region.twips));
        r.set("pane", region.pane);
        r.set("page", boxValue(region.page()));
        r.set("pixelsPerTwip", region.geometry.pixelsPerTwip());
        regions.call<void>("push", r);
    }
    out.set("regions", regions);
    return out;
}

// A point of the form (twips) in the browser's viewport, through the region that shows it: where
// a pointer goes to press there.
val clientPoint(double x, double y) {
    const drawing::Region& region = theView->arrangement().regionOf(RectF{x, y, 0, 0});
    const PointF client = theView->clientPoint(region.pane, region.geometry.toPixels(x, y));
    val out = val::object();
    out.set("x", client.x);
    out.set("y", client.y);
    return out;
}

// Every text painted on the canvases, as each region sets it: {text, pixelSize, pane}, the size in
// CSS pixels.
val paintedTexts() {
    val out = val::array();
    for (const drawing::Region& region : theView->arrangement().regions()) {
        std::vector<drawing::Primitive> primitives;
        theView->drawRegion(region, region.shown(), primitives);
        for (const drawing::Primitive& primitive : primitives) {
            if (const auto* text = std::get_if<drawing::Text>(&primitive)) {
                // A lesson's words as its region draws them, a line past the region's edge too.
                const bool lesson = text->background.alpha == 0;
                if (!lesson && !region.twips.intersects(text->box))
                    continue;
                val t = val::object();
                t.set("text", text->text);
                t.set("pixelSize", text->pixelSize);
                t.set("pane", region.pane);
                // A lesson tool's words stand on nothing; a label's caption on the button face.
                t.set("lesson", lesson);
                // Whether the region shows the text's box whole.
                const RectF shown = region.shown();
                const RectF& box = text->box;
                t.set("whole", box.left >= shown.left - 1e-6 && box.top >= shown.top - 1e-6 &&
                                   box.right() <= shown.right() + 1e-6 &&
                                   box.bottom() <= shown.bottom() + 1e-6);
                out.call<void>("push", t);
            }
        }
    }
    return out;
}

// The visible painted controls that a region's edge cuts: what a region shows of them is not the
// whole. A control that a region shows none of is no concern of that region, and nor is what a
// windowed control's own region shows, which its element covers.
val cutAtRegionEdges() {
    val out = val::array();
    std::vector<drawing::Region> regions;
    for (const drawing::Region& region : theView->arrangement().regions()) {
        const bool covered = std::any_of(
            theForm->windowedControls().begin(), theForm->windowedControls().end(),
            [&region](const Form::WindowedControlRef& ref) {
                return std::visit([](auto* c) { return c->box(); }, ref) == region.twips;
            });
        if (!covered)
            regions.push_back(region);
    }
    for (const auto& item : theForm->paintOrder()) {
        const Control& control = *std::visit([](const Control* c) { return c; }, item);
        const RectF bounds = control.paintBounds();
        if (!control.visible() || bounds.isEmpty())
            continue;
        for (const drawing::Region& region : regions) {
            const RectF& r = region.twips;
            const bool within = bounds.left >= r.left && bounds.top >= r.top &&
                                bounds.right() <= r.right() && bounds.bottom() <= r.bottom();
            if (bounds.intersects(r) && !within) {
                out.call<void>("push", control.name());
                break;
            }
        }
    }
    return out;
}

// The teaching tools' state, which no control shows.
val tools() {
    const LessonState& t = theForm->lesson;
    static const char* const speeds[] = {"Normal", "Half", "Quarter"};
    val out = val::object();
    out.set("paused", t.paused());
    out.set("speed", val(speeds[static_cast<int>(t.speed())]));
    const char* theory = setup_text::nameOf(theory_curve::kTheoryNames, t.theory());
    out.set("theory", val(*theory != '\0' ? theory : "Off"));
    out.set("projector", t.projector());
    return out;
}

// Every tool as the catalogue gives it for the browser, and whether it can run and is on now.
val catalogue() {
    using tool_catalogue::Edition;
    static const char* const kinds[] = {"action", "check", "choice"};
    val out = val::array();
    for (const tool_catalogue::Tool& tool : tool_catalogue::tools()) {
        val entry = val::object();
        entry.set("id", std::string(tool.id));
        entry.set("label", std::string(tool_catalogue::labelIn(tool, Edition::Browser)));
        entry.set("key", keyText(tool_catalogue::keyIn(tool, Edition::Browser)));
        entry.set("kind", val(kinds[static_cast<int>(tool.kind)]));
        entry.set("hint", std::string(tool.hint));
        entry.set("enabled", tool.enabled == nullptr || tool.enabled(*theForm));
        entry.set("checked", tool.checked != nullptr && tool.checked(*theForm, *thePage));
        out.call<void>("push", entry);
    }
    return out;
}

std::string error() {
    return theView->error();
}

// Makes a prepared set-up ("demo=Phasors&tip1=2000,3000") as a user would, each setting one
// event; returns the error text, "" when every setting was made.
std::string setup(const std::string& fragment) {
    const ParsedSetup parsed = SetupSettings::fromFragment(fragment);
    if (!parsed.ok())
        return parsed.error;
    return parsed.settings.apply(
        *theForm, [](const std::function<void()>& action) { theView->deliver(action); });
}

val boxValue(const RectF& box) {
    val out = val::object();
    out.set("left", box.left);
    out.set("top", box.top);
    out.set("width", box.width);
    out.set("height", box.height);
    return out;
}

// Where the picture is not the canvas's own shapes, in twips: every text the drawing layer sets
// (captions, and the logo's lettering mapped through its picture's box) and every visible
// windowed control, which lies above the canvas.
val nonShapeBoxes() {
    std::vector<drawing::Primitive> primitives;
    drawing::drawForm(*theForm, RectF{-1e9, -1e9, 2e9, 2e9}, theView->geometry(), theView->fitter(),
                      WebFormView::kButtonFace, primitives);
    val texts = val::array();
    for (const drawing::Primitive& primitive : primitives) {
        if (const auto* text = std::get_if<drawing::Text>(&primitive)) {
            texts.call<void>("push", boxValue(text->box));
        } else if (const auto* picture = std::get_if<drawing::Picture>(&primitive)) {
            const double unit = picture->box.width / picture->artwork->width;
            for (const drawing::Primitive& item : picture->artwork->items) {
                if (const auto* text = std::get_if<drawing::Text>(&item)) {
                    texts.call<void>("push",
                                     boxValue({picture->box.left + text->box.left * unit,
                                               picture->box.top + text->box.top * unit,
                                               text->box.width * unit, text->box.height * unit}));
                }
            }
        }
    }
    val windowed = val::array();
    for (const auto& ref : theForm->windowedControls()) {
        const Control& control = *std::visit([](const Control* c) { return c; }, ref);
        if (control.visible())
            windowed.call<void>("push", boxValue(control.box()));
    }
    val out = val::object();
    out.set("texts", texts);
    out.set("windowed", windowed);
    return out;
}

// A broken invariant inside an event, as a fault of the program would raise one.
void breakInvariant(const std::string& message) {
    theView->deliver([&message] { throw ProgramError(message); });
}

}  // namespace

EMSCRIPTEN_BINDINGS(web_test_hook) {
    emscripten::function("testTick", &tickTimer);
    emscripten::function("testPaint", &paint);
    emscripten::function("testControl", &control);
    emscripten::function("testFrameCount", &frameCount);
    emscripten::function("testInvariants", &invariants);
    emscripten::function("testClock", &timerClock);
    emscripten::function("testGeometry", &geometry);
    emscripten::function("testError", &error);
    emscripten::function("testTools", &tools);
    emscripten::function("testCatalogue", &catalogue);
    emscripten::function("testArrangement", &arrangement);
    emscripten::function("testClientPoint", &clientPoint);
    emscripten::function("testPaintedTexts", &paintedTexts);
    emscripten::function("testCutAtRegionEdges", &cutAtRegionEdges);
    emscripten::function("testEvents", &events);
    emscripten::function("testBreakInvariant", &breakInvariant);
    emscripten::function("testSetup", &setup);
    emscripten::function("testNonShapeBoxes", &nonShapeBoxes);
}

namespace web_test_hook {

void install(Form1& form, WebFormView& view, PageServices& tools) {
    theForm = &form;
    theView = &view;
    thePage = &tools;
    checker = std::make_unique<InvariantChecker>(form);
    nameControls(form);
    countEvents(form);
    val hook = val::object();
    // Each entry is the binding "test" + its name with a capital: tick -> testTick.
    for (std::string name :
         {"tick", "paint", "control", "frameCount", "invariants", "clock", "geometry", "error",
          "events", "breakInvariant", "setup", "nonShapeBoxes", "tools", "catalogue", "arrangement",
          "clientPoint", "paintedTexts", "cutAtRegionEdges"}) {
        std::string binding = "test" + name;
        binding[4] = static_cast<char>(std::toupper(static_cast<unsigned char>(binding[4])));
        hook.set(name, val::module_property(binding.c_str()));
    }
    hook.set("ready", true);
    val::global("window").set("propagationTest", hook);
    val::global("window").call<void>("dispatchEvent",
                                     val::global("Event").new_(val("propagation-ready")));
}

}  // namespace web_test_hook
