#include "demos/fading/fading_data.h"

#include <cmath>
#include <string>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/fading_record.h"
#include "demos/fading/histogram.h"
#include "demos/fading/theory_curve.h"
#include "ui/number_rules.h"

namespace fading_data {
namespace {

using number_rules::kPi;

// An angle in radians as degrees from -180 to 180.
double degrees(double radians) {
    return std::remainder(radians * 180 / kPi, 360.0);
}

// The rays as the frame drew them: the length and the phase that the chain is drawn from (the
// phase turns from the x axis towards the screen's downward y), then the received signal, the
// closing line read from the origin to the chain's end.
DataTable rays(const Form1& form) {
    DataTable table("rays", {"ray", "length_twips", "phase_degrees"});
    const int count = fading::rayCount(form);
    for (int i = 1; i <= count; ++i) {
        table.addRow({std::to_string(i), DataTable::decimal(form.Trace1[i], 2),
                      DataTable::decimal(degrees(form.Trace2[i]), 2)});
    }
    // Until the first frame draws it, the closing line is not the rays' (the set-up hides it).
    const Line& resultant = form.lnePol[5];
    if (!resultant.visible()) {
        table.addRow({"sum", "", ""});
        return table;
    }
    const double envelope = fading::envelope(form);
    const double dx = double{resultant.x1()} - resultant.x2();
    const double dy = double{resultant.y1()} - resultant.y2();
    table.addRow({"sum", DataTable::decimal(envelope, 2),
                  envelope > 0 ? DataTable::decimal(degrees(std::atan2(dy, dx)), 2) : ""});
    return table;
}

DataTable bins(const Form1& form) {
    const theory_curve::Theory theory =
        fading::hasDirectRay(form) ? theory_curve::Theory::Ricean : theory_curve::Theory::Rayleigh;
    const std::vector<double> expected = theory_curve::expectedCounts(form, theory);
    DataTable table("histogram", {"bin", "lower_twips", "upper_twips", "count", "expected"});
    for (int k = 0; k < histogram::kBins; ++k) {
        table.addRow({std::to_string(k), DataTable::decimal(histogram::lowerEdge(k), 0),
                      DataTable::decimal(histogram::upperEdge(k), 0),
                      DataTable::decimal(form.HistBins[k], 0),
                      expected.empty() ? "" : DataTable::decimal(expected[k], 3)});
    }
    return table;
}

DataTable recorded(const fading_record::Record& record) {
    DataTable table("record", {"frame", "envelope_twips", "level_db"});
    int frame = 0;
    for (const double envelope : record.kept()) {
        table.addRow({std::to_string(++frame), DataTable::decimal(envelope, 2),
                      DataTable::decimal(record.decibelsOf(envelope), 3)});
    }
    return table;
}

DataTable threshold(const Form1& form, const fading_record::Record& record) {
    const int decibels = form.lesson.threshold();
    const double level = record.level(decibels);
    DataTable table("threshold", {"threshold_db", "threshold_twips", "frames", "share_below",
                                  "theory_share_below"});
    table.addRow({std::to_string(decibels), DataTable::decimal(level, 2),
                  std::to_string(record.frames()),
                  DataTable::decimal(record.fractionBelow(decibels), 6),
                  DataTable::decimal(fading_record::theoryBelow(form, level), 6)});
    return table;
}

}  // namespace

std::vector<DataTable> data(const Form1& form) {
    std::vector<DataTable> tables = {rays(form)};
    if (histogram::isOn(form))
        tables.push_back(bins(form));
    if (form.lesson.recordShown()) {
        tables.push_back(recorded(form.lesson.record()));
        tables.push_back(threshold(form, form.lesson.record()));
    }
    return tables;
}

}  // namespace fading_data
