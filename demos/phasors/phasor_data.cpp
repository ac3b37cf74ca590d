#include "demos/phasors/phasor_data.h"

#include <string>

#include "app/form1.h"
#include "demos/phasors/phasors.h"

namespace phasors {

std::vector<DataTable> data(const Form1& form) {
    DataTable phasors("phasors", {"phasor", "length_twips", "phase_degrees"});
    for (int k = 0; k < 3; ++k) {
        const Offset tip = tipOffset(form, k);
        // A phasor of no length has no phase.
        const bool hasLength = lengthOf(tip) > 0;
        phasors.addRow({k < 2 ? std::to_string(k + 1) : "sum", DataTable::decimal(lengthOf(tip), 2),
                        hasLength ? DataTable::decimal(phaseDegrees(tip), 2) : ""});
    }
    // From the tips as they stand, as the next frame draws them: right after the set-up the traces
    // still hold the previous demonstration's samples.
    DataTable sinusoids("sinusoids", {"sample", "phasor1_twips", "phasor2_twips", "sum_twips"});
    const Offset tips[] = {tipOffset(form, 0), tipOffset(form, 1), tipOffset(form, 2)};
    for (int i = 0; i <= 95; ++i) {
        sinusoids.addRow({std::to_string(i), DataTable::decimal(sinusoidAt(tips[0], i), 2),
                          DataTable::decimal(sinusoidAt(tips[1], i), 2),
                          DataTable::decimal(sinusoidAt(tips[2], i), 2)});
    }
    return {phasors, sinusoids};
}

}  // namespace phasors
