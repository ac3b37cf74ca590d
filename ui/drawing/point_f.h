#pragma once

#include "ui/point_f.h"

namespace drawing {
using ::PointF;
}  // namespace drawing
