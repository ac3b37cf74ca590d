#pragma once

class Form1;

// "Group Velocity": a carrier of 8 samples moving at the phase velocity (the text of cmbTwo)
// inside half-cosine groups of 30 samples, 60 apart, moving at the group velocity (OptionValue).
namespace group_velocity {
void setUp(Form1& form);
void computeFrame(Form1& form);
}  // namespace group_velocity
