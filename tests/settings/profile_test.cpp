// The pattern profile: its points, rounding, degenerate scale, cutting at the box edges, and the
// drawing in picSprog.
#include "settings/profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

#include "settings/subdisp_set.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

class ProfileTest : public testing::ProgramTest {
 protected:
  // Controller 1: scale 0..200, start value 100.
  ProfileTest() {
    p().PrmData[0x28][1] = 0;
    p().PrmData[0x27][1] = 200;
    p().PrmData[0x32][1] = 100;
  }
  void Steps(int ptn, std::initializer_list<int16_t> values) {
    int s = 0;
    for (int16_t v : values) p().PtnData[0][1][ptn][s++] = v;
  }
};

TEST_F(ProfileTest, PointsRampFromTheStartValueAcrossTenths) {
  Steps(3, {200, 0, 50, 150, 100, 100, 1, 3, 199, 200});
  auto pts = ProfilePoints(p(), 1, 3, 1000, 100);
  ASSERT_EQ(pts.size(), 11u);
  // y = 100 - 100 * v / 200, rounded half to even: v = 1 gives 99.5 -> 100, v = 3 gives 98.5 -> 98.
  const double expected_y[] = {50, 0, 100, 75, 25, 50, 50, 100, 98, 0, 0};
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(pts[i].x, i * 100.0);
    EXPECT_DOUBLE_EQ(pts[i].y, expected_y[i]);
  }
}

TEST_F(ProfileTest, EqualValuesDrawOneHorizontalLine) {
  Steps(0, {100, 100, 100, 100, 100, 100, 100, 100, 100, 100});
  for (const auto& pt : ProfilePoints(p(), 1, 0, 640, 168)) EXPECT_DOUBLE_EQ(pt.y, 84);
}

TEST_F(ProfileTest, DegenerateScaleGivesNoPoints) {
  p().PrmData[0x27][1] = 0;
  EXPECT_TRUE(ProfilePoints(p(), 1, 0, 640, 168).empty());
}

// Only the step ends are rounded; the start value keeps its exact height.
TEST_F(ProfileTest, StartHeightIsNotRounded) {
  p().PrmData[0x32][1] = 1;
  Steps(0, {1});
  auto pts = ProfilePoints(p(), 1, 0, 1000, 100);
  EXPECT_DOUBLE_EQ(pts[0].y, 99.5);
  EXPECT_DOUBLE_EQ(pts[1].y, 100);
}

// Limits and values far apart give heights far outside the box, without overflow.
TEST_F(ProfileTest, FarValuesGiveHeightsOutsideTheBox) {
  p().PrmData[0x28][1] = -32768;
  p().PrmData[0x27][1] = -32767;
  Steps(0, {32767, -32768, -32767});
  auto pts = ProfilePoints(p(), 1, 0, 10, 100);
  EXPECT_DOUBLE_EQ(pts[0].y, 100 - 100.0 * (100 + 32768));
  EXPECT_DOUBLE_EQ(pts[1].y, 100 - 100.0 * 65535);
  EXPECT_DOUBLE_EQ(pts[2].y, 100);  // on the bottom edge
  EXPECT_DOUBLE_EQ(pts[3].y, 0);    // on the top edge
}

// Values beyond the scale are not pulled to the edge: their ramps keep their slope and the box
// cuts them off where they cross its edge; a ramp wholly outside draws nothing.
TEST_F(ProfileTest, RampsLeavingTheBoxAreCutAtItsEdge) {
  auto& screen = p().Form<SubDisp_Set>();
  screen.cmbName.SetListIndex(1);
  screen.picSprog.Scale(0, 0, 1000, 100);
  // Scale 0..200 over a height of 100: 300 lies at y = -50, -100 at y = 150.
  Steps(0, {300, 300, 100, -100, 100, 100, 100, 100, 100, 100});
  QD470::PtnGraphDraw(p());
  struct Seg {
    double x1, y1, x2, y2;
  };
  const Seg expected[] = {{0, 50, 50, 0},      {250, 0, 300, 50},  {300, 50, 350, 100},
                          {450, 100, 500, 50}, {500, 50, 600, 50}, {600, 50, 700, 50},
                          {700, 50, 800, 50},  {800, 50, 900, 50}, {900, 50, 1000, 50}};
  const auto& cmds = screen.picSprog.Commands();
  ASSERT_EQ(cmds.size(), std::size(expected));
  for (size_t i = 0; i < cmds.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(cmds[i].x1, expected[i].x1);
    EXPECT_DOUBLE_EQ(cmds[i].y1, expected[i].y1);
    EXPECT_DOUBLE_EQ(cmds[i].x2, expected[i].x2);
    EXPECT_DOUBLE_EQ(cmds[i].y2, expected[i].y2);
  }
}

TEST_F(ProfileTest, DrawsTenLinesOfTheChosenControllerAndPattern) {
  auto& screen = p().Form<SubDisp_Set>();
  screen.cmbName.SetListIndex(1);
  Steps(0, {0, 200, 0, 200, 0, 200, 0, 200, 0, 200});
  QD470::PtnGraphDraw(p());  // nothing chosen in cmbSelptn: pattern 0
  const auto& cmds = screen.picSprog.Commands();
  ASSERT_EQ(cmds.size(), 10u);
  const double w = screen.picSprog.ScaleWidth, h = screen.picSprog.ScaleHeight;
  EXPECT_DOUBLE_EQ(cmds[0].x1, 0);
  EXPECT_DOUBLE_EQ(cmds[0].y1, std::nearbyint(h / 2));
  EXPECT_DOUBLE_EQ(cmds[0].y2, h);
  EXPECT_DOUBLE_EQ(cmds[1].y2, 0);
  EXPECT_DOUBLE_EQ(cmds[9].x2, w);
  for (size_t i = 1; i < cmds.size(); ++i) {
    EXPECT_DOUBLE_EQ(cmds[i].x1, cmds[i - 1].x2);
    EXPECT_DOUBLE_EQ(cmds[i].y1, cmds[i - 1].y2);
  }
  EXPECT_EQ(screen.Line1.Count(), 9);

  p().PrmData[0x27][1] = 0;  // Hi = Lo: the old drawing goes, nothing new is drawn
  QD470::PtnGraphDraw(p());
  EXPECT_TRUE(screen.picSprog.Commands().empty());
}

}  // namespace
}  // namespace qd470
