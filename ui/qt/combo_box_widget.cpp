#include "ui/qt/combo_box_widget.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "i18n/translate.h"
#include "ui/qt/dialog_font.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_conversions.h"
#include "ui/qt/wheel_notches.h"

namespace {

// What a screen reader is told about the combo box: its name is the caption of the label that
// stands before it ("Wavelength"), its value the text. Qt's own interface on this platform
// would announce the text as the name.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(ComboBoxWidget* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const auto* combo = static_cast<const ComboBoxWidget*>(widget());
        switch (t) {
            case QAccessible::Name:
                return combo->accessibleName();
            case QAccessible::Description:
                return combo->accessibleDescription();
            case QAccessible::Value:
                return combo->currentText();
            default:
                return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.expandable = true;
        return s;
    }
};

QAccessibleInterface* comboBoxAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ComboBoxWidget") && object != nullptr) {
        return new ComboBoxAccessible(static_cast<ComboBoxWidget*>(object));
    }
    return nullptr;
}

}  // namespace

ComboBoxWidget::ComboBoxWidget(ComboBox& model, FormView& view)
    : QComboBox(&view), model_(model), view_(view) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(comboBoxAccessible);
        return true;
    }();
    (void)accessibleInstalled;
    setObjectName(QString::fromStdString(model.name()));
    // The face first: the line edit that setEditable creates then lays its text out only once.
    setFont(dialogFont(view.viewGeometry().fontPixels(model.fontPoints())));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);  // Enter must not add the typed text to the list
    setCompleter(nullptr);                 // no inline completion: the text is what was typed
    setFocusPolicy(Qt::StrongFocus);

    // Left alone, the combo box turns a typed text that equals an entry into a pick when the
    // editing finishes (Enter, focus out). That would be a second event for one action.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);

    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        view_.deliver(
            [this, text] { model_.setText(i18n::fromShown(text.toStdString(), model_.items())); },
            EventCause::Typing);
    });
    connect(this, &QComboBox::activated, this,
            [this](int index) { view_.deliver([this, index] { model_.pick(index); }); });
}

void ComboBoxWidget::syncFromModel() {
    const QSignalBlocker blockCombo(this);
    const QSignalBlocker blockEdit(lineEdit());

    QStringList entries;
    for (const std::string& item : model_.items())
        entries << QString::fromStdString(i18n::shown(item));
    bool sameEntries = entries.size() == count();
    for (int i = 0; sameEntries && i < count(); ++i) sameEntries = itemText(i) == entries[i];
    if (!sameEntries) {
        clear();
        addItems(entries);
    }
    // The list's current entry is the one the text names, so that the list opens on it and the
    // arrow keys move from it.
    // Where the user is typing, the cursor stays where it was.
    const QString text = QString::fromStdString(i18n::shown(model_.text()));
    const bool typed = lineEdit()->text() == text;
    const int cursor = lineEdit()->cursorPosition();
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (currentIndex() != index)
        setCurrentIndex(index);
    if (lineEdit()->text() != text)
        setEditText(text);
    if (typed)
        lineEdit()->setCursorPosition(cursor);

    // A new palette or font sends the widget through the style again: only when they change.
    const QColor textColour = toQColor(model_.textColour());
    if (lineEdit()->palette().color(QPalette::Text) != textColour) {
        QPalette colours = palette();
        colours.setColor(QPalette::Text, textColour);
        setPalette(colours);
        lineEdit()->setPalette(colours);
    }
    const drawing::ViewGeometry& geometry = view_.viewGeometry();
    const QFont font = dialogFont(geometry.fontPixels(model_.fontPoints()));
    if (this->font() != font)
        setFont(font);
    setGeometry(toQRect(geometry.toWidgetRect(model_.box())));
    setVisible(model_.visible());
}

void ComboBoxWidget::wheelEvent(QWheelEvent* event) {
    const int notches = takeFocusedWheel(*this, *event, notches_);
    if (notches != 0)
        view_.deliver([this, notches] { model_.turnWheel(notches); });
}
