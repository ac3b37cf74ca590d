#include "demos/waves/wave_data.h"

#include <string>

#include "app/form1.h"
#include "demos/waves/group_velocity.h"
#include "demos/waves/plane_wave.h"
#include "ui/number_rules.h"

namespace wave_data {
namespace {

// Sample i is drawn at the right end of segment i (PlotTrace), so that is where it stands.
DataTable trace(const Form1& form, const char* curve, double (*curveAt)(const Form1&, int)) {
    DataTable table("wave", {"sample", "x_twips", "value", curve});
    for (int i = 0; i <= 95; ++i) {
        table.addRow({std::to_string(i), DataTable::decimal(form.lnePlot[i].x2(), 0),
                      DataTable::decimal(form.Trace1[i], 6),
                      DataTable::decimal(curveAt(form, i), 6)});
    }
    return table;
}

double amplitude(const Form1& form, int sample) {
    return plane_wave::amplitudeAt(number_rules::numericValue(form.cmbTwo.text()), sample);
}

}  // namespace

std::vector<DataTable> planeWave(const Form1& form) {
    return {trace(form, "amplitude", amplitude)};
}

std::vector<DataTable> groups(const Form1& form) {
    return {trace(form, "envelope", group_velocity::envelope)};
}

}  // namespace wave_data
