#include "demos/waves/plot_trace.h"

void PlotTrace(LineArray& lines, const TraceArray& values, std::int16_t count, std::int16_t start,
               double offset, double scale) {
    const auto screenY = [offset, scale](double value) { return value * scale + offset; };
    lines[0].setY1(screenY(values[0]));
    for (int i = 0; i <= count - 2; ++i) {
        const double y = screenY(values[start + i]);
        lines[i].setY2(y);
        lines[i + 1].setY1(y);
    }
    lines[95].setY2(screenY(values[count - 1]));
    lines[96].setVisible(false);
    lines[95].setVisible(false);
}
