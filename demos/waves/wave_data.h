#pragma once

#include <vector>

#include "demos/data_table.h"

class Form1;

// The numbers behind the wave demonstrations' picture: the trace of the frame on show, sample by
// sample, where the line draws it.
namespace wave_data {

// "Plane Wave": table "wave", with the share of its starting height that the attenuation leaves
// at each sample.
std::vector<DataTable> planeWave(const Form1& form);
// "Group Velocity": table "wave", with the groups' envelope at each sample.
std::vector<DataTable> groups(const Form1& form);

}  // namespace wave_data
