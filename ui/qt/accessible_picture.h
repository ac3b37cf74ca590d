#pragma once

#include <QWidget>

// The painted picture as a screen reader meets it: an object of the graphic role over the whole
// window, below its controls, with the picture's name and description; and beside it a
// notification that a screen reader reads as it appears, for the words said after a change.
// Neither takes input or paints anything; both only carry the program's own words.
class AccessiblePicture : public QWidget {
    Q_OBJECT
public:
    explicit AccessiblePicture(QWidget* parent);

    void setDescription(const QString& name, const QString& description);
    // Says `text` once, politely: the notification shows anew with it.
    void announce(const QString& text);
    const QString& lastAnnouncement() const { return lastAnnouncement_; }

private:
    QWidget* notification_ = nullptr;
    QString lastAnnouncement_;
};
