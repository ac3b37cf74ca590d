#include "ui/form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ui/program_error.h"

namespace {

// A small window with one control of each kind, laid out side by side.
class TestForm : public Form {
public:
    TestForm() {
        setClientSize(6000, 3000);
        combo.setName("combo");
        combo.setGeometry(0, 0, 1000, 480);
        button.setName("button");
        button.setGeometry(1000, 0, 1000, 480);
        bar.setName("bar");
        bar.setGeometry(2000, 0, 1000, 480);
        bar.setRange(-10, 10);
        label.setName("label");
        label.setGeometry(3000, 0, 1000, 480);
        image.setName("image");
        image.setGeometry(4000, 0, 1000, 480);
        line.setName("line");
        line.setPoints(0, 1000, 6000, 1000);
        shape.setName("shape");
        shape.setGeometry(0, 2000, 1000, 1000);
        lines.setName("lines");
        addPainted(line);
        addPainted(shape);
        addPainted(label);
        addPainted(image);
        addPainted(lines);
        addWindowed(combo);
        addWindowed(button);
        addWindowed(bar);
        onDragDrop = [this](Button& source, float x, float y) {
            ++drops;
            dropSource = &source;
            dropX = x;
            dropY = y;
        };
        takeDirtyRegion();
    }

    ComboBox combo;
    Button button;
    ScrollBar bar;
    Label label;
    Image image;
    Line line;
    Shape shape;
    ControlArray<Line, 4> lines;
    int drops = 0;
    Button* dropSource = nullptr;
    float dropX = 0;
    float dropY = 0;
};

TEST(ControlEvents, ComboBoxRaisesChangeForEveryNewTextAndClickForAPick) {
    TestForm form;
    int changes = 0;
    int clicks = 0;
    form.combo.onChange = [&] { ++changes; };
    form.combo.onClick = [&] { ++clicks; };
    form.combo.addItem("b");
    form.combo.addItem("a", 0);
    ASSERT_EQ(form.combo.items(), (std::vector<std::string>{"a", "b"}));

    form.combo.setText("x");
    form.combo.setText("x");  // the same text is no change
    form.combo.setText("xy");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(clicks, 0);

    form.combo.pick(1);
    EXPECT_EQ(form.combo.text(), "b");
    EXPECT_EQ(changes, 2) << "a pick is a Click only";
    EXPECT_EQ(clicks, 1);
    form.combo.pick(1);
    EXPECT_EQ(clicks, 2) << "picking the shown entry again is a Click too";

    EXPECT_THROW(form.combo.pick(2), ProgramError);
    EXPECT_THROW(form.combo.addItem("c", 4), ProgramError);
    form.combo.clear();
    EXPECT_TRUE(form.combo.items().empty());
    EXPECT_EQ(form.combo.text(), "b") << "clearing the list keeps the text";
}

TEST(ControlEvents, ScrollBarRaisesChangeOnlyWithinItsRange) {
    TestForm form;
    int changes = 0;
    form.bar.onChange = [&] { ++changes; };
    form.bar.setValue(-10);
    form.bar.setValue(-10);
    form.bar.setValue(10);
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(form.bar.setValue(11), ProgramError);
    EXPECT_THROW(form.bar.setValue(-11), ProgramError);
    EXPECT_EQ(form.bar.value(), 10);
}

// Both views hand whole wheel notches to the model, which steps the entry or the value.
TEST(ControlEvents, AWheelNotchIsOnePickOrOneSmallChangeAndStopsAtTheEnds) {
    TestForm form;
    int clicks = 0;
    int changes = 0;
    form.combo.onClick = [&] { ++clicks; };
    form.combo.onChange = [&] { ++changes; };
    for (const char* entry : {"A", "B", "C"}) form.combo.addItem(entry);
    form.combo.setText("typed");
    changes = 0;
    form.combo.turnWheel(1);
    EXPECT_EQ(form.combo.text(), "typed") << "above a text that names no entry there is nothing";
    form.combo.turnWheel(-1);
    EXPECT_EQ(form.combo.text(), "A") << "the first step down goes to the first entry";
    form.combo.turnWheel(-5);
    EXPECT_EQ(form.combo.text(), "C");
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(changes, 0);

    form.bar.setSteps(3, 7);
    form.bar.setValue(0);
    int barChanges = 0;
    form.bar.onChange = [&] { ++barChanges; };
    form.bar.turnWheel(-2);
    EXPECT_EQ(form.bar.value(), 6);
    form.bar.turnWheel(-2);
    EXPECT_EQ(form.bar.value(), 10) << "held at Max";
    form.bar.turnWheel(8);
    EXPECT_EQ(form.bar.value(), -10) << "held at Min";
    EXPECT_EQ(barChanges, 11) << "one Change a step that moved";
}

TEST(ControlProperties, OnlyFiniteSingleValuesReachACoordinate) {
    TestForm form;
    form.line.setX1(1e38);
    EXPECT_FLOAT_EQ(form.line.x1(), 1e38f);
    EXPECT_THROW(form.line.setY1(std::numeric_limits<double>::infinity()), ProgramError);
    EXPECT_THROW(form.line.setY1(std::nan("")), ProgramError);
    EXPECT_THROW(form.shape.setTop(1e39), ProgramError) << "beyond the single-precision range";
    EXPECT_EQ(form.line.y1(), 1000.0f) << "a refused value changes nothing";
    EXPECT_THROW(form.line.setBorderWidth(0), ProgramError);
}

TEST(ControlProperties, ArraysCheckEveryIndex) {
    TestForm form;
    EXPECT_EQ(form.lines[3].name(), "lines(3)");
    EXPECT_THROW((void)form.lines[4], ProgramError);
    EXPECT_THROW((void)form.lines[-1], ProgramError);
}

TEST(ControlProperties, HiddenLineKeepsAndTakesItsEndPoints) {
    TestForm form;
    form.line.setVisible(false);
    form.line.setPoints(10, 20, 30, 40);
    form.line.setVisible(true);
    EXPECT_EQ(form.line.box(), (RectF{10, 20, 20, 20}));
    form.line.setVisible(false);
    EXPECT_EQ(form.line.x2(), 30.0f);
}

TEST(Repainting, CoversTheOldAndNewPlaceOfAVisibleControlOnly) {
    TestForm form;
    form.line.setVisible(false);
    form.takeDirtyRegion();
    form.line.setPoints(0, 0, 100, 0);
    EXPECT_TRUE(form.takeDirtyRegion().isEmpty()) << "a hidden line shows nothing";

    form.line.setVisible(true);
    const RectF shown = form.takeDirtyRegion();
    EXPECT_TRUE(shown.contains(50, 0));

    form.line.setPoints(2000, 2000, 2100, 2000);
    const RectF moved = form.takeDirtyRegion();
    EXPECT_TRUE(moved.contains(50, 0)) << "where it was";
    EXPECT_TRUE(moved.contains(2050, 2000)) << "where it is";
    EXPECT_TRUE(form.takeDirtyRegion().isEmpty());

    form.button.setCaption("Go");
    EXPECT_TRUE(form.takeDirtyRegion().isEmpty()) << "widgets paint themselves";
}

TEST(DragAndDrop, ControlsThatTakeDropsKeepThemFromTheWindow) {
    struct Case {
        double x, y;
        Form::DropResult result;
    };
    const Case cases[] = {
        {500, 200, Form::DropResult::TakenByControl},   // combo box
        {1500, 200, Form::DropResult::TakenByControl},  // the dragged button itself
        {2500, 200, Form::DropResult::TakenByControl},  // scroll bar
        {3500, 200, Form::DropResult::TakenByControl},  // label
        {4500, 200, Form::DropResult::TakenByControl},  // image
        {5500, 200, Form::DropResult::Dropped},         // empty window
        {3000, 1000, Form::DropResult::Dropped},        // on a line
        {500, 2500, Form::DropResult::Dropped},         // on a shape
        {-1, 200, Form::DropResult::Outside},          {6000, 200, Form::DropResult::Outside},
        {1e30, -1e30, Form::DropResult::Outside},      {std::nan(""), 0, Form::DropResult::Outside},
    };
    for (const Case& c : cases) {
        TestForm form;
        form.button.drag();
        EXPECT_EQ(form.drop(c.x, c.y), c.result) << c.x << ", " << c.y;
        EXPECT_EQ(form.dragSource(), nullptr) << "the release ends the drag";
        EXPECT_EQ(form.drops, c.result == Form::DropResult::Dropped ? 1 : 0);
    }
}

TEST(DragAndDrop, HiddenControlsTakeNothingAndWithoutADragNothingHappens) {
    TestForm form;
    EXPECT_EQ(form.drop(5500, 200), Form::DropResult::NoDrag);
    form.combo.setVisible(false);
    form.label.setVisible(false);
    form.button.drag();
    EXPECT_EQ(form.drop(500, 200), Form::DropResult::Dropped);
    form.button.drag();
    EXPECT_EQ(form.drop(3500, 200), Form::DropResult::Dropped);
    EXPECT_EQ(form.dropSource, &form.button);
    EXPECT_EQ(form.dropX, 3500.0f);
    EXPECT_EQ(form.dropY, 200.0f);
}

TEST(DragAndDrop, HidingTheDraggedButtonEndsTheDragWithoutADrop) {
    TestForm form;
    EXPECT_FALSE(form.cancelDragOfHiddenSource()) << "no drag";
    form.button.drag();
    EXPECT_FALSE(form.cancelDragOfHiddenSource()) << "the button is still shown";
    EXPECT_EQ(form.dragSource(), &form.button);
    form.button.setVisible(false);
    EXPECT_TRUE(form.cancelDragOfHiddenSource());
    EXPECT_EQ(form.dragSource(), nullptr);
    EXPECT_EQ(form.drop(5500, 200), Form::DropResult::NoDrag);
    EXPECT_EQ(form.drops, 0);
}

}  // namespace
