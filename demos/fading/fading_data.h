#pragma once

#include <vector>

#include "demos/data_table.h"

class Form1;

// The numbers behind the fading picture: table "rays", each ray of the frame on show and their
// sum, the received signal; while the histogram shows, table "histogram", its bins with their
// counts and the counts the theory expects; while the fading record shows, table "record", every
// kept frame's envelope, and table "threshold", the share of them below the threshold against
// the theory.
namespace fading_data {

std::vector<DataTable> data(const Form1& form);

}  // namespace fading_data
