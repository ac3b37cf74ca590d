// The model's work per tick and per demonstration switch, without a display.
#include <benchmark/benchmark.h>

#include <string>

#include "app/form1.h"

namespace {

const char* const kDemos[] = {"Plane Wave", "Group Velocity", "Polarisation",
                              "Rayleigh",   "Ricean",         "Phasors"};

// A loaded window showing `demo`, set up as a user would leave it mid-lesson.
void prepare(Form1& form, const std::string& demo) {
    form.load();
    form.cmbDemo.setText(demo);
    if (demo == "Rayleigh" || demo == "Ricean") {
        form.cmbOne.setText("Ten");
        form.cmdHist.click();
    }
    if (demo == "Polarisation")
        form.cmbTwo.setText("Right-Hand Circular");
    if (demo == "Phasors") {
        form.cmdPhasor[0].mouseDown(Button::kLeftButton, 0, 0, 0);
        form.drop(2700, 900);
        form.cmdPhasor[1].mouseDown(Button::kLeftButton, 0, 0, 0);
        form.drop(900, 4300);
    }
    form.takeDirtyRegion();
}

// One timer tick: FrameCount advances and DrawFrame draws the frame into the controls.
void BM_Frame(benchmark::State& state) {
    const std::string demo = kDemos[state.range(0)];
    state.SetLabel(demo);
    Form1 form;
    prepare(form, demo);
    for (auto _ : state) {
        form.tmrOne.tick();
        benchmark::DoNotOptimize(form.takeDirtyRegion());
    }
}
BENCHMARK(BM_Frame)->DenseRange(0, 5);

// Choosing the demonstration again: the neutral state and its set-up section.
void BM_SetupDemo(benchmark::State& state) {
    const std::string demo = kDemos[state.range(0)];
    state.SetLabel(demo);
    Form1 form;
    prepare(form, demo);
    for (auto _ : state) {
        form.SetupDemo();
        benchmark::DoNotOptimize(form.takeDirtyRegion());
    }
}
BENCHMARK(BM_SetupDemo)->DenseRange(0, 5);

}  // namespace

BENCHMARK_MAIN();
