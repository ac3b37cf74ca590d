#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/picture_description.h"
#include "app/tool_catalogue.h"
#include "demos/data_table.h"
#include "demos/demonstrations.h"
#include "demos/fading/fading.h"
#include "demos/fading/histogram.h"
#include "i18n/translate.h"
#include "ui/program_error.h"

namespace {

// A CSV text as a script reads it: the header's names, then each row's cells.
struct Csv {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

std::vector<std::string> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(line);
    while (std::getline(in, cell, ',')) cells.push_back(cell);
    if (!line.empty() && line.back() == ',')
        cells.emplace_back();
    return cells;
}

// Every line ends in "\n" and has as many cells as the header names.
Csv parsed(const std::string& text) {
    Csv csv;
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (csv.header.empty()) {
            csv.header = cellsOf(line);
            continue;
        }
        csv.rows.push_back(cellsOf(line));
        EXPECT_EQ(csv.rows.back().size(), csv.header.size()) << line;
    }
    return csv;
}

// A cell as a number written with a point; nothing for an empty cell or one that is not wholly
// a number in that form.
std::optional<double> number(const std::string& cell) {
    double value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (cell.empty() || error != std::errc() || end != cell.data() + cell.size())
        return std::nullopt;
    return value;
}

double at(const Csv& csv, std::size_t row, const std::string& column) {
    for (std::size_t c = 0; c < csv.header.size(); ++c) {
        if (csv.header[c] == column) {
            const std::optional<double> value = number(csv.rows.at(row).at(c));
            EXPECT_TRUE(value.has_value()) << column << " row " << row;
            return value.value_or(NAN);
        }
    }
    ADD_FAILURE() << "no column " << column;
    return NAN;
}

// The tables of the picture on show by name, each parsed.
std::vector<std::pair<std::string, Csv>> tablesOf(const Form1& form) {
    std::vector<std::pair<std::string, Csv>> tables;
    for (const DataTable& table : demos::dataOf(form))
        tables.emplace_back(table.name(), parsed(table.csv()));
    return tables;
}

using Header = std::vector<std::string>;

class DataTest : public ::testing::Test {
protected:
    void SetUp() override { form.load(); }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) form.tmrOne.tick();
    }
    Form1 form;
};

// The wave's 96 samples where the line draws them, and the curve each wave is shaped by: the
// attenuation's share of the starting height (worked out here), the groups' envelope that holds
// the carrier.
TEST_F(DataTest, WaveTablesHoldTheTraceWhereItIsDrawnAndTheCurveThatShapesIt) {
    form.cmbTwo.setText("0.5");  // attenuation
    ticks(7);
    auto tables = tablesOf(form);
    ASSERT_EQ(tables.size(), 1u);
    ASSERT_EQ(tables[0].first, "wave");
    Csv wave = tables[0].second;
    EXPECT_EQ(wave.header, (Header{"sample", "x_twips", "value", "amplitude"}));
    ASSERT_EQ(wave.rows.size(), 96u);
    for (std::size_t i = 0; i < 96; ++i) {
        const int sample = static_cast<int>(i);
        EXPECT_EQ(at(wave, i, "sample"), sample);
        EXPECT_EQ(at(wave, i, "x_twips"), form.lnePlot[sample].x2());
        EXPECT_NEAR(at(wave, i, "value"), form.Trace1[sample], 5e-7) << i;
        EXPECT_NEAR(at(wave, i, "amplitude"), std::exp(-0.5 * sample / 50.0), 5e-7) << i;
        EXPECT_LE(std::abs(at(wave, i, "value")), at(wave, i, "amplitude") + 1e-6) << i;
    }
    // The marker rides on the joint at x = 6000: the sample there is the marker's height.
    EXPECT_EQ(at(wave, 48, "x_twips"), 6000);

    form.cmbDemo.pick(0);  // "Group Velocity"
    ASSERT_EQ(form.cmbDemo.text(), "Group Velocity");
    form.cmbTwo.setText("2.0");  // phase velocity
    ticks(5);
    tables = tablesOf(form);
    ASSERT_EQ(tables.size(), 1u);
    wave = tables[0].second;
    EXPECT_EQ(wave.header, (Header{"sample", "x_twips", "value", "envelope"}));
    ASSERT_EQ(wave.rows.size(), 96u);
    int inGroups = 0;
    for (std::size_t i = 0; i < 96; ++i) {
        EXPECT_NEAR(at(wave, i, "value"), form.Trace1[static_cast<int>(i)], 5e-7) << i;
        EXPECT_LE(std::abs(at(wave, i, "value")), at(wave, i, "envelope") + 1e-6) << i;
        inGroups += at(wave, i, "envelope") > 0 ? 1 : 0;
    }
    EXPECT_GT(inGroups, 0);
    EXPECT_LT(inGroups, 96) << "groups of 30 samples, 60 apart";
}

// Horizontal plus Vertical at +90 degrees turns on the unit circle, counter-clockwise as the
// table has it (y upwards); the last row is the frame on show, where the sum's circle stands.
TEST_F(DataTest, PolarisationCycleEndsAtTheFrameOnShowAndAddsTheComponents) {
    form.cmbDemo.pick(1);  // "Polarisation"
    ASSERT_EQ(form.cmbDemo.text(), "Polarisation");
    form.cmbTwo.setText("Vertical");
    form.hscPhase.setValue(90);
    ticks(30);
    const auto tables = tablesOf(form);
    ASSERT_EQ(tables.size(), 1u);
    ASSERT_EQ(tables[0].first, "cycle");
    const Csv& cycle = tables[0].second;
    EXPECT_EQ(cycle.header, (Header{"frame", "e1_x", "e1_y", "e2_x", "e2_y", "sum_x", "sum_y"}));
    ASSERT_EQ(cycle.rows.size(), 24u);
    for (std::size_t i = 0; i < 24; ++i) {
        EXPECT_EQ(at(cycle, i, "frame"), form.FrameCount - 23 + static_cast<double>(i));
        EXPECT_NEAR(at(cycle, i, "sum_x"), at(cycle, i, "e1_x") + at(cycle, i, "e2_x"), 2e-6);
        EXPECT_NEAR(at(cycle, i, "sum_y"), at(cycle, i, "e1_y") + at(cycle, i, "e2_y"), 2e-6);
        EXPECT_NEAR(std::hypot(at(cycle, i, "sum_x"), at(cycle, i, "sum_y")), 1, 1e-5) << i;
        if (i > 0) {
            // Counter-clockwise with y upwards: each step turns the sum by +15 degrees.
            const double turn = at(cycle, i - 1, "sum_x") * at(cycle, i, "sum_y") -
                                at(cycle, i - 1, "sum_y") * at(cycle, i, "sum_x");
            EXPECT_NEAR(turn, std::sin(15 * 3.1415926 / 180), 1e-5) << i;
        }
    }
    // The sum's circle, 1800 twips a unit from the crossing of the axes, y down on the screen.
    const Shape& sum = form.Shape1[2];
    const double cx = form.Line2.x1();
    const double cy = form.Line1.y1();
    EXPECT_NEAR(at(cycle, 23, "sum_x"), (sum.left() + sum.width() / 2.0 - cx) / 1800, 1e-3);
    EXPECT_NEAR(at(cycle, 23, "sum_y"), -(sum.top() + sum.height() / 2.0 - cy) / 1800, 1e-3);
}

// Ten rays at "Speed" 20 with the histogram and the record on: the rays add up to the envelope,
// the bins hold every counted frame and the theory shares out as many, the record keeps every
// frame with its level against the running rms, and the share below the threshold is the
// record's own.
TEST_F(DataTest, FadingTablesHoldTheRaysTheBinsTheRecordAndTheThreshold) {
    form.cmbDemo.pick(3);  // "Rayleigh"
    ASSERT_EQ(form.cmbDemo.text(), "Rayleigh");
    form.cmbOne.pick(4);  // "Ten"
    form.hscRate.setValue(20);
    ticks(3);
    EXPECT_EQ(demos::dataOf(form).size(), 1u) << "only the rays while nothing else shows";
    form.cmdHist.click();
    form.lesson.setFadingRecord(true);
    ticks(400);
    const auto tables = tablesOf(form);
    ASSERT_EQ(tables.size(), 4u);
    EXPECT_EQ(tables[0].first, "rays");
    EXPECT_EQ(tables[1].first, "histogram");
    EXPECT_EQ(tables[2].first, "record");
    EXPECT_EQ(tables[3].first, "threshold");

    const Csv& rays = tables[0].second;
    EXPECT_EQ(rays.header, (Header{"ray", "length_twips", "phase_degrees"}));
    ASSERT_EQ(rays.rows.size(), 11u);
    double x = 0;
    double y = 0;
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(rays.rows[i][0], std::to_string(i + 1));
        const double length = at(rays, i, "length_twips");
        const double phase = at(rays, i, "phase_degrees") * 3.1415926 / 180;
        EXPECT_NEAR(length, form.Trace1[static_cast<int>(i) + 1], 0.005);
        EXPECT_LE(std::abs(at(rays, i, "phase_degrees")), 180);
        x += length * std::cos(phase);
        y += length * std::sin(phase);
    }
    EXPECT_EQ(rays.rows[10][0], "sum");
    // The chain's joints are whole twips: ten roundings of at most half a twip each way.
    EXPECT_NEAR(at(rays, 10, "length_twips"), std::hypot(x, y), 8);
    EXPECT_NEAR(at(rays, 10, "length_twips"), fading::envelope(form), 0.005);
    EXPECT_NEAR(at(rays, 10, "phase_degrees") * 3.1415926 / 180, std::atan2(y, x), 0.05);

    const Csv& bins = tables[1].second;
    EXPECT_EQ(bins.header, (Header{"bin", "lower_twips", "upper_twips", "count", "expected"}));
    ASSERT_EQ(bins.rows.size(), 32u);
    double counted = 0;
    double expected = 0;
    for (std::size_t k = 0; k < 32; ++k) {
        EXPECT_EQ(at(bins, k, "count"), form.HistBins[static_cast<int>(k)]);
        EXPECT_EQ(at(bins, k, "lower_twips"), k == 0 ? 0 : 100.0 * k - 50);
        EXPECT_EQ(at(bins, k, "upper_twips"), 100.0 * k + 50);
        counted += at(bins, k, "count");
        expected += at(bins, k, "expected");
    }
    EXPECT_EQ(counted, histogram::total(form));
    EXPECT_GT(counted, 300);
    EXPECT_NEAR(expected, counted, 32 * 0.0005) << "each expected count to three places";

    const fading_record::Record& record = form.lesson.record();
    const Csv& kept = tables[2].second;
    EXPECT_EQ(kept.header, (Header{"frame", "envelope_twips", "level_db"}));
    ASSERT_EQ(kept.rows.size(), record.frames());
    ASSERT_EQ(kept.rows.size(), 400u);
    EXPECT_NEAR(at(kept, 399, "envelope_twips"), fading::envelope(form), 0.005);
    for (std::size_t i = 0; i < kept.rows.size(); ++i) {
        const double envelope = at(kept, i, "envelope_twips");
        // The envelope is written to a hundredth of a twip, the level to a thousandth of a dB.
        if (envelope > 0) {
            EXPECT_NEAR(at(kept, i, "level_db"), 20 * std::log10(envelope / record.rms()),
                        0.0005 + 8.7 * 0.005 / envelope);
        }
    }

    const Csv& threshold = tables[3].second;
    EXPECT_EQ(threshold.header, (Header{"threshold_db", "threshold_twips", "frames", "share_below",
                                        "theory_share_below"}));
    ASSERT_EQ(threshold.rows.size(), 1u);
    EXPECT_EQ(at(threshold, 0, "threshold_db"), -10);
    EXPECT_EQ(at(threshold, 0, "frames"), 400);
    int below = 0;
    for (std::size_t i = 0; i < kept.rows.size(); ++i)
        below += at(kept, i, "level_db") < -10 ? 1 : 0;
    // A frame within a rounding of the threshold may fall either side of it here.
    EXPECT_NEAR(at(threshold, 0, "share_below"), below / 400.0, 2.5 / 400);
    EXPECT_NEAR(at(threshold, 0, "share_below"), record.fractionBelow(-10), 1e-6);
    double power = 0;
    for (int i = 1; i <= 10; ++i) power += form.Trace1[i] * form.Trace1[i];
    const double level = at(threshold, 0, "threshold_twips");
    EXPECT_NEAR(level, record.rms() * std::pow(10.0, -0.5), 0.005);
    EXPECT_NEAR(at(threshold, 0, "theory_share_below"), 1 - std::exp(-level * level / power), 1e-5);
}

// The phasors' lengths are those the description says; the sum's sinusoid is the sum of the two.
TEST_F(DataTest, PhasorTablesGiveTheDescribedLengthsAndTheSinusoidsThatAdd) {
    form.cmbDemo.pick(5);  // "Phasors"
    ASSERT_EQ(form.cmbDemo.text(), "Phasors");
    auto tables = tablesOf(form);
    ASSERT_EQ(tables.size(), 2u);
    // No length, no phase.
    EXPECT_EQ(tables[0].second.rows.at(0), (Header{"1", "0.00", ""}));
    // Before the first frame the traces still hold Plane Wave's samples; the tips are on their
    // origins, so every sinusoid is flat.
    ASSERT_EQ(tables[1].second.rows.size(), 96u);
    for (const auto& row : tables[1].second.rows)
        EXPECT_EQ(row, (Header{row[0], "0.00", "0.00", "0.00"}));
    const auto drop = [this](int tip, double x, double y) {
        form.cmdPhasor[tip].mouseDown(Button::kLeftButton, 0, 0, 0);
        form.drop(x, y);
    };
    drop(0, 1600, 150);   // (7.5, -1432.5) from the origin (1560, 1560)
    drop(1, 3040, 3640);  // (1447.5, 7.5) from (1560, 3600)
    ticks(1);
    tables = tablesOf(form);
    ASSERT_EQ(tables[0].first, "phasors");
    ASSERT_EQ(tables[1].first, "sinusoids");
    const Csv& phasors = tables[0].second;
    EXPECT_EQ(phasors.header, (Header{"phasor", "length_twips", "phase_degrees"}));
    ASSERT_EQ(phasors.rows.size(), 3u);
    EXPECT_EQ(phasors.rows[2][0], "sum");
    EXPECT_NEAR(at(phasors, 0, "length_twips"), std::hypot(7.5, 1432.5), 0.005);
    EXPECT_NEAR(at(phasors, 2, "length_twips"), std::hypot(1455, -1425), 0.005);
    EXPECT_NEAR(at(phasors, 1, "phase_degrees"), std::atan(1447.5 / 7.5) * 180 / 3.1415926, 0.005);
    const std::string description =
        picture_description::joined(picture_description::describe(form));
    const char* said[] = {"Phasor 1, the green one, is ", "Phasor 2, the blue one, is ",
                          "The sum, the purple phasor at the bottom, is "};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string length = std::to_string(std::lround(at(phasors, k, "length_twips")));
        EXPECT_NE(description.find(said[k] + length + " twips long"), std::string::npos)
            << said[k] << length << "\n"
            << description;
    }

    const Csv& sinusoids = tables[1].second;
    EXPECT_EQ(sinusoids.header, (Header{"sample", "phasor1_twips", "phasor2_twips", "sum_twips"}));
    ASSERT_EQ(sinusoids.rows.size(), 96u);
    double peak = 0;
    for (std::size_t i = 0; i < 96; ++i) {
        EXPECT_NEAR(at(sinusoids, i, "phasor1_twips"), form.Trace1[static_cast<int>(i)], 0.005);
        EXPECT_NEAR(at(sinusoids, i, "sum_twips"),
                    at(sinusoids, i, "phasor1_twips") + at(sinusoids, i, "phasor2_twips"), 0.011);
        peak = std::max(peak, at(sinusoids, i, "sum_twips"));
    }
    EXPECT_NEAR(peak, at(phasors, 2, "length_twips"), 0.01 * at(phasors, 2, "length_twips"));
}

// Numbers for a file keep their point in a language that writes a decimal comma, so the cells
// stay apart and a script reads them.
TEST_F(DataTest, DecimalMarkStaysAPointInGerman) {
    ASSERT_TRUE(i18n::setLanguage("de"));
    ASSERT_EQ(i18n::decimalMark(), ',');
    form.cmbTwo.setText("0.5");
    ticks(3);
    const std::string text = tool_catalogue::dataText(form);
    i18n::setLanguage("en");
    const Csv wave = parsed(text);
    ASSERT_EQ(wave.rows.size(), 96u);
    for (const auto& row : wave.rows) {
        for (const std::string& cell : row) EXPECT_TRUE(number(cell).has_value()) << cell;
    }
    EXPECT_EQ(wave.rows[10][3], DataTable::decimal(std::exp(-0.5 * 10 / 50.0), 6));
    EXPECT_NE(wave.rows[10][3].find('.'), std::string::npos);
}

// The clipboard holds every table, a blank line apart; each saved file is one table, named after
// the picture and the table; a row of the wrong width is the program's error, not a file's.
TEST_F(DataTest, ClipboardHoldsEveryTableAndEachFileOne) {
    form.cmbDemo.pick(5);  // "Phasors": two tables
    const std::vector<DataTable> tables = demos::dataOf(form);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tool_catalogue::dataText(form), tables[0].csv() + "\n" + tables[1].csv());
    const auto files = tool_catalogue::dataFiles(
        form, "/tmp/lab/" + tool_catalogue::pictureFileName(form) + ".CSV");
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "/tmp/lab/propagation-demos-phasors-phasors.csv");
    EXPECT_EQ(files[1].name, "/tmp/lab/propagation-demos-phasors-sinusoids.csv");
    EXPECT_EQ(files[1].text, tables[1].csv());

    form.cmbDemo.setText("nothing of the kind");
    EXPECT_TRUE(demos::dataOf(form).empty());
    EXPECT_EQ(tool_catalogue::dataText(form), "");

    DataTable table("t", {"a", "b"});
    EXPECT_THROW(table.addRow({"1"}), ProgramError);
    table.addRow({DataTable::decimal(-0.0001, 2), DataTable::decimal(NAN, 2)});
    EXPECT_EQ(table.csv(), "a,b\n0.00,\n");
    EXPECT_EQ(table.rows(), 1u);
}

}  // namespace
