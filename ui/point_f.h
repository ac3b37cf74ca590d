#pragma once

// A point, in the units of whatever it lies in: twips on the form (x to the right, y downwards),
// pixels on a screen.
struct PointF {
    double x = 0;
    double y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};
