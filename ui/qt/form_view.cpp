#include "ui/qt/form_view.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPaintEvent>
#include <QTimer>
#include <exception>

#include "i18n/translate.h"
#include "ui/drawing/form_drawing.h"
#include "ui/program_error_report.h"
#include "ui/qt/accessible_picture.h"
#include "ui/qt/artwork.h"
#include "ui/qt/button_widget.h"
#include "ui/qt/combo_box_widget.h"
#include "ui/qt/drag_overlay.h"
#include "ui/qt/primitive_painter.h"
#include "ui/qt/qt_conversions.h"
#include "ui/qt/qt_text_measurer.h"
#include "ui/qt/scaled_style.h"
#include "ui/qt/scroll_bar_widget.h"

FormView::FormView(Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setWindowTitle(QString::fromStdString(i18n::shown(form.caption())));
    setWindowIcon(artwork::icon());
    resize(designSize());
    setMinimumSize(designSize() / 2);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);

    reportError_ = [this](const QString& message) {
        const ProgramErrorReport report =
            ProgramErrorReport::of(message.toStdString(), ProgramErrorReport::Outcome::Closes);
        QMessageBox::critical(this, windowTitle(), QString::fromStdString(report.text()));
        QApplication::exit(1);
    };

    // First, so that it lies below every control, in the accessible tree as on screen.
    picture_ = new AccessiblePicture(this);
    picture_->setGeometry(rect());
    createWidgets();
    overlay_ = new DragOverlay(this);
    overlay_->setGeometry(rect());
    overlay_->raise();
    syncFromModel(true);
    arrangeTabOrder();
}

FormView::~FormView() = default;

void FormView::createWidgets() {
    for (const auto& ref : form_.windowedControls()) {
        if (auto* combo = std::get_if<ComboBox*>(&ref)) {
            auto* widget = new ComboBoxWidget(**combo, *this);
            widgets_.push_back({*combo, widget, [widget] { widget->syncFromModel(); }});
        } else if (auto* button = std::get_if<Button*>(&ref)) {
            auto* widget = new ButtonWidget(**button, *this);
            widgets_.push_back({*button, widget, [widget] { widget->syncFromModel(); }});
        } else if (auto* bar = std::get_if<ScrollBar*>(&ref)) {
            auto* widget = new ScrollBarWidget(**bar, *this);
            widgets_.push_back({*bar, widget, [widget] { widget->syncFromModel(); }});
        }
    }
    // Created after the widgets, so that it outlives them when the window's children go.
    style_ = new ScaledStyle;
    style_->setParent(this);
    for (auto& binding : widgets_) binding.widget->setStyle(style_);
    for (Timer* timer : form_.timers()) {
        auto* clock = new QTimer(this);
        clock->setObjectName(QString::fromStdString(timer->name()));
        connect(clock, &QTimer::timeout, this,
                [this, timer] { deliver([timer] { timer->tick(); }, EventCause::Tick); });
        timers_.push_back({timer, clock});
    }
}

void FormView::arrangeTabOrder() {
    QWidget* previous = nullptr;
    for (const std::size_t index : formSync_.tabOrder()) {
        QWidget* widget = widgets_[index].widget;
        if (previous != nullptr)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void FormView::load() {
    deliver([this] { form_.load(); });
}

void FormView::setErrorReporter(std::function<void(const QString&)> reporter) {
    reportError_ = std::move(reporter);
}

void FormView::setDeliveryListener(std::function<void(EventCause)> listener) {
    deliveryListener_ = std::move(listener);
}

void FormView::setPictureDescription(const std::string& name, const std::string& description) {
    picture_->setDescription(QString::fromStdString(name), QString::fromStdString(description));
}

void FormView::announce(const std::string& text) {
    picture_->announce(QString::fromStdString(text));
}

void FormView::setLessonLayer(std::function<drawing::LessonLayer()> source) {
    optionsSource_ = std::move(source);
    syncFromModel();
}

void FormView::deliver(const std::function<void()>& event, EventCause cause) {
    try {
        event();
        if (deliveryListener_)
            deliveryListener_(cause);
    } catch (const std::exception& error) {
        syncFromModel();
        reportError_(QString::fromUtf8(error.what()));
        return;
    }
    syncFromModel();
    emit eventDelivered();
}

void FormView::syncFromModel(bool everything) {
    const FormSync::Changes& changed = formSync_.takeChanges(everything);
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        WidgetBinding& binding = widgets_[i];
        if (changed.controls[i])
            binding.sync();
        // Names follow the labels' captions, which any handler may change.
        const QString name = QString::fromStdString(binding.control->accessibleName());
        if (binding.widget->accessibleName() != name)
            binding.widget->setAccessibleName(name);
        // A value's words go before the description: Qt has no place of their own for them.
        const QString description =
            QString::fromStdString(binding.control->accessibleDescriptionWithValue());
        if (binding.widget->accessibleDescription() != description) {
            binding.widget->setAccessibleDescription(description);
        }
        const QVariant pressed = binding.control->accessiblePressed()
                                     ? QVariant(*binding.control->accessiblePressed())
                                     : QVariant();
        if (binding.widget->property("accessiblePressed") != pressed) {
            binding.widget->setProperty("accessiblePressed", pressed);
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(binding.widget, changed);
            QAccessible::updateAccessibility(&event);
        }
        // An open list is named after its list.
        if (auto* combo = qobject_cast<QComboBox*>(binding.widget)) {
            if (combo->view()->accessibleName() != name)
                combo->view()->setAccessibleName(name);
        }
    }
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        if (!changed.timers[i])
            continue;
        const TimerBinding& binding = timers_[i];
        binding.clock->setInterval(binding.timer->interval());
        if (binding.timer->enabled() && binding.timer->interval() > 0) {
            if (!binding.clock->isActive())
                binding.clock->start();
        } else {
            binding.clock->stop();
        }
    }
    if (form_.cancelDragOfHiddenSource())
        overlay_->hideOutline();
    RectF dirty = form_.takeDirtyRegion();
    if (optionsSource_) {
        drawing::LessonLayer options = optionsSource_();
        const RectF client{0, 0, form_.clientWidth(), form_.clientHeight()};
        dirty = dirty.united(drawing::changedArea(options_, options, client));
        options_ = std::move(options);
    }
    if (everything) {
        update();
    } else if (!dirty.isEmpty()) {
        update(toQRectF(geometry_.toPixels(dirty)).toAlignedRect().adjusted(-1, -1, 1, 1));
    }
}

void FormView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor buttonFace = palette().color(QPalette::Button);
    painter.fillRect(event->rect(),
                     toQColor(drawing::windowBackground(options_, toRgba(buttonFace))));
    const RectF region = geometry_.toTwips(toRectF(QRectF(event->rect())));
    drawing::ViewGeometry geometry = geometry_;
    geometry.setDevicePixelRatio(painter.device() ? painter.device()->devicePixelRatioF() : 1.0);
    primitives_.clear();
    drawing::drawForm(form_, region, geometry, textFitter(), toRgba(buttonFace), primitives_,
                      options_);
    PrimitivePainter(painter, geometry).paint(primitives_);
}

// Every window sets its captions in the same face, so the fitted sizes are kept for the whole run:
// a window made anew (a test, a benchmark) measures nothing it has measured before.
drawing::TextFitter& FormView::textFitter() {
    static const QtTextMeasurer measurer;
    static drawing::TextFitter fitter(measurer);
    return fitter;
}

QSize FormView::designSize() const {
    return QSize(qRound(form_.clientWidth() / twips::kPerPixel),
                 qRound(form_.clientHeight() / twips::kPerPixel));
}

QSize FormView::sizeHint() const {
    return designSize();
}

// The whole picture scales uniformly to fit the window, centred, so that a teacher can fill a
// projector; the model stays in twips and only the twips-to-pixel factor changes.
void FormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const double zoom =
        geometry_.fitForm(form_.clientWidth(), form_.clientHeight(), width(), height());
    if (style_ != nullptr)
        style_->setZoom(zoom);
    if (picture_ != nullptr)
        picture_->setGeometry(rect());
    if (overlay_ != nullptr) {
        overlay_->setGeometry(rect());
        syncFromModel(true);
    }
}

void FormView::dragMoved(QPoint position) {
    const Button* source = form_.dragSource();
    if (source == nullptr)
        return;
    const PointF pointer = toPointF(QPointF(position));
    const PointF twips = geometry_.toTwips(pointer);
    const bool accepted = rect().contains(position) && form_.acceptsDrop(twips.x, twips.y);
    overlay_->showOutline(toQRect(geometry_.dragOutline(source->box(), pointer)), accepted);
    if (ButtonWidget* widget = draggedWidget()) {
        widget->setCursor(accepted ? Qt::ClosedHandCursor : Qt::ForbiddenCursor);
    }
}

void FormView::dragReleased(QPoint position) {
    if (ButtonWidget* widget = draggedWidget())
        widget->unsetCursor();
    overlay_->hideOutline();
    const PointF twips = geometry_.toTwips(toPointF(QPointF(position)));
    deliver([this, twips] { form_.drop(twips.x, twips.y); });
}

ButtonWidget* FormView::draggedWidget() const {
    const Button* source = form_.dragSource();
    if (source == nullptr)
        return nullptr;
    return findChild<ButtonWidget*>(QString::fromStdString(source->name()));
}
