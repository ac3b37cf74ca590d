#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>
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
    EXPECT_NEAR(view.viewGeometry().offset().x(), size.left, 1e-9);
    EXPECT_NEAR(view.viewGeometry().offset().y(), size.top, 1e-9);

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
    EXPECT_EQ(handle->geometry(), view.viewGeometry().toWidgetRect(form.cmdPhasor[0].box()));

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
