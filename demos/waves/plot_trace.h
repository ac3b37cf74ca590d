#pragma once

#include <cstdint>

#include "app/form1.h"

// Writes `values` into the Y coordinates of the segments of `lines` as a polyline whose zero is
// at screen y `offset` and which has `scale` twips per unit (y grows downwards, so a positive
// sample lies below the zero line). X coordinates are never written: the caller lays the
// segments out beforehand.
//
// Segment 0 is flat at values(0); the joint at the right end of segment k takes values(start+k).
// Segment 95 gets its right end from values(count-1) and is then hidden with segment 96, so with
// count = 96 the polyline shows 95 segments.
void PlotTrace(LineArray& lines, const TraceArray& values, std::int16_t count, std::int16_t start,
               double offset, double scale);
