// The pattern profile of the settings screen: the ten step temperatures of one pattern drawn as
// ramps in `picSprog`, one tenth of the width per step.
#pragma once

#include <vector>

#include "model/program_state.h"

namespace qd470 {
class Program;

struct ProfilePoint {
  double x;
  double y;
};

// The eleven points of the profile of pattern p of controller d in a box of width w and height
// hs (y grows downwards): the start value at x = 0, then the end of each step, its height rounded
// half to even. A value outside the scale lies outside 0..hs; the drawing cuts its segments off
// at the box edges. Empty when the scale is degenerate (the setting value high limit equals the
// low limit).
std::vector<ProfilePoint> ProfilePoints(const ProgramState& st, int d, int p, double w, double hs);

}  // namespace qd470

namespace qd470::QD470 {

// Clears `SubDisp_Set.picSprog` and draws the profile of the controller and pattern chosen in
// the screen's selectors, in the box's own colour.
void PtnGraphDraw(Program& p);

}  // namespace qd470::QD470
