#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/form1.h"
#include "tests/fuzz/event_fuzzer.h"
#include "ui/qt/form_view.h"

// A scripted session through the real Qt view, for memcheck and the sanitizers: the fuzzer's
// model events delivered the way the view delivers its own (FormView::deliver, which brings every
// widget in step afterwards), real keystrokes, clicks, drags and scroll-bar steps sent to the
// widgets with QTest, window resizes, and renders of the whole window into an image. Every event
// is checked as in the model fuzzer. Prints a summary line; exits 1 on the first failure.
//
//     view_session [events] [seed]

namespace {

using Rule = EventFuzzer::FrameRule;

class Session {
public:
    Session(Form1& form, FormView& view, std::uint64_t seed)
        : form_(form),
          view_(view),
          choices_(seed),
          fuzzer_(form, [&view](const std::function<void()>& event) { view.deliver(event); }) {}

    void run(std::size_t events) {
        QImage image(view_.size(), QImage::Format_ARGB32_Premultiplied);
        std::size_t renderedAt = 0;
        while (fuzzer_.events() < events) {
            if (choices_.below(10) < 3) {
                realInput();
            } else {
                fuzzer_.step(choices_);
            }
            // A picture every ten events or so, as the screen would show them.
            if (fuzzer_.events() - renderedAt >= 10) {
                renderedAt = fuzzer_.events();
                if (image.size() != view_.size())
                    image = QImage(view_.size(), QImage::Format_ARGB32_Premultiplied);
                view_.render(&image);
                ++renders_;
                QApplication::processEvents();
            }
        }
        std::printf(
            "view session: %zu events, %zu real inputs (%zu changed the model), %zu renders, "
            "%zu drops, 0 failures\n",
            fuzzer_.events(), realInputs_, effectiveInputs_, renders_, fuzzer_.coverage().drops);
    }

    // The view reports an error to the user and carries on; here it ends the session.
    void reportError(const QString& message) { error_ = message.toStdString(); }

private:
    template <class W>
    W* visible(const char* name) {
        auto* widget = view_.findChild<W*>(name);
        return widget != nullptr && widget->isVisible() ? widget : nullptr;
    }

    // Runs real input and fails the session when the view reported an error during it.
    void perform(const std::string& what, Rule rule, const std::function<void()>& input) {
        perform(
            what, [rule] { return rule; }, input);
    }
    void perform(const std::string& what, const std::function<Rule()>& rule,
                 const std::function<void()>& input) {
        ++realInputs_;
        fuzzer_.perform(what, rule, [this, &input] {
            const std::uint64_t before = modelRevision();
            input();
            if (modelRevision() != before)
                ++effectiveInputs_;
            if (!error_.empty())
                throw std::runtime_error("the view reported: " + error_);
        });
    }

    void realInput() {
        switch (choices_.below(7)) {
            case 0:
                typeInto(choices_.oneIn(3) ? "cmbDemo" : choices_.oneIn(2) ? "cmbOne" : "cmbTwo");
                break;
            case 1:
                stepList(choices_.oneIn(2) ? "cmbDemo" : choices_.oneIn(2) ? "cmbOne" : "cmbTwo");
                break;
            case 2:
                clickButton();
                break;
            case 3:
                dragHandle();
                break;
            case 4:
                scrollBar();
                break;
            case 5:
                arrowKey();
                break;
            default:
                resize();
                break;
        }
    }

    // The model event that real input on `combo` raised, judged from what it did: a demo name
    // that changed, by a key or a pick, set a demonstration up.
    std::function<Rule()> ruleFor(const ComboBox& combo) {
        const bool demoList = &combo == &form_.cmbDemo;
        return [demoList, &combo, before = combo.text()] {
            return demoList && combo.text() != before ? Rule::DemoSetUp : Rule::Unchanged;
        };
    }

    ComboBox& modelOf(const std::string& name) {
        return name == "cmbDemo" ? form_.cmbDemo : name == "cmbOne" ? form_.cmbOne : form_.cmbTwo;
    }

    void typeInto(const char* name) {
        auto* combo = visible<QComboBox>(name);
        if (combo == nullptr)
            return;
        ComboBox& model = modelOf(name);
        std::string text = &model == &form_.cmbDemo && !choices_.oneIn(4)
                               ? EventFuzzer::demoText(choices_)
                               : EventFuzzer::optionText(choices_, model);
        QString typed =
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).left(40);
        // A control character would be a key of its own (Tab moves the focus away).
        for (QChar& ch : typed) {
            if (ch.unicode() < 0x20)
                ch = QLatin1Char(' ');
        }
        QLineEdit* edit = combo->lineEdit();
        perform(std::string("select all in ") + name, Rule::Unchanged,
                [edit] { QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier); });
        // One keystroke, one Change: in the demo list each one sets a demonstration up.
        for (qsizetype i = 0; i < typed.size(); ++i) {
            if (!edit->isVisible())
                return;
            // A character beyond the first plane is one keystroke of two UTF-16 units.
            const qsizetype length = typed[i].isHighSurrogate() && i + 1 < typed.size() ? 2 : 1;
            const QString key = typed.mid(i, length);
            i += length - 1;
            perform(std::string("key in ") + name, ruleFor(model), [edit, key] {
                // QTest maps only Latin-1 characters to keys; anything else comes as text alone,
                // as an input method delivers it.
                if (key.size() == 1 && key[0].unicode() < 0x80) {
                    QTest::keyClicks(edit, key);
                } else {
                    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, key, Qt::NoModifier);
                }
            });
        }
    }

    void stepList(const char* name) {
        auto* combo = visible<QComboBox>(name);
        if (combo == nullptr || combo->count() == 0)
            return;
        const bool up = choices_.oneIn(2);
        perform(std::string(up ? "key up in " : "key down in ") + name, ruleFor(modelOf(name)),
                [combo, up] { QTest::keyClick(combo, up ? Qt::Key_Up : Qt::Key_Down); });
    }

    void clickButton() {
        const char* name = choices_.oneIn(2)   ? "cmdStart"
                           : choices_.oneIn(2) ? "cmdHist"
                                               : "cmdPhasor(2)";
        auto* button = visible<QPushButton>(name);
        if (button == nullptr)
            return;
        perform(std::string("mouse click on ") + name, Rule::Unchanged, [button] {
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        });
    }

    void dragHandle() {
        auto* handle = visible<QPushButton>(choices_.oneIn(2) ? "cmdPhasor(0)" : "cmdPhasor(1)");
        if (handle == nullptr)
            return;
        // Anywhere in the window, and now and then well outside it.
        const int x = static_cast<int>(choices_.unit() * view_.width() * 1.2) - view_.width() / 10;
        const int y =
            static_cast<int>(choices_.unit() * view_.height() * 1.2) - view_.height() / 10;
        const QPoint target = handle->mapFrom(&view_, QPoint(x, y));
        const Qt::MouseButton button = choices_.oneIn(6) ? Qt::RightButton : Qt::LeftButton;
        perform("drag " + handle->objectName().toStdString(), Rule::Unchanged,
                [handle, target, button] {
                    QTest::mousePress(handle, button, {}, handle->rect().center());
                    QTest::mouseMove(handle, target);
                    QTest::mouseRelease(handle, button, {}, target);
                });
    }

    void scrollBar() {
        const char* names[] = {"hscPhase", "hscAmp1", "hscAmp2", "hscRate", "hscFixed"};
        auto* bar = visible<QScrollBar>(names[choices_.below(5)]);
        if (bar == nullptr)
            return;
        const QAbstractSlider::SliderAction actions[] = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
            QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        const auto action = actions[choices_.below(6)];
        perform("scroll " + bar->objectName().toStdString(), Rule::Unchanged,
                [bar, action] { bar->triggerAction(action); });
    }

    void arrowKey() {
        auto* handle = visible<QPushButton>(choices_.oneIn(3)   ? "cmdPhasor(2)"
                                            : choices_.oneIn(2) ? "cmdPhasor(0)"
                                                                : "cmdPhasor(1)");
        if (handle == nullptr)
            return;
        const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        const Qt::Key key = keys[choices_.below(4)];
        perform("arrow key on " + handle->objectName().toStdString(), Rule::Unchanged,
                [handle, key] { QTest::keyClick(handle, key); });
    }

    void resize() {
        const QSize design = view_.designSize();
        const QSize sizes[] = {design, design / 2, design * 3 / 2,
                               QSize(design.width(), design.height() / 2)};
        const QSize size = sizes[choices_.below(4)];
        perform("resize the window", Rule::Unchanged, [this, size] { view_.resize(size); });
    }

    // Grows with every effective change of any control: tells real input that reached the model.
    std::uint64_t modelRevision() const {
        std::uint64_t sum = 0;
        for (const auto& painted : form_.paintOrder()) {
            sum += std::visit([](const auto* control) { return control->revision(); }, painted);
        }
        for (const auto& windowed : form_.windowedControls()) {
            sum += std::visit([](const auto* control) { return control->revision(); }, windowed);
        }
        return sum + form_.tmrOne.revision();
    }

    Form1& form_;
    FormView& view_;
    ChoiceStream choices_;
    EventFuzzer fuzzer_;
    std::string error_;
    std::size_t realInputs_ = 0;
    std::size_t effectiveInputs_ = 0;
    std::size_t renders_ = 0;
};

}  // namespace

// Typed text from other scripts makes the text engine warn, once per face and script, that a
// fallback face has no OpenType tables for it; that says nothing about the program and would
// bury the session's own output. Everything else passes through.
void dropFontTableWarnings(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (message.trimmed().startsWith(QLatin1String("OpenType support missing")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int main(int argc, char* argv[]) {
    qInstallMessageHandler(dropFontTableWarnings);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::size_t events = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 3000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 7;

    Form1 form;
    FormView view(form);
    std::string loadError;
    view.setErrorReporter(
        [&loadError](const QString& message) { loadError = message.toStdString(); });
    view.load();
    view.show();
    if (!loadError.empty()) {
        std::fprintf(stderr, "view session: the load reported: %s\n", loadError.c_str());
        return 1;
    }
    try {
        Session session(form, view, seed);
        view.setErrorReporter([&session](const QString& message) { session.reportError(message); });
        session.run(events);
        view.setErrorReporter([](const QString&) {});
    } catch (const FuzzFailure& failure) {
        std::fprintf(stderr, "view session, seed %llu: %s\n", static_cast<unsigned long long>(seed),
                     failure.what());
        return 1;
    }
    return 0;
}
