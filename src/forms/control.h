// Controls of the window layer: plain objects with the properties and events the screens use.
// A renderer (the Qt backend) shows them; tests drive them directly.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/image.h"
#include "forms/property.h"

namespace qd470::forms {

enum class ControlKind {
  kLabel,
  kCommandButton,
  kComboBox,
  kTextBox,
  kOptionButton,
  kFrame,
  kTabControl,
  kPictureBox,
  kLine,
  kUpDown,
  kProgressBar,
  kTimer,
};

enum class Alignment { kLeft, kRight, kCenter };

// Colours are 0xRRGGBB.
inline constexpr uint32_t kBlack = 0x000000;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kDefaultFace = 0xF0F0F0;

class Form;

// A control. Every property a renderer shows is a Property: a new value marks the control as
// changed, and the form lists its changed controls for the renderer.
class Control : public ChangeSink {
 public:
  Control(ControlKind kind, std::string name, int index)
      : kind_(kind), name_(std::move(name)), index_(index) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // -1 when the control is not a member of an array
  std::string FullName() const;         // "lblSV(3)" or "cmbName"

  // The container the control sits in (nullptr: the form itself) and, when that container is a
  // tab control, the tab page.
  Control* Parent = nullptr;
  int ParentTab = -1;

  Property<bool> Visible{this, true};
  Property<bool> Enabled{this, true};
  // Position and size in twips (15 twips = 1 pixel at 96 dpi), relative to the container.
  Property<int> Left{this}, Top{this}, Width{this}, Height{this};
  Property<bool> FontBold{this};
  Property<int> FontSize{this, 9};  // points
  Property<std::optional<uint32_t>> ForeColor{this};
  Property<std::optional<uint32_t>> BackColor{this};
  Property<std::string> ToolTipText{this};
  // Takes the operator's input also while the program's work runs (a running job's Cancel).
  bool LiveDuringWork = false;

  void Move(int left, int top, int width, int height) {
    Left = left, Top = top, Width = width, Height = height;
  }
  // True when this control and every container above it is visible.
  bool ShownInForm() const;
  // True when this control and every container above it is enabled.
  bool EnabledInForm() const;

  // Puts the control on its form's list of changed controls (once until the list is taken).
  // The renderer also marks a control whose widget the operator changed.
  void MarkChanged() override;
  bool Changed() const { return changed_; }
  // Position in its form's Controls() (-1 before it is added), for a renderer's own tables.
  int Order() const { return order_; }

 private:
  friend class Form;
  ControlKind kind_;
  std::string name_;
  int index_;
  Form* form_ = nullptr;
  int order_ = -1;
  bool changed_ = false;
};

class Label : public Control {
 public:
  Label(std::string name, int index) : Control(ControlKind::kLabel, std::move(name), index) {}
  Property<std::string> Caption{this};
  Property<bool> Sunken{this};  // the fixed-single border of a value box
  Property<Alignment> Align{this, Alignment::kLeft};
  Property<bool> WordWrap{this, true};
  std::function<void()> Click;
  std::function<void()> DblClick;

  void RaiseClick() {
    if (Click) Click();
  }
  void RaiseDblClick() {
    if (DblClick) DblClick();
  }
};

class CommandButton : public Control {
 public:
  CommandButton(std::string name, int index)
      : Control(ControlKind::kCommandButton, std::move(name), index) {}
  Property<std::string> Caption{this};
  bool Default = false;  // pressed by Enter
  bool Cancel = false;   // pressed by Escape
  std::function<void()> Click;
  // Key press with the character code while the button has the keyboard focus. A button with
  // this handler takes every character key itself (it is neither pressed nor clicked by one).
  std::function<void(int& key_ascii)> KeyPress;
  void RaiseClick() {
    if (Click && Enabled) Click();
  }
  void RaiseKeyPress(int& key_ascii) {
    if (KeyPress) KeyPress(key_ascii);
  }
};

// A drop-down list. Setting the selection from code runs Click exactly as an operator's choice
// does; emptying the list or removing the selected entry runs nothing.
class ComboBox : public Control {
 public:
  ComboBox(std::string name, int index) : Control(ControlKind::kComboBox, std::move(name), index) {}
  std::function<void()> Click;

  void AddItem(std::string text) {
    items_.push_back(std::move(text));
    MarkChanged();
  }
  void RemoveItem(int i);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int i) const { return items_.at(static_cast<size_t>(i)); }
  const std::vector<std::string>& Items() const { return items_; }
  int ListIndex() const { return list_index_; }
  // Selects entry i (-1 selects nothing) and runs Click for a real entry. An index outside the
  // list selects nothing and runs nothing.
  void SetListIndex(int i);
  std::string Text() const {
    return list_index_ >= 0 ? items_[static_cast<size_t>(list_index_)] : "";
  }

 private:
  std::vector<std::string> items_;
  int list_index_ = -1;
};

class TextBox : public Control {
 public:
  TextBox(std::string name, int index) : Control(ControlKind::kTextBox, std::move(name), index) {}
  Property<bool> Locked{this};
  bool MultiLine = false;
  Property<char> PasswordChar{this};  // when set, what is typed is shown as this character
  Property<Alignment> Align{this, Alignment::kLeft};
  std::function<void()> Change;
  // Key press with the character code; the handler may set it to 0 to swallow the key.
  std::function<void(int& key_ascii)> KeyPress;

  const std::string& Text() const { return text_; }
  void SetText(std::string text);  // runs Change when the text differs
  void RaiseKeyPress(int& key_ascii) {
    if (KeyPress) KeyPress(key_ascii);
  }

 private:
  std::string text_;
};

// Option buttons whose Parent is the same container form one group: setting one clears the
// others. Setting Value to true from code runs Click as an operator's choice does.
class OptionButton : public Control {
 public:
  OptionButton(std::string name, int index)
      : Control(ControlKind::kOptionButton, std::move(name), index) {}
  Property<std::string> Caption{this};
  std::function<void()> Click;
  bool Value() const { return value_; }
  void SetValue(bool v);

 private:
  friend class Form;
  bool value_ = false;
  std::vector<OptionButton*>* group_ = nullptr;  // all options of the same container
};

// A frame with a border keeps its edge clear of controls and, when it has a caption, a band at the
// top for the caption and the border line below it. The band fits the tallest font the program
// draws captions in, 9 pt Noto Sans CJK JP, whose frame starts its inside 345 twips (23 px at
// 96 dpi) below the top. A frame without a border is bare.
inline constexpr int kFrameEdge = 45;          // twips, every side of a bordered frame
inline constexpr int kFrameBareBand = 90;      // twips above the controls: border without caption
inline constexpr int kFrameCaptionBand = 360;  // twips above the controls: caption and border

class Frame : public Control {
 public:
  Frame(std::string name, int index) : Control(ControlKind::kFrame, std::move(name), index) {}
  Property<std::string> Caption{this};
  bool Border = true;

  // Where the frame's controls may stand, in twips from its top-left corner.
  int ClientLeft() const { return Border ? kFrameEdge : 0; }
  int ClientTop() const {
    if (!Border) return 0;
    return Caption->empty() ? kFrameBareBand : kFrameCaptionBand;
  }
  int ClientRight() const { return Width - ClientLeft(); }
  int ClientBottom() const { return Height - ClientLeft(); }
};

// A tabbed control; a tab can be made unavailable, and then cannot be selected.
class TabControl : public Control {
 public:
  TabControl(std::string name, int index)
      : Control(ControlKind::kTabControl, std::move(name), index) {}
  std::function<void()> Click;

  void SetTabs(int count);
  int Tabs() const { return static_cast<int>(captions_.size()); }
  // Tab i's caption; TabCaption(i) = "text" sets it.
  class CaptionRef {
   public:
    CaptionRef(TabControl& tab, int i) : tab_(tab), i_(i) {}
    CaptionRef& operator=(std::string text);
    operator const std::string&() const { return tab_.captions_.at(static_cast<size_t>(i_)); }
    friend bool operator==(const CaptionRef& a, const std::string& b) {
      return static_cast<const std::string&>(a) == b;
    }

   private:
    TabControl& tab_;
    int i_;
  };
  CaptionRef TabCaption(int i) { return {*this, i}; }
  const std::string& TabCaption(int i) const { return captions_.at(static_cast<size_t>(i)); }
  bool TabEnabled(int i) const { return enabled_.at(static_cast<size_t>(i)); }
  void SetTabEnabled(int i, bool on);  // the current tab moves to tab 0 when it is disabled
  int Tab() const { return tab_; }
  // Selects tab i when it exists and is available; returns whether it did.
  bool SetTab(int i);

 private:
  std::vector<std::string> captions_;
  std::vector<bool> enabled_;
  int tab_ = 0;
};

// A drawing surface with a user scale and a display list of clear, line and point commands.
class PictureBox : public Control {
 public:
  struct DrawCommand {
    enum class Type { kLine, kPoint } type;
    double x1, y1, x2, y2;
    uint32_t color;
  };
  PictureBox(std::string name, int index)
      : Control(ControlKind::kPictureBox, std::move(name), index) {}

  // User coordinates: the left/top edge and the width/height of the drawing area.
  double ScaleLeft = 0, ScaleTop = 0, ScaleWidth = 1, ScaleHeight = 1;
  Property<bool> Sunken{this, true};
  Property<std::optional<Image>> Picture{this};  // a picture shown in place of the drawing

  void Scale(double x1, double y1, double x2, double y2);
  void Cls() {
    commands_.clear();
    Revise();
  }
  void Line(double x1, double y1, double x2, double y2, uint32_t color);
  void PSet(double x, double y, uint32_t color);
  const std::vector<DrawCommand>& Commands() const { return commands_; }
  // Grows at every change of the drawing, so a renderer repaints only when needed.
  uint64_t Revision() const { return revision_; }

 private:
  void Revise() {
    ++revision_;
    MarkChanged();
  }
  std::vector<DrawCommand> commands_;
  uint64_t revision_ = 0;
};

// A line drawn in its container, in twips.
class LineControl : public Control {
 public:
  LineControl(std::string name, int index) : Control(ControlKind::kLine, std::move(name), index) {}
  Property<int> X1{this}, Y1{this}, X2{this}, Y2{this};
  Property<uint32_t> BorderColor{this, kBlack};
};

class UpDown : public Control {
 public:
  UpDown(std::string name, int index) : Control(ControlKind::kUpDown, std::move(name), index) {}
  int Min = 0, Max = 10, Increment = 1;
  std::function<void()> Change;
  int Value() const { return value_; }
  void SetValue(int v);  // runs Change when the value differs
  void Up() { SetValue(std::min(Max, value_ + Increment)); }
  void Down() { SetValue(std::max(Min, value_ - Increment)); }

 private:
  int value_ = 0;
};

class ProgressBar : public Control {
 public:
  ProgressBar(std::string name, int index)
      : Control(ControlKind::kProgressBar, std::move(name), index) {}
  Property<int> Min{this}, Max{this, 100}, Value{this};
};

// A timer: its Timer handler runs every Interval milliseconds of the host's clock while Enabled.
class Timer : public Control {
 public:
  Timer(std::string name, int index) : Control(ControlKind::kTimer, std::move(name), index) {
    Visible = false;
    Enabled = false;
  }
  int Interval = 0;
  std::function<void()> OnTimer;
  int64_t elapsed_ms = 0;  // time since the last tick, kept by the host's clock
};

}  // namespace qd470::forms
