// Painting the whole window, widgets included, into an image on the offscreen platform, as the
// program paints it (antialiased), at device pixel ratio 1 and 2; and recording 100 frames of it as
// a GIF.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "app/form1.h"
#include "desktop/animation_recorder.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_conversions.h"

namespace {

const char* const kDemos[] = {"Plane Wave", "Group Velocity", "Polarisation",
                              "Rayleigh",   "Ricean",         "Phasors"};

// The demonstration as the benchmarks show it: ten rays and the histogram for fading, a turning
// sum for polarisation.
void show(FormView& view, Form1& form, const std::string& demo) {
    view.load();
    view.deliver([&] {
        form.cmbDemo.setText(demo);
        if (demo == "Rayleigh" || demo == "Ricean") {
            form.cmbOne.setText("Ten");
            form.cmdHist.click();
        }
        if (demo == "Polarisation")
            form.cmbTwo.setText("Right-Hand Circular");
    });
}

void BM_PaintWindow(benchmark::State& state) {
    const std::string demo = kDemos[state.range(0)];
    const int ratio = static_cast<int>(state.range(1));
    state.SetLabel(demo + " @" + std::to_string(ratio) + "x");
    Form1 form;
    FormView view(form);
    show(view, form, demo);
    for (int i = 0; i < 20; ++i) view.deliver([&] { form.tmrOne.tick(); });

    QImage image(view.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintWindow)->ArgsProduct({{0, 1, 2, 3, 4, 5}, {1, 2}})->Unit(benchmark::kMicrosecond);

// A tick as the screen sees it: the frame, then painting only the region that changed.
void BM_TickAndRepaint(benchmark::State& state) {
    const std::string demo = kDemos[state.range(0)];
    state.SetLabel(demo);
    Form1 form;
    FormView view(form);
    view.load();
    view.deliver([&] { form.cmbDemo.setText(demo); });
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        form.tmrOne.tick();
        const RectF dirty = form.takeDirtyRegion();
        const QRect region =
            toQRectF(view.viewGeometry().toPixels(dirty)).toAlignedRect().adjusted(-1, -1, 1, 1);
        view.render(&image, region.topLeft(), QRegion(region));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TickAndRepaint)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// "Record animation" on the desktop: 100 frames drawn on a copy of the window, painted, reduced
// to their palettes and written as a GIF by giflib; the file's size is the counter "bytes". The
// floor is 100 paints of the window itself (BM_PaintWindow at 1x, times 100).
void BM_RecordGif100Frames(benchmark::State& state) {
    const std::string demo = kDemos[state.range(0)];
    state.SetLabel(demo);
    Form1 form;
    FormView view(form);
    show(view, form, demo);
    QTemporaryDir dir;
    const QString path = dir.filePath("frames.gif");
    for (auto _ : state) {
        if (!animation_recorder::recordGif(form, view.size(), 100, path).empty())
            state.SkipWithError("the GIF could not be written");
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_RecordGif100Frames)->Arg(0)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
