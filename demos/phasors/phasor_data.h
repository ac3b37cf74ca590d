#pragma once

#include <vector>

#include "demos/data_table.h"

class Form1;

namespace phasors {

// The numbers behind the phasor picture: table "phasors", each phasor's length and phase and the
// sum's, as the phasor numbers write them; table "sinusoids", the three sinusoids' 96 samples.
std::vector<DataTable> data(const Form1& form);

}  // namespace phasors
