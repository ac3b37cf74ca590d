#include "ui/qt/button_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "i18n/translate.h"
#include "ui/qt/dialog_font.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_conversions.h"
#include "ui/qt/scaled_style.h"

namespace {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return Button::kLeftButton;
        case Qt::RightButton:
            return Button::kRightButton;
        case Qt::MiddleButton:
            return Button::kMiddleButton;
        default:
            return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return Button::shiftCode(modifiers.testFlag(Qt::ShiftModifier),
                             modifiers.testFlag(Qt::ControlModifier),
                             modifiers.testFlag(Qt::AltModifier));
}

// A button that switches something on (the model's accessiblePressed) as a screen reader should
// meet it: a button that can be checked, checked while it is on, and pressed by its action. A
// checkable QPushButton would look pressed in as well, which the window's button does not.
class SwitchAccessible : public QAccessibleWidget {
public:
    explicit SwitchAccessible(ButtonWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button), widget_(widget) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const bool on = widget_->model().accessiblePressed().value_or(false);
        state.checkable = true;
        state.checked = on;
        state.pressed = on;
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            widget_->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    ButtonWidget* widget_;
};

QAccessibleInterface* switchFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("ButtonWidget"))
        return nullptr;
    auto* button = static_cast<ButtonWidget*>(object);
    return button->model().accessiblePressed() ? new SwitchAccessible(button) : nullptr;
}

}  // namespace

ButtonWidget::ButtonWidget(Button& model, FormView& view)
    : QPushButton(&view), model_(model), view_(view) {
    static const bool installed = [] {
        QAccessible::installFactory(switchFactory);
        return true;
    }();
    (void)installed;
    setObjectName(QString::fromStdString(model.name()));
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);  // Enter presses the focused button, as Space does
    connect(this, &QPushButton::clicked, this,
            [this] { view_.deliver([this] { model_.click(); }); });
}

void ButtonWidget::syncFromModel() {
    const drawing::ViewGeometry& geometry = view_.viewGeometry();
    const QRect box = toQRect(geometry.toWidgetRect(model_.box()));
    const std::string shown = i18n::shown(model_.caption());
    const QString caption = QString::fromStdString(shown);
    const int maxPixels = geometry.fontPixels(model_.fontPoints());
    // Room for the frame and a little air on either side of the caption.
    const int room = box.width() - 2 * style()->pixelMetric(QStyle::PM_ButtonMargin) - 4;
    const QFont font = dialogFont(
        view_.textFitter().fit(shown, i18n::shown(model_.captionsShown()), room, maxPixels));
    if (this->font() != font)
        setFont(font);
    if (text() != caption)
        setText(caption);
    setGeometry(box);
    setVisible(model_.visible());
    update();
}

void ButtonWidget::mousePressEvent(QMouseEvent* event) {
    const double twipsPerPixel = 1.0 / view_.viewGeometry().pixelsPerTwip();
    const float x = static_cast<float>(event->position().x() * twipsPerPixel);
    const float y = static_cast<float>(event->position().y() * twipsPerPixel);
    const int code = buttonCode(event->button());
    const int shift = shiftCode(event->modifiers());
    view_.deliver([&] { model_.mouseDown(code, shift, x, y); });
    if (view_.form().dragSource() == &model_) {
        dragging_ = true;
        view_.dragMoved(mapTo(&view_, event->position().toPoint()));
        event->accept();
        return;
    }
    QPushButton::mousePressEvent(event);
}

void ButtonWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        QPushButton::mouseMoveEvent(event);
        return;
    }
    view_.dragMoved(mapTo(&view_, event->position().toPoint()));
    event->accept();
}

void ButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    view_.dragReleased(mapTo(&view_, event->position().toPoint()));
    event->accept();
}

// An arrow key on a button that can be dragged moves it one grid step (Form::moveFromKeyboard).
void ButtonWidget::keyPressEvent(QKeyEvent* event) {
    Form::Arrow arrow;
    switch (event->key()) {
        case Qt::Key_Left:
            arrow = Form::Arrow::Left;
            break;
        case Qt::Key_Right:
            arrow = Form::Arrow::Right;
            break;
        case Qt::Key_Up:
            arrow = Form::Arrow::Up;
            break;
        case Qt::Key_Down:
            arrow = Form::Arrow::Down;
            break;
        default:
            QPushButton::keyPressEvent(event);
            return;
    }
    bool moved = false;
    view_.deliver([&] {
        moved = view_.form().moveFromKeyboard(model_, arrow, shiftCode(event->modifiers()));
    });
    if (!moved)
        QPushButton::keyPressEvent(event);
}

void ButtonWidget::paintEvent(QPaintEvent* event) {
    if (!model_.graphical()) {
        QPushButton::paintEvent(event);
        return;
    }
    // The graphical style: the whole face in the background colour, with a raised edge. It is
    // drawn at the design size and scaled with the picture, edges and focus frame included.
    QPainter painter(this);
    const ScaledStyle::Scale scale = ScaledStyle::scaleOf(size(), view_.zoom());
    const QRect face(QPoint(0, 0), scale.design);
    painter.scale(scale.x, scale.y);
    painter.fillRect(face, toQColor(model_.backColour()));
    const bool down = isDown();
    painter.setPen(down ? QColor(64, 64, 64) : QColor(255, 255, 255));
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(down ? QColor(255, 255, 255) : QColor(64, 64, 64));
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());
    if (hasFocus()) {
        QPen focus(Qt::white, 1, Qt::DotLine);
        painter.setPen(focus);
        painter.drawRect(face.adjusted(2, 2, -3, -3));
    }
}
