#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "demos/phasors/phasors.h"
#include "view_fixture.h"

namespace {

const QColor kDarkGreen(0, 0x80, 0);

QString accessibleText(QWidget* widget, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QString();
}

struct WindowSize {
    int width, height;
    double zoom;       // window pixels per design pixel
    double left, top;  // where the design area begins
};
void PrintTo(const WindowSize& c, std::ostream* os) {
    *os << c.width << " x " << c.height;
}

class ScaledWindow : public ViewFixture, public ::testing::WithParamInterface<WindowSize> {};

TEST_P(ScaledWindow, ScalesThePictureUniformlyAndCentresIt) {
    const WindowSize size = GetParam();
    view.resize(size.width, size.height);
    for (int t = 0; t < 2; ++t) act([&] { form.tmrOne.tick(); });
    const double perTwip = size.zoom / 15;
    EXPECT_NEAR(view.viewGeometry().pixelsPerTwip(), perTwip, 1e-12);
    EXPECT_NEAR(view.viewGeometry().offset().x, size.left, 1e-9);
    EXPECT_NEAR(view.viewGeometry().offset().y, size.top, 1e-9);

    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    view.render(&image);
    for (int k : {10, 30, 60, 90}) {
        const Line& joint = form.lnePlot[k];
        const QPoint p(static_cast<int>(size.left + joint.x2() * perTwip),
                       static_cast<int>(size.top + joint.y2() * perTwip));
        EXPECT_EQ(image.pixelColor(p), kDarkGreen)
            << "joint " << k << " at " << p.x() << ", " << p.y();
    }
    // The demo list keeps its place and its font grows with the picture.
    const RectF box = form.cmbDemo.box();
    const QRect demo = widget("cmbDemo")->geometry();
    EXPECT_NEAR(demo.left(), size.left + box.left * perTwip, 1.0);
    EXPECT_NEAR(demo.width(), box.width * perTwip, 1.0);
    EXPECT_EQ(widget("cmbDemo")->font().pixelSize(), qRound(13.5 * 20 * perTwip));
    EXPECT_EQ(widget("cmdStart")->font().pixelSize() <= qRound(18 * 20 * perTwip), true);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ScaledWindow,
    ::testing::Values(WindowSize{789, 605, 1.0, 0, 0}, WindowSize{1578, 1210, 2.0, 0, 0},
                      WindowSize{1920, 1080, 1080 / 605.0, (1920 - 789 * 1080 / 605.0) / 2, 0},
                      WindowSize{500, 605, 500 / 789.0, 0, (605 - 605 * 500 / 789.0) / 2}),
    [](const ::testing::TestParamInfo<WindowSize>& info) {
        return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
    });

using KeyboardTest = ViewFixture;

TEST_F(KeyboardTest, SpaceAndEnterPressTheFocusedButton) {
    auto* start = widget<QPushButton>("cmdStart");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Space);
    EXPECT_EQ(form.cmdStart.caption(), "Start");
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_EQ(form.cmdStart.caption(), "Pause");
}

TEST_F(KeyboardTest, ArrowKeysMoveAHandleAsADropOneGridStepAway) {
    act([&] { form.cmbDemo.setText("Phasors"); });
    auto* handle = widget<QPushButton>("cmdPhasor(0)");
    handle->setFocus();

    // The same drop, made by the window's DragDrop event on a second window.
    Form1 reference;
    reference.load();
    reference.cmbDemo.setText("Phasors");
    phasors::Form_DragDrop(reference, reference.cmdPhasor[0], 1560 + 60, 1560);

    QTest::keyClick(handle, Qt::Key_Right);
    EXPECT_EQ(form.cmdPhasor[0].left(), reference.cmdPhasor[0].left());
    EXPECT_EQ(form.cmdPhasor[0].top(), reference.cmdPhasor[0].top());
    EXPECT_EQ(form.dragSource(), nullptr);

    // On the grid, every press is exactly one step.
    const float left = form.cmdPhasor[0].left();
    const float top = form.cmdPhasor[0].top();
    QTest::keyClick(handle, Qt::Key_Right);
    QTest::keyClick(handle, Qt::Key_Down);
    QTest::keyClick(handle, Qt::Key_Down);
    EXPECT_EQ(form.cmdPhasor[0].left(), left + 60);
    EXPECT_EQ(form.cmdPhasor[0].top(), top + 120);
    QTest::keyClick(handle, Qt::Key_Left);
    QTest::keyClick(handle, Qt::Key_Up);
    EXPECT_EQ(form.cmdPhasor[0].left(), left);
    EXPECT_EQ(form.cmdPhasor[0].top(), top + 60);
    EXPECT_EQ(handle->geometry(),
              toQRect(view.viewGeometry().toWidgetRect(form.cmdPhasor[0].box())));

    act([&] { form.tmrOne.tick(); });
    EXPECT_NEAR(form.lnePol[0].x2(), left + 127.5, 1e-3) << "the shaft follows at the next tick";
}

TEST_F(KeyboardTest, ArrowKeysStopAtTheEdgeOfTheWindow) {
    act([&] { form.cmbDemo.setText("Phasors"); });
    auto* handle = widget<QPushButton>("cmdPhasor(1)");
    handle->setFocus();
    for (int press = 0; press < 100; ++press) QTest::keyClick(handle, Qt::Key_Left);
    const Button& tip = form.cmdPhasor[1];
    EXPECT_GE(tip.left() + tip.width() / 2, 0.0f) << "its centre is still in the window";
    EXPECT_LT(tip.left() + tip.width() / 2, 60.0f) << "one step from the edge";
    QTest::keyClick(handle, Qt::Key_Right);
    EXPECT_GE(tip.left() + tip.width() / 2, 60.0f) << "and it comes back";
}

TEST_F(KeyboardTest, TheResultantHandleDoesNotMoveFromTheKeyboard) {
    act([&] { form.cmbDemo.setText("Phasors"); });
    auto* resultant = widget<QPushButton>("cmdPhasor(2)");
    resultant->setFocus();
    const float left = form.cmdPhasor[2].left();
    QTest::keyClick(resultant, Qt::Key_Right);
    QTest::keyClick(resultant, Qt::Key_Down);
    EXPECT_EQ(form.cmdPhasor[2].left(), left);
    EXPECT_EQ(form.dragSource(), nullptr);
}

TEST_F(KeyboardTest, EveryWindowedControlHasANameAndADescription) {
    act([&] {
        for (auto& handle : form.cmdPhasor) handle.setVisible(true);
    });
    const std::pair<const char*, const char*> names[] = {{"cmbDemo", "Demo"},
                                                         {"cmbOne", "Wavelength"},
                                                         {"cmbTwo", "Attenuation"},
                                                         {"cmdStart", "Pause"},
                                                         {"cmdHist", "Histogram"},
                                                         {"hscPhase", "Relative Phase"},
                                                         {"hscAmp1", "Amplitude 1"},
                                                         {"hscAmp2", "Amplitude 2"},
                                                         {"hscRate", "Speed"},
                                                         {"hscFixed", "Fixed"},
                                                         {"cmdPhasor(0)", "Phasor 1 tip"},
                                                         {"cmdPhasor(1)", "Phasor 2 tip"},
                                                         {"cmdPhasor(2)", "Resultant tip"}};
    for (const auto& [object, name] : names) {
        QWidget* w = widget(object);
        EXPECT_EQ(accessibleText(w, QAccessible::Name), name) << object;
        EXPECT_FALSE(accessibleText(w, QAccessible::Description).isEmpty()) << object;
    }
    EXPECT_EQ(accessibleText(widget("cmdStart"), QAccessible::Description),
              "Start or pause the animation");
}

TEST_F(KeyboardTest, OptionListNamesFollowTheLabelsOfEachDemo) {
    act([&] { form.cmbDemo.setText("Polarisation"); });
    EXPECT_EQ(accessibleText(widget("cmbOne"), QAccessible::Name), "Component 1");
    EXPECT_EQ(accessibleText(widget("cmbTwo"), QAccessible::Name), "Component 2");
    act([&] { form.cmbDemo.setText("Rayleigh"); });
    EXPECT_EQ(accessibleText(widget("cmbOne"), QAccessible::Name), "No. of Rays");
    act([&] { form.cmdStart.click(); });
    EXPECT_EQ(accessibleText(widget("cmdStart"), QAccessible::Name), "Start");
}

}  // namespace

namespace {

// Where the dark pixels of a caption lie in a box of the window's picture.
struct Ink {
    int top = -1;
    int bottom = -1;
    int right = -1;
};

Ink inkIn(const QImage& image, const QRect& box) {
    Ink ink;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (qGray(image.pixel(x, y)) >= 128)
                continue;
            if (ink.top < 0)
                ink.top = y;
            ink.bottom = y;
            ink.right = std::max(ink.right, x);
        }
    }
    return ink;
}

QStyleOptionComboBox comboBoxOption(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.subControls = QStyle::SC_All;
    option.editable = true;
    option.frame = true;
    return option;
}

// The parts of the windowed controls that a user must see and hit, in window pixels.
struct ControlParts {
    int comboWidth, dropDownButton, dropDownArrowInk;
    int scrollBarWidth, arrowButton, thumb;
};

ControlParts measureParts(FormView& view) {
    auto* combo = view.findChild<QComboBox*>("cmbOne");
    auto* bar = view.findChild<QScrollBar*>("hscPhase");
    const QStyleOptionComboBox comboOption = comboBoxOption(combo);
    const QRect button = combo->style()->subControlRect(QStyle::CC_ComboBox, &comboOption,
                                                        QStyle::SC_ComboBoxArrow, combo);
    const QImage picture = combo->grab().toImage();
    int inkLeft = -1;
    int inkRight = -1;
    for (int x = button.left(); x <= button.right(); ++x) {
        for (int y = button.top(); y <= button.bottom(); ++y) {
            if (qGray(picture.pixel(x, y)) >= 110)
                continue;
            if (inkLeft < 0)
                inkLeft = x;
            inkRight = x;
        }
    }
    const auto part = [&](QStyle::SubControl sc) { return scrollBarPart(bar, sc).width(); };
    return {combo->width(),
            button.width(),
            inkRight - inkLeft + 1,
            bar->width(),
            part(QStyle::SC_ScrollBarAddLine),
            part(QStyle::SC_ScrollBarSlider)};
}

using CaptionSizeTest = ViewFixture;

// The relative phase's caption changes as the bar moves; it must not jump between sizes, and it
// must never be clipped, at any size of the window.
TEST_F(CaptionSizeTest, ACaptionThatChangesWhileThePictureRunsKeepsOneSize) {
    act([&] { form.cmbDemo.setText("Polarisation"); });
    for (const QSize size : {QSize(789, 605), QSize(1920, 1080)}) {
        view.resize(size);
        const QRect box = toQRect(view.viewGeometry().toWidgetRect(form.lblFour.box()));
        std::optional<Ink> first;
        for (int degrees : {5, 0, -5, 45, -90, 100, 180, -180, -135}) {
            act([&] { form.hscPhase.setValue(degrees); });
            const Ink ink = inkIn(grab(), box);
            ASSERT_GE(ink.top, 0) << degrees;
            EXPECT_LT(ink.right, box.right()) << "clipped at " << degrees << " degrees";
            if (!first)
                first = ink;
            EXPECT_EQ(ink.top, first->top) << degrees << " degrees at " << size.width();
            EXPECT_EQ(ink.bottom, first->bottom) << degrees << " degrees at " << size.width();
        }
        const int pause = widget("cmdStart")->font().pixelSize();
        act([&] { form.cmdStart.click(); });
        EXPECT_EQ(form.cmdStart.caption(), "Start");
        EXPECT_EQ(widget("cmdStart")->font().pixelSize(), pause);
        act([&] { form.cmdStart.click(); });
    }
}

using ControlProportionTest = ViewFixture;

// On a projector the drop-down buttons, the arrows and the thumbs grow with their boxes, instead
// of keeping their design-size pixels beside a box 2.4 times as large.
TEST_F(ControlProportionTest, EveryPartOfAWindowedControlGrowsWithThePicture) {
    act([&] { form.cmbDemo.setText("Polarisation"); });
    const ControlParts design = measureParts(view);
    EXPECT_GT(design.dropDownButton, 10);
    EXPECT_GT(design.dropDownArrowInk, 2);
    EXPECT_GT(design.arrowButton, 10);
    view.resize(789 * 2, 605 * 2);
    const ControlParts doubled = measureParts(view);
    EXPECT_NEAR(doubled.comboWidth, 2 * design.comboWidth, 1);
    EXPECT_NEAR(doubled.dropDownButton, 2 * design.dropDownButton, 2);
    EXPECT_NEAR(doubled.dropDownArrowInk, 2 * design.dropDownArrowInk, 2);
    EXPECT_NEAR(doubled.scrollBarWidth, 2 * design.scrollBarWidth, 1);
    EXPECT_NEAR(doubled.arrowButton, 2 * design.arrowButton, 2);
    EXPECT_NEAR(doubled.thumb, 2 * design.thumb, 2) << "the thumb's minimum length too";
}

}  // namespace
