#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <cmath>

#include "ui/qt/drag_overlay.h"
#include "view_fixture.h"

namespace {

const QColor kDarkGreen(0, 0x80, 0);
const QColor kGreen(0, 0xC0, 0);
const QColor kPurple(0xC0, 0, 0xC0);

using DemosViewTest = ViewFixture;

TEST_F(DemosViewTest, PlaneWaveTraceIsPaintedThroughItsJoints) {
    for (int t = 0; t < 3; ++t) act([&] { form.tmrOne.tick(); });
    for (qreal ratio : {1.0, 2.0}) {
        const QImage image = grab(ratio);
        for (int k : {5, 24, 40, 77, 94}) {
            const Line& segment = form.lnePlot[k];
            EXPECT_EQ(at(image, segment.x2(), segment.y2()), kDarkGreen) << "joint " << k;
        }
        // Segment 95 is hidden: nothing beyond the right end of segment 94.
        EXPECT_EQ(at(image, 120 * 97 + 60, form.lnePlot[95].y2()), face());
    }
}

TEST_F(DemosViewTest, TypingADemoNameSetsItUpWhenComplete) {
    auto* demo = widget<QComboBox>("cmbDemo");
    demo->lineEdit()->selectAll();
    QTest::keyClicks(demo->lineEdit(), "Polar");
    EXPECT_FALSE(form.Shape1[2].visible()) << "a partial name leaves the neutral state";
    EXPECT_FALSE(form.lnePlot[10].visible());
    QTest::keyClicks(demo->lineEdit(), "isation");
    EXPECT_TRUE(form.Shape1[2].visible());
    EXPECT_EQ(widget<QComboBox>("cmbOne")->currentText(), "Horizontal");
    EXPECT_EQ(demo->currentText(), "Polarisation");
}

TEST_F(DemosViewTest, PolarisationSumCircleIsPaintedOnTheTip) {
    act([&] { form.cmbDemo.setText("Polarisation"); });
    const Shape& sum = form.Shape1[2];
    const QImage image = grab();
    // Below the projection lines that run through the tip.
    EXPECT_EQ(at(image, sum.left() + sum.width() / 2 + 60, sum.top() + sum.height() / 2 + 90),
              kPurple);
    EXPECT_EQ(at(image, 3540 + 75, 3600 - 75), QColor(0, 0, 0xFF))
        << "component 2 is off: the bright blue circle sits on the centre";
}

TEST_F(DemosViewTest, PhasorShaftAndTraceArePaintedAfterADropAndATick) {
    act([&] { form.cmbDemo.setText("Phasors"); });
    act([&] {
        form.cmdPhasor[0].mouseDown(Button::kLeftButton, 0, 0, 0);
        form.drop(3000, 2600);
    });
    act([&] { form.tmrOne.tick(); });
    const Line& shaft = form.lnePol[0];
    const QImage image = grab();
    EXPECT_EQ(at(image, (shaft.x1() + shaft.x2()) / 2, (shaft.y1() + shaft.y2()) / 2), kGreen);
    const Line& segment = form.lnePlot[40];
    ASSERT_GT(std::fabs(segment.y2() - 1560), 200) << "away from the black axis";
    EXPECT_EQ(at(image, segment.x2(), segment.y2()), kGreen);
}

// The relative phase and the second amplitude of "Polarisation" through the real scroll bars:
// Home and End reach both ends of hscPhase, whose echo shows the sign; a click on hscAmp2's right
// arrow steps by its SmallChange, one in the trough left of the thumb by its LargeChange, and the
// next frame draws component 2 with the new amplitude.
TEST_F(DemosViewTest, PolarisationBarsReachBothPhaseEndsAndStepTheAmplitude) {
    act([&] {
        form.cmbDemo.setText("Polarisation");
        form.cmbTwo.setText("Right-Hand Circular");  // its tip 1800 twips per 50 from the centre
    });
    auto* phase = widget<QScrollBar>("hscPhase");
    phase->setFocus();
    QTest::keyClick(phase, Qt::Key_Home);
    EXPECT_EQ(form.hscPhase.value(), -180);
    EXPECT_EQ(form.lblFour.caption(), "-180 Degrees");
    QTest::keyClick(phase, Qt::Key_End);
    EXPECT_EQ(form.hscPhase.value(), 180);
    EXPECT_EQ(form.lblFour.caption(), " 180 Degrees");
    EXPECT_GT(scrollBarPart(phase, QStyle::SC_ScrollBarSlider).left(),
              scrollBarPart(phase, QStyle::SC_ScrollBarGroove).center().x())
        << "at its maximum the thumb sits at the right end";

    auto* amplitude = widget<QScrollBar>("hscAmp2");
    ASSERT_EQ(form.hscAmp2.value(), 50);
    ASSERT_FALSE(amplitude->style()->styleHint(QStyle::SH_ScrollBar_LeftClickAbsolutePosition))
        << "a click in the trough pages";
    const QRect addArrow = scrollBarPart(amplitude, QStyle::SC_ScrollBarAddLine);
    ASSERT_GT(addArrow.left(), scrollBarPart(amplitude, QStyle::SC_ScrollBarSubLine).right())
        << "the arrow that adds is the right one";
    QTest::mouseClick(amplitude, Qt::LeftButton, {}, addArrow.center());
    EXPECT_EQ(form.hscAmp2.value(), 51);
    QTest::mouseClick(amplitude, Qt::LeftButton, {},
                      scrollBarPart(amplitude, QStyle::SC_ScrollBarSubPage).center());
    EXPECT_EQ(form.hscAmp2.value(), 41);
    EXPECT_EQ(amplitude->value(), 41);

    act([&] { form.tmrOne.tick(); });
    const Shape& tip = form.Shape1[1];
    const double x = tip.left() + tip.width() / 2.0 - 3540;
    const double y = tip.top() + tip.height() / 2.0 - 3600;
    EXPECT_NEAR(std::hypot(x, y), 1800 * 41 / 50.0, 0.01);
}

// A drag with the real mouse: press on the handle, move with the button held, release.
class HandleDragTest : public ViewFixture {
protected:
    HandleDragTest() {
        act([&] { form.cmbDemo.setText("Phasors"); });
        handle = widget<QPushButton>("cmdPhasor(0)");
    }
    // Where a point of the window (in twips) is, in the handle's own pixel coordinates.
    QPoint onHandle(double x, double y) const {
        return handle->mapFrom(&view, QPoint(qRound(x / 15), qRound(y / 15)));
    }
    void dragTo(QPoint target) {
        QTest::mousePress(handle, Qt::LeftButton, {}, handle->rect().center());
        QTest::mouseMove(handle, target);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, target);
    }
    // Where the model puts the handle for a drop at `target`, worked out on a second window.
    std::pair<float, float> modelDrop(QPoint target) {
        Form1 reference;
        reference.load();
        reference.cmbDemo.setText("Phasors");
        reference.cmdPhasor[0].mouseDown(Button::kLeftButton, 0, 0, 0);
        const QPoint p = handle->mapTo(&view, target);
        reference.drop(p.x() * 15.0, p.y() * 15.0);
        return {reference.cmdPhasor[0].left(), reference.cmdPhasor[0].top()};
    }

    QPushButton* handle = nullptr;
};

TEST_F(HandleDragTest, OutlineFollowsThePointerWhileTheHandleStays) {
    const QPoint target = onHandle(3000, 2500);
    QTest::mousePress(handle, Qt::LeftButton, {}, handle->rect().center());
    EXPECT_EQ(form.dragSource(), &form.cmdPhasor[0]);
    QTest::mouseMove(handle, target);
    const DragOverlay& overlay = view.dragOverlay();
    EXPECT_TRUE(overlay.outlineVisible());
    EXPECT_TRUE(overlay.accepted());
    EXPECT_EQ(overlay.outline().center(), handle->mapTo(&view, target));
    EXPECT_EQ(overlay.outline().size(), handle->size());
    EXPECT_EQ(form.cmdPhasor[0].left(), 1432.5f) << "the handle itself does not move yet";
    EXPECT_FALSE(handle->isDown()) << "nor does it look pressed";

    QTest::mouseMove(handle, handle->mapFrom(&view, widget("cmbDemo")->geometry().center()));
    EXPECT_FALSE(overlay.accepted()) << "over a combo box the drop would be refused";

    QTest::mouseRelease(handle, Qt::LeftButton, {}, target);
    EXPECT_FALSE(overlay.outlineVisible());
    EXPECT_EQ(form.dragSource(), nullptr);
}

TEST_F(HandleDragTest, ReleaseOverAnAxisLinePlacesTheHandle) {
    const QPoint target = onHandle(2400, 1560);  // on the horizontal axis of diagram 1
    const auto expected = modelDrop(target);
    dragTo(target);
    EXPECT_EQ(form.cmdPhasor[0].left(), expected.first);
    EXPECT_EQ(form.cmdPhasor[0].top(), expected.second);
    EXPECT_NE(form.cmdPhasor[0].left(), 1432.5f);
    EXPECT_EQ(handle->geometry(),
              toQRect(view.viewGeometry().toWidgetRect(form.cmdPhasor[0].box())));
}

// A visible control under the released pointer takes the drop itself and nothing moves: a
// label, the logo, a combo box, the other tip, and the dragged tip's own place, where a plain
// click (press and release without a move) ends its drag.
struct ControlUnderRelease {
    const char* name;
    const Control& (*control)(const Form1&);
};
void PrintTo(const ControlUnderRelease& c, std::ostream* os) {
    *os << c.name;
}

class ReleaseOverAControl : public HandleDragTest,
                            public ::testing::WithParamInterface<ControlUnderRelease> {};

TEST_P(ReleaseOverAControl, LeavesBothHandlesWhereTheyWere) {
    const Control& target = GetParam().control(form);
    const RectF box = target.box();
    const double x = box.left + box.width / 2;
    const double y = box.top + box.height / 2;
    ASSERT_TRUE(target.visible() && box.contains(x, y)) << target.name();
    const RectF tip0 = form.cmdPhasor[0].box();
    const RectF tip1 = form.cmdPhasor[1].box();
    const QRect widgetBox = handle->geometry();

    const QPoint press = handle->rect().center();
    const bool plainClick = &target == &form.cmdPhasor[0];
    const QPoint release = plainClick ? press : onHandle(x, y);
    QTest::mousePress(handle, Qt::LeftButton, {}, press);
    ASSERT_EQ(form.dragSource(), &form.cmdPhasor[0]);
    if (!plainClick)
        QTest::mouseMove(handle, release);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, release);

    EXPECT_EQ(form.dragSource(), nullptr);
    EXPECT_FALSE(view.dragOverlay().outlineVisible());
    EXPECT_EQ(form.cmdPhasor[0].box(), tip0);
    EXPECT_EQ(form.cmdPhasor[1].box(), tip1);
    EXPECT_EQ(handle->geometry(), widgetBox);
}

INSTANTIATE_TEST_SUITE_P(
    DropRules, ReleaseOverAControl,
    ::testing::Values(
        ControlUnderRelease{"label_Label1",
                            [](const Form1& f) -> const Control& { return f.Label1; }},
        ControlUnderRelease{"logo_imgTarm",
                            [](const Form1& f) -> const Control& { return f.imgTarm; }},
        ControlUnderRelease{"combo_box_cmbDemo",
                            [](const Form1& f) -> const Control& { return f.cmbDemo; }},
        ControlUnderRelease{"other_tip_cmdPhasor_1",
                            [](const Form1& f) -> const Control& { return f.cmdPhasor[1]; }},
        ControlUnderRelease{"own_place_plain_click",
                            [](const Form1& f) -> const Control& { return f.cmdPhasor[0]; }}),
    [](const ::testing::TestParamInfo<ControlUnderRelease>& info) {
        return std::string(info.param.name);
    });

TEST_F(HandleDragTest, RightButtonAndTheResultantHandleStartNoDrag) {
    QTest::mousePress(handle, Qt::RightButton, {}, handle->rect().center());
    EXPECT_EQ(form.dragSource(), nullptr);
    QTest::mouseRelease(handle, Qt::RightButton, {}, handle->rect().center());
    auto* resultant = widget<QPushButton>("cmdPhasor(2)");
    QTest::mousePress(resultant, Qt::LeftButton, {}, resultant->rect().center());
    EXPECT_EQ(form.dragSource(), nullptr);
    QTest::mouseRelease(resultant, Qt::LeftButton, {}, resultant->rect().center());
    EXPECT_FALSE(view.dragOverlay().outlineVisible());
}

}  // namespace
