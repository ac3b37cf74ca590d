#include "demos/polarisation/polarisation_data.h"

#include "app/form1.h"
#include "demos/polarisation/polarisation.h"

namespace polarisation {

std::vector<DataTable> data(const Form1& form) {
    DataTable table("cycle", {"frame", "e1_x", "e1_y", "e2_x", "e2_y", "sum_x", "sum_y"});
    // The frame's vectors have y downwards, as the screen has it; the table turns it up.
    const auto cells = [](std::vector<std::string>& row, FieldVector e) {
        row.push_back(DataTable::decimal(e.x, 6));
        row.push_back(DataTable::decimal(-e.y, 6));
    };
    for (int back = 23; back >= 0; --back) {
        const double frame = form.FrameCount - back;
        const double phase1 = phaseAtFrame(frame);
        std::vector<std::string> row = {DataTable::decimal(frame, 0)};
        cells(row, componentAt(form, 1, phase1));
        cells(row, componentAt(form, 2, phase1));
        cells(row, sumAt(form, phase1));
        table.addRow(std::move(row));
    }
    return {table};
}

}  // namespace polarisation
