// Drawing of the pattern profile.
#include "settings/profile.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "settings/subdisp_set.h"
#include "program/program.h"
#include "program/zero_clip.h"

namespace qd470 {

std::vector<ProfilePoint> ProfilePoints(const ProgramState& st, int d, int p, double w, double hs) {
  const int lo = st.PrmData[0x28][d];  // setting value low limit (bottom edge)
  const int hi = st.PrmData[0x27][d];  // setting value high limit (top edge)
  if (hi == lo) return {};
  // Computed in full width, so limits and values far apart cannot overflow.
  auto height = [&](int v) { return hs - hs * (v - lo) / static_cast<double>(hi - lo); };
  std::vector<ProfilePoint> points;
  points.push_back({0, height(st.PrmData[0x32][d])});  // start step temperature
  for (int s = 0; s < kSteps; ++s) {
    points.push_back({(s + 1) * w / kSteps, std::nearbyint(height(st.PtnData[0][d][p][s]))});
  }
  return points;
}

namespace {

// Cuts the segment a-b to the band 0 <= y <= hs, as the box's edges would; false when no part
// of it lies inside. Each edge is a bound p * t <= q on the segment parameter t in 0..1.
bool ClipToBox(ProfilePoint& a, ProfilePoint& b, double hs) {
  const double dy = b.y - a.y;
  const std::pair<double, double> bounds[] = {{-dy, a.y}, {dy, hs - a.y}};  // top, bottom edge
  double t0 = 0, t1 = 1;
  for (const auto& [p, q] : bounds) {
    if (p == 0) {
      if (q < 0) return false;
    } else if (p < 0) {
      t0 = std::max(t0, q / p);
    } else {
      t1 = std::min(t1, q / p);
    }
  }
  if (t0 > t1 || (t0 == t1 && dy != 0)) return false;  // outside, or touching an edge only
  const ProfilePoint from = a, to = b;
  if (t0 > 0) a = {from.x + t0 * (to.x - from.x), from.y + t0 * dy};
  if (t1 < 1) b = {from.x + t1 * (to.x - from.x), from.y + t1 * dy};
  return true;
}

}  // namespace

}  // namespace qd470

namespace qd470::QD470 {

void PtnGraphDraw(Program& p) {
  SubDisp_Set& screen = p.Form<SubDisp_Set>();
  int16_t d = static_cast<int16_t>(screen.cmbName.ListIndex());
  int16_t ptn = static_cast<int16_t>(screen.cmbSelptn.ListIndex());
  ZeroClip(d);
  ZeroClip(ptn);
  forms::PictureBox& box = screen.picSprog;
  box.Cls();
  const auto points = ProfilePoints(p, d, ptn, box.ScaleWidth, box.ScaleHeight);
  const uint32_t color = box.ForeColor->value_or(forms::kBlack);
  for (size_t i = 1; i < points.size(); ++i) {
    ProfilePoint from = points[i - 1], to = points[i];
    if (!ClipToBox(from, to, box.ScaleHeight)) continue;
    box.Line(from.x, from.y, to.x, to.y, color);
  }
}

}  // namespace qd470::QD470
