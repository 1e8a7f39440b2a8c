// The window layer's conventions that the screens rely on.
#include <gtest/gtest.h>

#include "forms/form_host.h"

namespace qd470::forms {
namespace {

class ListsForm : public Form {
 public:
  ListsForm() : Form("ListsForm") {
    cmb.Click = [this] { ++combo_clicks; };
    frm = &Add<Frame>("frmOp");
    for (int i = 0; i < 3; ++i) {
      OptionButton& o = AddMember(opt, "opt", i, frm);
      o.Click = [this, i] { option_clicks.push_back(i); };
    }
    other = &Add<OptionButton>("optOther");  // a group of its own: the form
  }
  void Form_Load() override { ++loads; }
  ComboBox& cmb = Add<ComboBox>("cmb");
  Frame* frm;
  ControlArray<OptionButton> opt;
  OptionButton* other;
  int combo_clicks = 0;
  std::vector<int> option_clicks;
  int loads = 0;
  int counter = 0;
};

TEST(FormsLists, SelectionFromCodeRunsClickLikeAnOperator) {
  ListsForm f;
  f.cmb.AddItem("a");
  f.cmb.AddItem("b");
  f.cmb.SetListIndex(1);
  EXPECT_EQ(f.combo_clicks, 1);
  EXPECT_EQ(f.cmb.Text(), "b");
  f.cmb.SetListIndex(1);  // choosing the same entry again is a choice too
  EXPECT_EQ(f.combo_clicks, 2);
}

TEST(FormsLists, EmptyingOrDeselectingRunsNothing) {
  ListsForm f;
  f.cmb.AddItem("a");
  f.cmb.AddItem("b");
  f.cmb.SetListIndex(0);
  f.cmb.Clear();
  f.cmb.SetListIndex(-1);
  EXPECT_EQ(f.combo_clicks, 1);
  EXPECT_EQ(f.cmb.ListIndex(), -1);
  EXPECT_EQ(f.cmb.ListCount(), 0);
}

TEST(FormsLists, IndexOutsideTheListSelectsNothing) {
  ListsForm f;
  f.cmb.AddItem("a");
  f.cmb.SetListIndex(5);
  EXPECT_EQ(f.cmb.ListIndex(), -1);
  EXPECT_EQ(f.combo_clicks, 0);
}

TEST(FormsLists, RemovingItemsKeepsTheSelectionOnItsEntry) {
  ListsForm f;
  for (auto s : {"a", "b", "c"}) f.cmb.AddItem(s);
  f.cmb.SetListIndex(2);
  f.cmb.RemoveItem(0);
  EXPECT_EQ(f.cmb.ListIndex(), 1);
  EXPECT_EQ(f.cmb.Text(), "c");
  f.cmb.RemoveItem(1);
  EXPECT_EQ(f.cmb.ListIndex(), -1);
  EXPECT_EQ(f.combo_clicks, 1);
}

TEST(FormsOptions, OptionsOfOneContainerExcludeEachOther) {
  ListsForm f;
  f.other->SetValue(true);
  f.opt(0).SetValue(true);
  f.opt(2).SetValue(true);
  EXPECT_FALSE(f.opt(0).Value());
  EXPECT_TRUE(f.opt(2).Value());
  EXPECT_TRUE(f.other->Value()) << "an option of another container is not touched";
  EXPECT_EQ(f.option_clicks, (std::vector<int>{0, 2}));
}

TEST(FormsOptions, ClearingFromCodeRunsNoClick) {
  ListsForm f;
  f.opt(1).SetValue(true);
  f.opt(1).SetValue(false);
  EXPECT_FALSE(f.opt(1).Value());
  EXPECT_EQ(f.option_clicks, (std::vector<int>{1}));
}

// A renderer visits only what the form lists as changed: a new value marks its control once, the
// same value marks nothing, and an option choice marks the option it clears too.
TEST(FormsChanges, NewValuesMarkOnlyTheirControlsOnce) {
  ListsForm f;
  MenuItem& menu = f.AddMenu("mnuFile");
  std::vector<Control*> controls;
  std::vector<MenuItem*> menus;
  f.opt(0).SetValue(true);
  f.TakeChanged(controls, menus);
  EXPECT_FALSE(f.opt(0).Changed());
  f.cmb.Visible = true;
  f.opt(1).Caption = "";
  menu.Checked = false;
  EXPECT_TRUE(f.ChangedControls().empty());

  f.opt(1).Caption = "a";
  f.opt(1).Left += 15;
  f.opt(2).SetValue(true);
  menu.Checked = true;
  f.TakeChanged(controls, menus);
  EXPECT_EQ(controls, (std::vector<Control*>{&f.opt(1), &f.opt(0), &f.opt(2)}));
  EXPECT_EQ(menus, std::vector<MenuItem*>{&menu});
}

TEST(FormsArrays, ControlArraysAreSparse) {
  Form f("F");
  ControlArray<Label> lbl;
  f.AddMember(lbl, "Label2", 0);
  f.AddMember(lbl, "Label2", 2);
  EXPECT_TRUE(lbl.Has(2));
  EXPECT_FALSE(lbl.Has(1));
  EXPECT_THROW(lbl(1), std::out_of_range);
  EXPECT_EQ(f.Find("Label2", 2), &lbl(2));
  EXPECT_EQ(lbl(2).FullName(), "Label2(2)");
  EXPECT_THROW(f.Add<Label>("Label2", 2), std::logic_error);
}

TEST(FormsTabs, UnavailableTabCannotBeChosen) {
  Form f("F");
  auto& tab = f.Add<TabControl>("Wbk");
  tab.SetTabs(4);
  tab.SetTab(3);
  tab.SetTabEnabled(3, false);
  EXPECT_EQ(tab.Tab(), 0) << "disabling the current tab leaves it";
  EXPECT_FALSE(tab.SetTab(3));
  EXPECT_EQ(tab.Tab(), 0);
  EXPECT_TRUE(tab.SetTab(2));
}

TEST(FormsVisibility, HiddenOrDisabledContainerHidesOrDisablesItsChildren) {
  Form f("F");
  auto& frame = f.Add<Frame>("frm");
  auto& label = f.Add<Label>("lbl", -1, &frame);
  frame.Visible = false;
  frame.Enabled = false;
  EXPECT_TRUE(label.Visible);
  EXPECT_FALSE(label.ShownInForm());
  EXPECT_FALSE(label.EnabledInForm());
}

TEST(FormsMenus, DisabledMenuRunsNoClick) {
  Form f("F");
  auto& top = f.AddMenu("mnuFil");
  auto& item = f.AddMenu("mnuEnd", &top);
  int clicks = 0;
  item.Click = [&] { ++clicks; };
  item.RaiseClick();
  top.Enabled = false;
  item.RaiseClick();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(f.FindMenu("mnuEnd"), &item);
  EXPECT_EQ(top.Items().size(), 1u);
}

TEST(FormsPicture, DisplayListRecordsDrawingAndClearEmptiesIt) {
  Form f("F");
  auto& pic = f.Add<PictureBox>("picSprog");
  pic.Scale(0, 100, 10, 0);
  pic.Line(0, 0, 5, 50, 0xFF0000);
  pic.PSet(5, 50, 0x00FF00);
  ASSERT_EQ(pic.Commands().size(), 2u);
  EXPECT_EQ(pic.Commands()[0].type, PictureBox::DrawCommand::Type::kLine);
  EXPECT_DOUBLE_EQ(pic.ScaleHeight, -100);
  auto rev = pic.Revision();
  pic.Cls();
  EXPECT_TRUE(pic.Commands().empty());
  EXPECT_GT(pic.Revision(), rev);
}

TEST(FormsUpDown, ChangeRunsOnlyOnANewValueWithinLimits) {
  Form f("F");
  auto& upd = f.Add<UpDown>("updDev");
  upd.Min = 0, upd.Max = 4, upd.Increment = 2;
  int changes = 0;
  upd.Change = [&] { ++changes; };
  upd.Up();
  upd.Up();
  upd.Up();
  EXPECT_EQ(upd.Value(), 4);
  EXPECT_EQ(changes, 2);
  upd.Down();
  EXPECT_EQ(upd.Value(), 2);
}

class HostTest : public ::testing::Test {
 protected:
  HostTest() {
    host.Register<ListsForm>([] { return std::make_unique<ListsForm>(); });
  }
  FormHost host;
};

TEST_F(HostTest, FormLoadsOnFirstUseOnce) {
  EXPECT_FALSE(host.IsLoaded<ListsForm>());
  ListsForm& f = host.Get<ListsForm>();
  EXPECT_EQ(&host.Get<ListsForm>(), &f);
  EXPECT_EQ(f.loads, 1);
}

TEST_F(HostTest, UnloadedFormComesBackFreshAndLoadsAgain) {
  ListsForm& first = host.Get<ListsForm>();
  first.counter = 7;
  first.cmb.AddItem("x");
  host.Unload(first);
  EXPECT_FALSE(host.IsLoaded<ListsForm>());
  EXPECT_EQ(first.counter, 7) << "object lives on until released, so its handler may finish";
  host.ReleaseUnloaded();
  ListsForm& second = host.Get<ListsForm>();
  EXPECT_EQ(second.counter, 0);
  EXPECT_EQ(second.cmb.ListCount(), 0);
  EXPECT_EQ(second.loads, 1);
}

TEST_F(HostTest, ModalShowRunsTheOperatorScriptAndReturns) {
  ListsForm& f = host.Get<ListsForm>();
  host.SetModalScript([&](Form& shown) {
    EXPECT_TRUE(shown.Modal());
    EXPECT_TRUE(shown.Visible());
    host.Hide(shown);
  });
  host.Show(f, true);
  EXPECT_FALSE(f.Visible());
  EXPECT_FALSE(f.Modal());
}

TEST_F(HostTest, CloseRequestCanBeRefused) {
  class Keeper : public Form {
   public:
    Keeper() : Form("Keeper") {}
    void Form_QueryUnload(bool& cancel) override { cancel = true; }
  };
  host.Register<Keeper>([] { return std::make_unique<Keeper>(); });
  host.RequestClose(host.Get<Keeper>());
  EXPECT_TRUE(host.IsLoaded<Keeper>());
  host.RequestClose(host.Get<ListsForm>());
  EXPECT_FALSE(host.IsLoaded<ListsForm>());
}

TEST_F(HostTest, TimersRunOncePerIntervalWhileEnabled) {
  ListsForm& f = host.Get<ListsForm>();
  auto& tmr = f.Add<Timer>("tmrComm");
  tmr.Interval = 10;
  int ticks = 0;
  tmr.OnTimer = [&] { ++ticks; };
  host.AdvanceClock(50);
  EXPECT_EQ(ticks, 0) << "disabled";
  tmr.Enabled = true;
  host.AdvanceClock(5);
  host.AdvanceClock(5);
  host.AdvanceClock(9);
  EXPECT_EQ(ticks, 1);
  host.AdvanceClock(1);
  EXPECT_EQ(ticks, 2);
}

// Inside work the operator's input waits for a tick's end, is refused during a job or a read,
// and runs at once only on what stays live: a job's Cancel, the main screen's close.
TEST_F(HostTest, InputDuringWorkWaitsIsRefusedOrRunsAsTheWorkAllows) {
  ListsForm& f = host.Get<ListsForm>();
  auto& cancel = f.Add<CommandButton>("cmdCancel");
  cancel.LiveDuringWork = true;
  auto& tmr = f.Add<Timer>("tmrComm");
  tmr.Interval = 10;
  tmr.Enabled = true;
  int ticks = 0;
  tmr.OnTimer = [&] { ++ticks; };
  std::vector<std::string> ran;
  auto input = [&](const Control* control, bool close, const char* what) {
    return host.RunInput({&f, control, close}, [&ran, what] { ran.push_back(what); });
  };
  struct Row {
    WorkKind work;
    bool close_live;
    std::vector<InputFate> fates;  // list, menu, Cancel, close box
  };
  const Row rows[] = {
      {WorkKind::kNone,
       false,
       {InputFate::kRan, InputFate::kRan, InputFate::kRan, InputFate::kRan}},
      {WorkKind::kTick,
       false,
       {InputFate::kHeld, InputFate::kHeld, InputFate::kRan, InputFate::kHeld}},
      {WorkKind::kTick,
       true,
       {InputFate::kHeld, InputFate::kHeld, InputFate::kRan, InputFate::kRan}},
      {WorkKind::kBlocking,
       false,
       {InputFate::kRefused, InputFate::kRefused, InputFate::kRan, InputFate::kRefused}},
      {WorkKind::kBlocking,
       true,
       {InputFate::kRefused, InputFate::kRefused, InputFate::kRan, InputFate::kRan}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.work) * 10 + row.close_live);
    f.CloseDuringWork = row.close_live;
    ran.clear();
    {
      FormHost::WorkScope work(host, row.work);
      EXPECT_EQ(input(&f.cmb, false, "list"), row.fates[0]);
      EXPECT_EQ(input(nullptr, false, "menu"), row.fates[1]);
      EXPECT_EQ(input(&cancel, false, "cancel"), row.fates[2]);
      EXPECT_EQ(input(nullptr, true, "close"), row.fates[3]);
      host.AdvanceClock(10);  // no timer starts inside work, and held input stays held
      EXPECT_EQ(ticks, row.work == WorkKind::kNone ? 1 : 0);
    }
    host.AdvanceClock(10);  // the timers' turn after the work: then the held input, in order
    EXPECT_EQ(ticks, row.work == WorkKind::kNone ? 2 : 1);
    ticks = 0;
    std::vector<std::string> expected;
    for (int pass : {0, 1}) {  // what ran at once, then what was held
      const char* names[] = {"list", "menu", "cancel", "close"};
      for (int i = 0; i < 4; ++i) {
        if ((row.fates[i] == InputFate::kRan) == (pass == 0) &&
            row.fates[i] != InputFate::kRefused) {
          expected.push_back(names[i]);
        }
      }
    }
    EXPECT_EQ(ran, expected);
  }
  // Input held for a form that is unloaded before the tick ends is dropped.
  ran.clear();
  {
    FormHost::WorkScope work(host, WorkKind::kTick);
    input(&f.cmb, false, "list");
    host.Unload(f);
  }
  host.RunHeldInput();
  EXPECT_TRUE(ran.empty());
}

// What a timer's handler opens goes over the form the operator works in, else over the timer's
// form; what a handler running inside it opens goes over that handler's form.
TEST_F(HostTest, TimerHandlerOpensOverTheActiveFormElseItsOwn) {
  class ActiveIs : public FormObserver {
   public:
    void OnShow(Form&) override {}
    void OnHide(Form&) override {}
    void OnUnload(Form&) override {}
    void RunModal(Form&) override {}
    Form* ActiveForm() const override { return active; }
    Form* active = nullptr;
  } observer;
  host.SetObserver(&observer);
  ListsForm& f = host.Get<ListsForm>();
  Form other("Other");
  auto& tmr = f.Add<Timer>("tmrComm");
  tmr.Interval = 10;
  tmr.Enabled = true;
  std::vector<const Form*> openers;
  tmr.OnTimer = [&] {
    openers.push_back(host.Opener());
    FormHost::OpenerScope inner(host, other);
    openers.push_back(host.Opener());
  };
  host.AdvanceClock(10);
  observer.active = &other;
  host.AdvanceClock(10);
  EXPECT_EQ(openers, (std::vector<const Form*>{&f, &other, &other, &other}));
  EXPECT_EQ(host.Opener(), &other);  // outside any handler: the active form
  host.SetObserver(nullptr);
}

}  // namespace
}  // namespace qd470::forms
