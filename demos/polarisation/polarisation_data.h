#pragma once

#include <vector>

#include "demos/data_table.h"

class Form1;

namespace polarisation {

// The numbers behind the polarisation picture: table "cycle", the two components and their sum
// at each of the 24 frames of the last cycle, up to the frame on show, in units of amplitude with
// y upwards as on paper.
std::vector<DataTable> data(const Form1& form);

}  // namespace polarisation
