#include "ui/qt/accessible_picture.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Qt gives a plain widget the role of a client area; these two are a graphic and a notification.
QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("AccessiblePicture"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (widget->objectName() == QLatin1String("pictureNews"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

void quiet(QWidget* widget) {
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setAttribute(Qt::WA_NoSystemBackground);
    widget->setFocusPolicy(Qt::NoFocus);
}

}  // namespace

AccessiblePicture::AccessiblePicture(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    (void)installed;
    setObjectName("picture");
    quiet(this);
    notification_ = new QWidget(parent);
    notification_->setObjectName("pictureNews");
    quiet(notification_);
    notification_->setGeometry(0, 0, 1, 1);
    notification_->hide();
}

void AccessiblePicture::setDescription(const QString& name, const QString& description) {
    if (accessibleName() != name)
        setAccessibleName(name);
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
}

void AccessiblePicture::announce(const QString& text) {
    if (text.isEmpty())
        return;
    lastAnnouncement_ = text;
    notification_->hide();
    notification_->setAccessibleName(text);
    notification_->setAccessibleDescription(text);
    notification_->show();
    QAccessibleEvent alert(notification_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
