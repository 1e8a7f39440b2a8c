// Geometry of the settings screen: a few constants in pixels and the row and column helpers that
// place captions, value boxes and lists. Positions are converted to twips (15 per pixel) here.
#pragma once

#include "forms/control.h"

namespace qd470::setlayout {

inline constexpr int kTwipsPerPixel = 15;
constexpr int Px(int px) { return px * kTwipsPerPixel; }

// Form and tab control, in pixels. The page is as high as the block tab's five frames need.
inline constexpr int kFormW = 1232;
inline constexpr int kFormH = 764;
inline constexpr int kTabX = 6, kTabY = 4, kTabW = 1220, kTabH = 700;
inline constexpr int kTabStripH = 28;     // the strip of tab captions
inline constexpr int kPageW = kTabW - 4;  // usable page below the strip
inline constexpr int kPageH = kTabH - kTabStripH;
inline constexpr int kBottomY = kTabY + kTabH + 4;  // status line, error notice, wait text
inline constexpr int kBottomH = 40;
inline constexpr int kWaitH = 52;  // the wait text's two lines, whole

// Rows and frames.
inline constexpr int kLabelH = 18;  // caption and value box height
inline constexpr int kComboH = 22;
inline constexpr int kRowPitch = 20;    // table rows of the pattern and block tabs
inline constexpr int kParamPitch = 22;  // caption/value rows of the parameter tabs
inline constexpr int kComboPitch = 24;
// First row of a frame with a caption (below the window layer's caption band) and of a frame
// without one.
inline constexpr int kFrameCaptionH = forms::kFrameCaptionBand / kTwipsPerPixel;
inline constexpr int kFrameBareTop = 8;
static_assert(kFrameCaptionH * kTwipsPerPixel >= forms::kFrameCaptionBand);
static_assert(kFrameBareTop * kTwipsPerPixel >= forms::kFrameBareBand);
inline constexpr int kFrameBottom = 5;
inline constexpr int kFrameGap = 3;
inline constexpr int kPad = 8;

// Pattern tab: step table, profile above its step columns.
inline constexpr int kStepCaptionW = 160;
inline constexpr int kStepColW = 100;
inline constexpr int kStepTableX = kPad + kStepCaptionW + kPad;  // x of step 0's column
inline constexpr int kProfileY = 36;
inline constexpr int kProfileH = 168;
inline constexpr int kProfileW = 10 * kStepColW;

// Block tab: a caption column and one column per block.
inline constexpr int kBlockCaptionW = 220;
inline constexpr int kBlockColW = 76;
inline constexpr int kBlockFrameW = kPad + kBlockCaptionW + kPad + 10 * kBlockColW + kPad;

// Parameter tabs: two columns of frames.
inline constexpr int kLeftColX = kPad, kLeftColW = 430;
inline constexpr int kRightColX = kLeftColX + kLeftColW + kPad;
inline constexpr int kRightColW = kPageW - kRightColX - kPad;
inline constexpr int kValueW = 90;

// Places a control, position and size given in pixels.
inline void Place(forms::Control& c, int x, int y, int w, int h) {
  c.Move(Px(x), Px(y), Px(w), Px(h));
}

// A top-to-bottom cursor inside a frame (or a page): each Next gives the y of a row and moves on.
class RowCursor {
 public:
  explicit RowCursor(int y) : y_(y) {}
  int Next(int pitch) {
    int y = y_;
    y_ += pitch;
    return y;
  }
  int Label() { return Next(kParamPitch); }
  int Combo() { return Next(kComboPitch); }
  int Y() const { return y_; }

 private:
  int y_;
};

// x of column i of a table whose first column starts at x0.
constexpr int ColumnX(int x0, int col_w, int i) { return x0 + i * col_w; }

}  // namespace qd470::setlayout
