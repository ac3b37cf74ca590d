#pragma once

#include <vector>

class Form1;

// "Group Velocity": a carrier of 8 samples moving at the phase velocity (the text of cmbTwo)
// inside half-cosine groups of 30 samples, 60 apart, moving at the group velocity (OptionValue).
namespace group_velocity {
void setUp(Form1& form);
void computeFrame(Form1& form);
// The groups' envelope over sample `sample` (0 to 95) at the frame FrameCount: a half cosine of
// 30 samples, 0 between the groups.
double envelope(const Form1& form, int sample);
// The frames after which each moving part repeats: the groups every 60 samples at the group
// velocity, the carrier every 8 at the phase velocity; a part standing still has none.
std::vector<double> periods(const Form1& form);
}  // namespace group_velocity
