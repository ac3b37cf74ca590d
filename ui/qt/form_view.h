#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "ui/drawing/form_drawing.h"
#include "ui/drawing/primitives.h"
#include "ui/drawing/text_fitter.h"
#include "ui/drawing/view_geometry.h"
#include "ui/event_cause.h"
#include "ui/form.h"
#include "ui/form_sync.h"

class QTimer;
class AccessiblePicture;
class DragOverlay;
class ButtonWidget;
class ScaledStyle;

// The window on screen: paints the form's windowless controls in their stacking order, hosts a
// real widget for every windowed control, and turns the user's input and the timers' ticks into
// the model's events. After every event it repaints what changed and brings the widgets in step.
class FormView : public QWidget {
    Q_OBJECT
public:
    explicit FormView(Form& form, QWidget* parent = nullptr);
    ~FormView() override;

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    // The client area at 15 twips to the pixel; the window may be resized from it.
    QSize designSize() const;
    QSize sizeHint() const override;
    const drawing::ViewGeometry& viewGeometry() const { return geometry_; }
    // Fits captions to their boxes in the window's face.
    static drawing::TextFitter& textFitter();
    // Window pixels per design pixel.
    double zoom() const { return geometry_.pixelsPerTwip() * twips::kPerPixel; }

    // Runs one model event with everything it raises, then updates the screen. A broken
    // invariant inside it is reported, never swallowed.
    void deliver(const std::function<void()>& event, EventCause cause = EventCause::User);
    // Told after every delivered event, with what brought it, before the screen is brought in
    // step: what it changes shows with the event.
    void setDeliveryListener(std::function<void(EventCause)> listener);

    // The picture for a screen reader: the accessible object of the painted picture, with its
    // name and description, and words said once after a change (the program's own words: the
    // view only hands them over).
    void setPictureDescription(const std::string& name, const std::string& description);
    void announce(const std::string& text);
    const AccessiblePicture& accessiblePicture() const { return *picture_; }
    // Raises the form's Load event.
    void load();

    // What the teaching tools add to the picture, asked for at every repaint and after every
    // event (a change repaints what it touches). None by default: the form's picture alone.
    void setLessonLayer(std::function<drawing::LessonLayer()> source);
    const drawing::LessonLayer& lessonLayer() const { return options_; }

    // How a program error reaches the user; by default a message box, then the program ends.
    void setErrorReporter(std::function<void(const QString&)> reporter);

    // The drag of a button, in the view's pixel coordinates.
    void dragMoved(QPoint position);
    void dragReleased(QPoint position);
    const DragOverlay& dragOverlay() const { return *overlay_; }

signals:
    // After every delivered event, with the screen brought in step.
    void eventDelivered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // One a windowed control and one a timer, each in the form's order (as FormSync counts).
    struct WidgetBinding {
        const BoxControl* control;
        QWidget* widget;
        std::function<void()> sync;
    };
    struct TimerBinding {
        Timer* timer;
        QTimer* clock;
    };

    void createWidgets();
    void arrangeTabOrder();
    void syncFromModel(bool everything = false);
    ButtonWidget* draggedWidget() const;

    Form& form_;
    FormSync formSync_{form_};
    drawing::ViewGeometry geometry_;
    std::vector<drawing::Primitive> primitives_;  // kept between paints for its storage
    std::vector<WidgetBinding> widgets_;
    std::vector<TimerBinding> timers_;
    DragOverlay* overlay_ = nullptr;
    AccessiblePicture* picture_ = nullptr;
    std::function<void(EventCause)> deliveryListener_;
    ScaledStyle* style_ = nullptr;
    std::function<void(const QString&)> reportError_;
    std::function<drawing::LessonLayer()> optionsSource_;
    drawing::LessonLayer options_;  // as last painted or compared
};
