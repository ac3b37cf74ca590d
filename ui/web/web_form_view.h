#pragma once

#include <emscripten/val.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/drawing/arrangement.h"
#include "ui/drawing/form_drawing.h"
#include "ui/drawing/primitives.h"
#include "ui/drawing/text_fitter.h"
#include "ui/drawing/view_geometry.h"
#include "ui/event_cause.h"
#include "ui/form.h"
#include "ui/form_sync.h"
#include "ui/web/canvas_text_measurer.h"
#include "ui/web/interval_clock.h"
#include "ui/web/windowed_element.h"

// The window in a browser page: a stage that fills the page, with two panes (the picture's and the
// controls'), each a canvas for the form's windowless controls and a DOM element for every
// windowed control above it. It turns DOM events and the browser's timers into the model's events
// and, after each, brings the elements in step and repaints what changed. On a large screen the
// form is scaled uniformly to fit in the picture's pane alone; on a phone the demonstration's
// figures stand in the picture's pane and the controls in the other, which scrolls where it must,
// where drawing::Arrangement puts them, each region of the form painted and its controls placed
// through its own mapping.
//
// Its member functions are defined by job: web_form_view.cpp (the stage, its layout and the
// delivery of events), web_form_paint.cpp (the canvas), web_form_input.cpp (drags and touches)
// and web_form_controls.cpp (the DOM elements of the controls, the timers' clocks, the words for
// screen readers and the notices).
class WebFormView {
public:
    // The window's background and the labels': the desktop's button face.
    static constexpr drawing::Rgba kButtonFace{239, 239, 239, 255};

    // Builds the stage inside `host` (an element of the page).
    WebFormView(Form& form, emscripten::val host);
    WebFormView(const WebFormView&) = delete;
    WebFormView& operator=(const WebFormView&) = delete;

    Form& form() { return form_; }
    const drawing::Arrangement& arrangement() const { return arrangement_; }
    // What one of its regions paints of the picture within `reach` (twips), with the lesson
    // tools' additions and a caption run on over its line.
    void drawRegion(const drawing::Region& part, const RectF& reach,
                    std::vector<drawing::Primitive>& out);
    // The picture's mapping from twips to the page (the whole form's on a large screen).
    const drawing::ViewGeometry& geometry() const {
        return arrangement_.regions().front().geometry;
    }
    // The mapping of the region that shows a control's box, and the box in the page.
    const drawing::ViewGeometry& geometryOf(const RectF& box) const {
        return arrangement_.regionOf(box).geometry;
    }
    // A windowed control's box in its pane; a phasor tip (`tip`) keeps its drawn size.
    drawing::PixelRect widgetRect(const RectF& box, bool tip = false) const {
        return arrangement_.widgetRect(box, tip);
    }
    // The parts of the form that a phone places on its own (drawing::Arrangement), read after
    // every event; without a source the form is always one region, scaled to fit.
    void setPartsSource(std::function<drawing::PhoneParts()> source);
    emscripten::val stage() const { return stage_; }
    // A point of a pane's content as the browser's viewport has it, and back: the pane and the
    // point in it under a point of the viewport, none between the panes.
    PointF clientPoint(int pane, PointF point) const;
    std::optional<std::pair<int, PointF>> panePoint(double clientX, double clientY) const;
    // Whether the page is on a screen that a finger works (a coarse pointer).
    bool touchScreen() const;
    // Fits captions to their boxes in the program's face, for the canvas and the buttons alike.
    drawing::TextFitter& fitter() { return fitter_; }

    // Runs one model event with everything it raises, then updates the page. A broken invariant
    // inside it is shown in the page and stops the program, never swallowed.
    void deliver(const std::function<void()>& event, EventCause cause = EventCause::User);
    // Told after every delivered event, with what brought it.
    void setDeliveryListener(std::function<void(EventCause)> listener);

    // The picture for a screen reader: its name and the description it holds (the canvas's
    // accessible name and description), and words said politely, once, through the page's one
    // live region. Both are the program's own words: the view only hands them over.
    void setPictureDescription(const std::string& name, const std::string& description);
    void announce(const std::string& text);
    // Raises the form's Load event.
    void load();
    // The error that stopped the program, empty while it runs.
    const std::string& error() const { return error_; }
    void reportError(const std::string& message);

    // The drag of a button, at a point of the browser's viewport (an event's clientX, clientY).
    void dragMoved(double clientX, double clientY);
    void dragReleased(double clientX, double clientY);
    void dragCancelled();

    // Paints what changed since the last paint; the page asks for it at the next animation
    // frame after a change.
    void paint();
    // The browser clock that drives `timer`, null for a timer of another form.
    const IntervalClock* clockOf(const Timer& timer) const;
    // The element that hosts the windowed control `name`, null if none.
    emscripten::val elementOf(const std::string& name) const;

    // What the teaching tools add to the picture, read after every event; without a source the
    // picture is the form's alone.
    void setLessonLayer(std::function<drawing::LessonLayer()> source);
    // The picture as it is on screen, on a canvas of its own `factor` times the size it has in
    // the page (CSS pixels), without the page's margins; and the same picture as SVG.
    emscripten::val renderPicture(double factor);
    // The same of another window with its lesson layer: a recording's copy, frame by frame.
    emscripten::val renderPictureOf(const Form& form, const drawing::LessonLayer& layer,
                                    double factor);
    std::string pictureSvg();

    // The page's Tools button, which opens the tools' menu: `open` gets the point (the viewport's
    // CSS pixels) where the menu's top left corner goes. Hidden until it is given.
    void setToolsButton(std::function<void(double x, double y)> open);

    // A message to the user in the page: a Problem stays until it is closed (Escape or its
    // button), Information goes by itself after a few seconds.
    enum class Notice { Information, Problem };
    void showNotice(const std::string& text, Notice kind);
    void closeNotice();

private:
    struct TimerBinding {
        Timer* timer;
        std::unique_ptr<IntervalClock> clock;
    };

    // The stage and its layout (web_form_view.cpp).
    void createStage(emscripten::val host);
    void syncFromModel(bool everything = false);
    // Arranges the page anew where the screen or the parts changed: returns whether it did, and
    // so brought everything in step.
    bool layout();
    void watchDevicePixelRatio();
    // The controls (web_form_controls.cpp): an element a windowed control and a clock a timer,
    // each in the form's order, brought in step where FormSync saw a change.
    void createElements();
    void clockTicked(Timer& timer);
    void createNotice();
    void syncElements(const std::vector<bool>& changed);
    void syncTimers(const std::vector<bool>& changed);
    // Puts each element in the pane of its region, keeping the panes' order the focus order.
    void placeElementsInPanes();
    // Input (web_form_input.cpp).
    void watchTouches();
    // A finger on the picture beside a phasor tip picks the nearest tip.
    void touchedPicture(emscripten::val event);
    void hideDragFeedback();
    // Painting (web_form_paint.cpp).
    void scheduleRepaint(bool everything);
    void schedulePaint(const RectF& region);
    void paintRegion(const drawing::Region& region, const RectF& dirty, bool whole);
    void drawPicture(const RectF& region, const drawing::ViewGeometry& geometry,
                     std::vector<drawing::Primitive>& out);
    drawing::ViewGeometry pictureGeometry(double factor) const;
    drawing::Rgba background() const;

    Form& form_;
    FormSync formSync_{form_};
    drawing::Arrangement arrangement_ = drawing::Arrangement::of(0, 0, 0, 0, {});
    double ratio_ = 0;      // the device pixel ratio the page was laid out for
    bool started_ = false;  // laid out, once the form has loaded
    std::function<drawing::PhoneParts()> partsSource_;
    drawing::PhoneParts parts_;
    emscripten::val stage_ = emscripten::val::null();
    // The picture's pane and the controls': each a box with its canvas.
    struct PaneView {
        emscripten::val box = emscripten::val::null();
        emscripten::val canvas = emscripten::val::null();
        emscripten::val context = emscripten::val::null();
    };
    std::array<PaneView, 2> panes_;
    emscripten::val toolsButton_ = emscripten::val::null();
    std::function<void(double, double)> openTools_;
    emscripten::val pictureDescription_ = emscripten::val::null();
    dom::Written pictureName_, pictureWords_;  // the picture's name and description, as written
    emscripten::val liveRegion_ = emscripten::val::null();
    std::function<void(EventCause)> deliveryListener_;
    emscripten::val outline_ = emscripten::val::null();
    emscripten::val errorBox_ = emscripten::val::null();
    emscripten::val notice_ = emscripten::val::null();
    emscripten::val noticeText_ = emscripten::val::null();
    emscripten::val noticeTimeout_ = emscripten::val::null();
    emscripten::val noticeExpired_ = emscripten::val::null();
    emscripten::val paintCallback_ = emscripten::val::null();
    emscripten::val ratioChanged_ = emscripten::val::null();
    CanvasTextMeasurer measurer_;
    drawing::TextFitter fitter_{measurer_};
    std::vector<std::unique_ptr<WindowedElement>> elements_;
    std::vector<TimerBinding> timers_;
    RectF pendingPaint_;
    bool paintRequested_ = false;
    bool paintAtOnce_ = false;  // while a tick is brought in step: it paints before it returns
    bool touchTookTip_ = false;
    std::string error_;
    std::function<drawing::LessonLayer()> optionsSource_;
    drawing::LessonLayer options_;
    // On a phone, the lessons' words too wide for the controls' pane are set again in a column
    // below the form's twips, where none of it is drawn: each overlay by its area in the form,
    // where its column begins, the column's width and the controls' scale.
    struct Note {
        RectF area;
        PointF at;
        RectF placed;  // the column as the page was arranged for it
    };
    std::vector<Note> notes_;
    double notesWidth_ = 0;
    double notesScale_ = 0;
    drawing::LessonLayer shown_;  // options_ as the page paints it, the words set again
    // Sets `notesMoved_` where a column needs another height than it was arranged for (a caption
    // that came or went, the advice in place of the numbers).
    drawing::LessonLayer phoneLayer(drawing::LessonLayer layer);
    bool notesMoved_ = false;
    drawing::PhoneParts arrangedParts(double width, double height, double toolsCaption);
};
