// The flat views of a motor: front (looking at the shaft end), left and right side.
#pragma once

#include "Drawing.h"
#include "MotorParts.h"

namespace kinemo::cad {

enum class TView { Front, Left, Right };

// Front view: horizontal across the motor, vertical upwards, the axis at the origin.
// Side views: horizontal along the axis with the mounting face at 0 (the shaft to the left
// in the left view, to the right in the right view), vertical upwards.
TDrawing DrawView(const TMotorParts& parts, TView view);

}  // namespace kinemo::cad
