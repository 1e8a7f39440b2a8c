// Drawing of the pattern profile.
#include "settings/profile.h"

#include <algorithm>
#include <cmath>

#include "settings/subdisp_set.h"
#include "startup/program.h"
#include "startup/qd470_module.h"

namespace qd470 {

std::vector<ProfilePoint> ProfilePoints(const ProgramState& st, int d, int p, double w, double hs) {
  const int lo = st.PrmData[0x28][d];  // setting value low limit (bottom edge)
  const int hi = st.PrmData[0x27][d];  // setting value high limit (top edge)
  if (hi == lo) return {};
  auto height = [&](int v) {
    double y = std::nearbyint(hs - hs * (v - lo) / static_cast<double>(hi - lo));
    return std::clamp(y, 0.0, hs);
  };
  std::vector<ProfilePoint> points;
  points.push_back({0, height(st.PrmData[0x32][d])});  // start step temperature
  for (int s = 0; s < kSteps; ++s) {
    points.push_back({(s + 1) * w / kSteps, height(st.PtnData[0][d][p][s])});
  }
  return points;
}

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
  const uint32_t color = box.ForeColor.value_or(forms::kBlack);
  for (size_t i = 1; i < points.size(); ++i) {
    box.Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, color);
  }
}

}  // namespace qd470::QD470
