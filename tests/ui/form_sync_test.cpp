#include "ui/form_sync.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

namespace {

// Five windowed controls added in the order first, second, ... and two timers. The tab indices
// are not in the order the form adds the controls, and two pairs of them are shared.
class TabbedForm : public Form {
public:
    TabbedForm() {
        setClientSize(6000, 3000);
        const struct {
            BoxControl* control;
            const char* name;
            int tabIndex;
        } design[] = {{&first, "first", 3},
                      {&second, "second", 1},
                      {&third, "third", 3},
                      {&fourth, "fourth", 0},
                      {&fifth, "fifth", 1}};
        for (const auto& d : design) {
            d.control->setName(d.name);
            d.control->setTabIndex(d.tabIndex);
        }
        addWindowed(first);
        addWindowed(second);
        addWindowed(third);
        addWindowed(fourth);
        addWindowed(fifth);
        clock.setName("clock");
        other.setName("other");
        addTimer(clock);
        addTimer(other);
    }

    ComboBox first;
    Button second;
    ScrollBar third;
    Button fourth;
    ComboBox fifth;
    Timer clock;
    Timer other;
};

std::string nameAt(const Form& form, std::size_t index) {
    return std::visit([](const auto* control) { return control->name(); },
                      form.windowedControls().at(index));
}

std::vector<std::string> namesIn(const Form& form, const std::vector<std::size_t>& order) {
    std::vector<std::string> names;
    for (std::size_t index : order) names.push_back(nameAt(form, index));
    return names;
}

// The names of the controls and the timers that the flags mark as changed.
std::vector<std::string> changedNames(const Form& form, const FormSync::Changes& changes) {
    std::vector<std::string> names;
    EXPECT_EQ(changes.controls.size(), form.windowedControls().size());
    EXPECT_EQ(changes.timers.size(), form.timers().size());
    for (std::size_t i = 0; i < changes.controls.size(); ++i) {
        if (changes.controls[i])
            names.push_back(nameAt(form, i));
    }
    for (std::size_t i = 0; i < changes.timers.size(); ++i) {
        if (changes.timers[i])
            names.push_back(form.timers()[i]->name());
    }
    return names;
}

using Names = std::vector<std::string>;
const Names kEverything{"first", "second", "third", "fourth", "fifth", "clock", "other"};

TEST(FormSyncTabOrder, SortsByTabIndexKeepingTheFormsOrderWhereIndicesAreShared) {
    TabbedForm form;
    const FormSync sync(form);
    EXPECT_EQ(namesIn(form, sync.tabOrder()),
              (Names{"fourth", "second", "fifth", "first", "third"}));
}

TEST(FormSyncTabOrder, FollowsTabIndicesSetAfterTheSyncWasMade) {
    TabbedForm form;
    const FormSync sync(form);
    form.fourth.setTabIndex(9);
    form.first.setTabIndex(-1);
    EXPECT_EQ(namesIn(form, sync.tabOrder()),
              (Names{"first", "second", "fifth", "third", "fourth"}));
}

TEST(FormSyncTabOrder, ListsEveryWindowedControlOnce) {
    TabbedForm form;
    for (BoxControl* control : std::initializer_list<BoxControl*>{
             &form.first, &form.second, &form.third, &form.fourth, &form.fifth}) {
        control->setTabIndex(0);
    }
    const FormSync sync(form);
    EXPECT_EQ(sync.tabOrder(), (std::vector<std::size_t>{0, 1, 2, 3, 4}));
}

// A form as large as a real window's control set, where a sort that is not stable would mix up
// the controls that share a tab index.
class ManyButtonsForm : public Form {
public:
    static constexpr int kTabIndices = 3;
    static int tabIndexOf(int i) { return (i * 7 + 2) % kTabIndices; }

    ManyButtonsForm() {
        buttons.setName("button");
        for (int i = 0; i < buttons.size(); ++i) buttons[i].setTabIndex(tabIndexOf(i));
        addWindowed(buttons);
    }

    ControlArray<Button, 48> buttons;
};

TEST(FormSyncTabOrder, KeepsTheFormsOrderAmongManySharedTabIndices) {
    ManyButtonsForm form;
    std::vector<std::size_t> expected;
    for (int tab = 0; tab < ManyButtonsForm::kTabIndices; ++tab) {
        for (int i = 0; i < form.buttons.size(); ++i) {
            if (ManyButtonsForm::tabIndexOf(i) == tab)
                expected.push_back(static_cast<std::size_t>(i));
        }
    }
    EXPECT_EQ(FormSync(form).tabOrder(), expected);
}

TEST(FormSyncChanges, TheFirstCountsEverythingAsChanged) {
    TabbedForm form;
    FormSync sync(form);
    EXPECT_EQ(changedNames(form, sync.takeChanges()), kEverything);
    EXPECT_EQ(changedNames(form, sync.takeChanges()), Names{});
}

TEST(FormSyncChanges, OnlyWhatMovedOnSinceTheLastCallAndOnlyOnce) {
    TabbedForm form;
    FormSync sync(form);
    sync.takeChanges();

    form.second.setCaption("Start");
    form.fifth.setText("2.0");
    form.other.setInterval(100);
    EXPECT_EQ(changedNames(form, sync.takeChanges()), (Names{"second", "fifth", "other"}));
    EXPECT_EQ(changedNames(form, sync.takeChanges()), Names{});

    form.third.setRange(-10, 10);
    form.third.setValue(4);
    form.clock.setEnabled(true);
    EXPECT_EQ(changedNames(form, sync.takeChanges()), (Names{"third", "clock"}));
}

TEST(FormSyncChanges, AWriteOfTheSameValueIsNoChange) {
    TabbedForm form;
    form.second.setCaption("Start");
    form.clock.setInterval(100);
    FormSync sync(form);
    sync.takeChanges();

    form.second.setCaption("Start");
    form.clock.setInterval(100);
    form.clock.setEnabled(false);
    EXPECT_EQ(changedNames(form, sync.takeChanges()), Names{});
}

// Written and written back between two calls: the view still brings it in step, since the
// revision moved on even though the value did not.
TEST(FormSyncChanges, AValueWrittenBackBetweenTwoCallsIsAChange) {
    TabbedForm form;
    FormSync sync(form);
    sync.takeChanges();
    form.fourth.setCaption("Pause");
    form.fourth.setCaption("");
    EXPECT_EQ(changedNames(form, sync.takeChanges()), Names{"fourth"});
}

TEST(FormSyncChanges, EverythingCountsAllAsChangedAndLeavesNothingPending) {
    TabbedForm form;
    FormSync sync(form);
    sync.takeChanges();
    form.first.setText("Ten");
    EXPECT_EQ(changedNames(form, sync.takeChanges(true)), kEverything);
    EXPECT_EQ(changedNames(form, sync.takeChanges()), Names{});
}

// Each view keeps a sync of its own: what one has taken is still news to the other.
TEST(FormSyncChanges, TwoSyncsOfOneFormTakeTheirChangesApart) {
    TabbedForm form;
    FormSync desktop(form);
    FormSync page(form);
    desktop.takeChanges();
    page.takeChanges();
    form.third.setValue(1);
    EXPECT_EQ(changedNames(form, desktop.takeChanges()), Names{"third"});
    form.clock.setInterval(50);
    EXPECT_EQ(changedNames(form, page.takeChanges()), (Names{"third", "clock"}));
    EXPECT_EQ(changedNames(form, desktop.takeChanges()), Names{"clock"});
}

}  // namespace
