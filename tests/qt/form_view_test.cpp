#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "view_fixture.h"

namespace {

// Counts the events that reach a combo box's handlers, passing them on.
struct EventCounter {
    EventCounter(ComboBox& combo) {
        auto change = combo.onChange;
        auto click = combo.onClick;
        combo.onChange = [this, change] {
            ++changes;
            if (change)
                change();
        };
        combo.onClick = [this, click] {
            ++clicks;
            if (click)
                click();
        };
    }
    int changes = 0;
    int clicks = 0;
};

using FormViewTest = ViewFixture;

TEST_F(FormViewTest, WindowHasItsCaptionSizeAndControlsAtTheirDesignPlaces) {
    EXPECT_EQ(view.windowTitle(), "Orvo's Propagation Demos");
    EXPECT_EQ(view.size(), QSize(789, 605));
    EXPECT_FALSE(view.windowIcon().isNull());
    EXPECT_EQ(widget("cmbDemo")->geometry(), QRect(92, 484, 153, 32));
    EXPECT_EQ(widget("cmdStart")->geometry(), QRect(156, 516, 89, 33));
    EXPECT_EQ(widget("hscPhase")->geometry(), QRect(492, 564, 169, 25));
    EXPECT_EQ(widget("cmbOne")->font().pixelSize(), 18) << "13.5 pt at 96 dots per inch";
    EXPECT_FALSE(widget("cmdHist")->isVisible()) << "hidden by the plane wave's neutral state";
    EXPECT_TRUE(widget("cmbTwo")->isVisible());

    auto* phase = widget<QScrollBar>("hscPhase");
    EXPECT_EQ(phase->minimum(), -180);
    EXPECT_EQ(phase->maximum(), 180);
    EXPECT_EQ(phase->singleStep(), 5);
    EXPECT_EQ(phase->pageStep(), 10);
    EXPECT_EQ(widget<QComboBox>("cmbDemo")->count(), 6);
    EXPECT_EQ(widget<QComboBox>("cmbDemo")->itemText(0), "Group Velocity");
    EXPECT_EQ(widget<QComboBox>("cmbDemo")->currentText(), "Plane Wave");
}

TEST_F(FormViewTest, TypingRaisesOneChangePerKeystrokeAndNoClick) {
    auto* combo = widget<QComboBox>("cmbOne");
    EventCounter events(form.cmbOne);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "2.5");
    EXPECT_EQ(events.changes, 3);
    EXPECT_EQ(events.clicks, 0);
    EXPECT_EQ(form.cmbOne.text(), "2.5");
    EXPECT_EQ(form.OptionValue, 2.5);

    // Finishing the typing with Enter or by leaving the box is not a pick, even where the typed
    // text equals an entry.
    form.cmbOne.addItem("7.0");
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "7.0");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    combo->clearFocus();
    EXPECT_EQ(events.changes, 6);
    EXPECT_EQ(events.clicks, 0);
    EXPECT_EQ(combo->count(), form.cmbOne.items().size()) << "Enter adds nothing to the list";
}

TEST_F(FormViewTest, TypingInTheMiddleOfATextKeepsTheCursorThere) {
    auto* combo = widget<QComboBox>("cmbOne");  // "1.0", an entry of the list
    combo->setFocus();
    combo->lineEdit()->setCursorPosition(0);
    QTest::keyClicks(combo->lineEdit(), "2");
    EXPECT_EQ(form.cmbOne.text(), "21.0");
    EXPECT_EQ(combo->lineEdit()->cursorPosition(), 1);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);  // "21.0" -> "2.0", an entry again
    EXPECT_EQ(form.cmbOne.text(), "2.0");
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(combo->lineEdit()->cursorPosition(), 1);
}

TEST_F(FormViewTest, PickingFromTheListRaisesOneClickAndNoChange) {
    auto* combo = widget<QComboBox>("cmbTwo");
    EventCounter events(form.cmbTwo);
    act([&] {
        form.cmbTwo.clear();
        form.cmbTwo.addItem("first");
        form.cmbTwo.addItem("second");
    });
    combo->showPopup();
    auto* list = combo->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    EXPECT_EQ(events.clicks, 1);
    EXPECT_EQ(events.changes, 0);
    EXPECT_EQ(form.cmbTwo.text(), "second");
}

TEST_F(FormViewTest, PickingAnotherDemoSetsItUp) {
    auto* demo = widget<QComboBox>("cmbDemo");
    EventCounter events(form.cmbDemo);
    form.Line1.setVisible(true);
    demo->setFocus();
    QTest::keyClick(demo, Qt::Key_Up);  // from "Plane Wave" to "Polarisation"
    EXPECT_EQ(events.clicks, 1);
    EXPECT_EQ(events.changes, 0);
    EXPECT_EQ(form.cmbDemo.text(), "Polarisation");
    EXPECT_EQ(demo->currentText(), "Polarisation");
}

TEST_F(FormViewTest, StartPauseButtonStopsAndRestartsTheClock) {
    auto* start = widget<QPushButton>("cmdStart");
    auto* clock = view.findChild<QTimer*>("tmrOne");
    ASSERT_NE(clock, nullptr);
    EXPECT_TRUE(clock->isActive());
    EXPECT_EQ(clock->interval(), 100);

    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(start->text(), "Start");
    EXPECT_FALSE(clock->isActive());
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(start->text(), "Pause");
    EXPECT_TRUE(clock->isActive());
}

TEST_F(FormViewTest, TheClockAdvancesFrameCountTenTimesASecond) {
    const double before = form.FrameCount;
    QTRY_VERIFY_WITH_TIMEOUT(form.FrameCount >= before + 3, 2000);
}

TEST_F(FormViewTest, ScrollBarStepsBySmallAndLargeChange) {
    act([&] { form.hscPhase.setVisible(true); });
    auto* phase = widget<QScrollBar>("hscPhase");
    phase->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(form.hscPhase.value(), 5);
    EXPECT_EQ(form.lblFour.caption(), " 5 Degrees");
    phase->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(form.hscPhase.value(), -5);
    EXPECT_EQ(form.lblFour.caption(), "-5 Degrees");
    phase->setFocus();
    QTest::keyClick(phase, Qt::Key_Right);
    EXPECT_EQ(form.hscPhase.value(), 0);

    auto* amplitude = widget<QScrollBar>("hscAmp1");
    amplitude->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(form.hscAmp1.value(), 49);
    amplitude->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form.hscAmp1.value(), 59);
}

// Turns the wheel over a widget by whole notches, negative towards the user. Returns whether the
// widget took the turn; one it ignores, Qt hands on to the window under it.
bool turnWheel(QWidget* widget, int notches) {
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent turn(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notches),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &turn);
    return turn.isAccepted();
}

// A pointer resting on a list or a scroll bar while a teacher scrolls must not change the
// picture: only the control with the keyboard focus takes the wheel.
TEST_F(FormViewTest, OnlyTheFocusedControlTakesTheWheel) {
    act([&] { form.cmbDemo.setText("Polarisation"); });
    QApplication::setActiveWindow(&view);
    EventCounter demo(form.cmbDemo);
    EventCounter first(form.cmbOne);
    auto* demoList = widget<QComboBox>("cmbDemo");
    auto* firstList = widget<QComboBox>("cmbOne");
    auto* phase = widget<QScrollBar>("hscPhase");

    widget("cmdStart")->setFocus();
    for (QWidget* over : {static_cast<QWidget*>(demoList), static_cast<QWidget*>(firstList),
                          static_cast<QWidget*>(phase)}) {
        EXPECT_FALSE(turnWheel(over, -1)) << over->objectName().toStdString();
        EXPECT_FALSE(turnWheel(over, 1)) << over->objectName().toStdString();
    }
    EXPECT_EQ(form.cmbDemo.text(), "Polarisation");
    EXPECT_EQ(form.cmbOne.text(), "Horizontal");
    EXPECT_EQ(form.hscPhase.value(), 0);
    EXPECT_EQ(demo.clicks + demo.changes + first.clicks + first.changes, 0);

    // With the focus, each entry the wheel steps to is one pick.
    firstList->setFocus();
    ASSERT_TRUE(firstList->hasFocus());
    turnWheel(firstList, -1);
    turnWheel(firstList, -1);
    EXPECT_EQ(first.clicks, 2);
    EXPECT_EQ(first.changes, 0);
    EXPECT_EQ(form.cmbOne.text(), "Left-Hand Circular");
    turnWheel(firstList, 1);
    EXPECT_EQ(form.cmbOne.text(), "Right-Hand Circular");
    EXPECT_EQ(first.clicks, 3);

    // A scroll bar with the focus moves one SmallChange a notch, away from the user to the left.
    phase->setFocus();
    turnWheel(phase, -1);
    EXPECT_EQ(form.hscPhase.value(), 5);
    EXPECT_EQ(form.lblFour.caption(), " 5 Degrees");
    EXPECT_TRUE(turnWheel(phase, 3));
    EXPECT_EQ(form.hscPhase.value(), -10);

    demoList->setFocus();
    turnWheel(demoList, -1);
    EXPECT_EQ(form.cmbDemo.text(), "Plane Wave") << "the entry after Polarisation";
    EXPECT_EQ(demo.clicks, 1);
    EXPECT_EQ(form.cmbOne.text(), "1.0") << "the pick set the demonstration up";
}

TEST_F(FormViewTest, TabOrderFollowsTheTabIndices) {
    act([&] {
        for (auto& handle : form.cmdPhasor) handle.setVisible(true);
        for (ScrollBar* bar : {&form.hscAmp1, &form.hscAmp2, &form.hscRate, &form.hscFixed}) {
            bar->setVisible(true);
        }
        form.hscPhase.setVisible(true);
        form.cmdHist.setVisible(true);
    });
    const char* order[] = {"cmbOne",       "cmbTwo",       "cmdStart",    "cmbDemo", "hscPhase",
                           "hscAmp2",      "hscAmp1",      "cmdHist",     "hscRate", "hscFixed",
                           "cmdPhasor(0)", "cmdPhasor(1)", "cmdPhasor(2)"};
    QWidget* current = widget(order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget* next = current->nextInFocusChain();
        while (next->focusProxy() != nullptr || next->parentWidget() != &view) {
            next = next->nextInFocusChain();  // the combo boxes' own line edits
        }
        EXPECT_EQ(next->objectName(), order[i]) << "after " << order[i - 1];
        current = next;
    }
}

TEST_F(FormViewTest, PaintsLinesCirclesAndLabelsWhereTheModelPutsThem) {
    act([&] {
        form.cmbDemo.setText("none");  // the neutral state: nothing else drawn
        form.Line1.setVisible(true);
        form.lnePol[5].setPoints(600, 600, 3000, 600);
        form.lnePol[5].setBorderWidth(1);
        form.lnePol[5].setVisible(true);
        form.Shape1[2].setVisible(true);
        form.lblOne.setCaption("Wavelength");
    });
    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage image = grab(ratio);
        EXPECT_EQ(at(image, 1000, 3600), QColor(Qt::black)) << "axis on its pixel row, crisp";
        EXPECT_EQ(at(image, 1000, 3600 - 15), face());
        // The purple circle 435 x 375 is a circle of 375 centred in its box.
        EXPECT_EQ(at(image, 2160 + 217, 4800 + 187), QColor(0xC0, 0x00, 0xC0));
        EXPECT_EQ(at(image, 2160 + 15, 4800 + 187), face());
        EXPECT_LT(at(image, 2190 + 187, 4800 + 3).value(), 80) << "one-pixel dark border";
        // The label is opaque over the trace segments that run beneath it.
        EXPECT_EQ(at(image, 4800 + 2500, 7200 + 480), face());
    }
    // A one-pixel dotted line has gaps; the same line two pixels wide has none.
    const QImage dotted = grab();
    int gaps = 0;
    for (int x = 700; x < 2900; x += 15) gaps += at(dotted, x, 600) != QColor(0xC0, 0x00, 0xC0);
    EXPECT_GT(gaps, 20);
    act([&] { form.lnePol[5].setBorderWidth(2); });
    const QImage solid = grab();
    for (int x = 700; x < 2900; x += 15) {
        EXPECT_EQ(at(solid, x, 600), QColor(0xC0, 0x00, 0xC0)) << x;
    }
}

TEST_F(FormViewTest, LabelCaptionsAreDarkOnButtonFace) {
    const QImage image = grab();
    int dark = 0;
    for (int y = 7200; y < 7200 + 495; y += 15) {
        for (int x = 4800; x < 4800 + 2535; x += 15) dark += at(image, x, y).value() < 80;
    }
    EXPECT_GT(dark, 40) << "the caption \"Wavelength\" is drawn";
}

TEST_F(FormViewTest, GraphicalButtonsShowTheirBackgroundColour) {
    act([&] { form.cmdPhasor[1].setVisible(true); });
    const QImage image = grab();
    const RectF box = form.cmdPhasor[1].box();
    EXPECT_EQ(at(image, box.left + box.width / 2, box.top + box.height / 2), QColor(0, 0, 0xC0));
}

TEST_F(FormViewTest, ProgramErrorIsReportedNotSwallowed) {
    QString reported;
    view.setErrorReporter([&](const QString& message) { reported = message; });
    view.deliver([&] { (void)form.lnePol[6]; });
    EXPECT_TRUE(reported.contains("lnePol")) << reported.toStdString();
}

}  // namespace
