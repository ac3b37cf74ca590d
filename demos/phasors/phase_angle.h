#pragma once

// The angle of the vector whose component along the reference direction is `a` and whose
// perpendicular component is `b`: atan(b / a), plus pi (3.1415926) where a < 0, and 0 for the
// zero vector. The phasor frame passes the downward and the rightward offset of a tip, so the
// angle is measured from the downward vertical.
//
// A vector with a = 0 and b != 0 lies on the perpendicular: its angle is +pi/2 for b > 0 and
// -pi/2 for b < 0, the limits of the arctangent, given here without dividing by zero.
double PhaseAngle(const double& a, const double& b);
