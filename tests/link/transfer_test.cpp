// The transfer jobs against the simulated line: send all, receive all, cancel, copy, the read of a
// chosen controller, a refused pattern value and a line that vanishes.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <utility>

#include "link/subdisp_copy.h"
#include "link/subdisp_trs.h"
#include "link/wait_disp.h"
#include "model/request_slot.h"
#include "settings/setting_file.h"
#include "settings/subdisp_loadsave.h"
#include "settings/subdisp_set.h"
#include "support/link_test.h"
#include "support/sample_settings.h"

namespace qd470 {
namespace {

using testing::LinkTest;
using testing::SimLine;

class TransferTest : public LinkTest {
 protected:
  void SetUp() override {
    Connect(4, 4);
    for (int i = 0; i < 4; ++i) {
      p().Form<SubDisp_TRS>().cmbName.AddItem("ch");
      for (int k = 0; k < 2; ++k) p().Form<SubDisp_Copy>().cmbName(k).AddItem("ch");
    }
    p().DevNames[1].Name = "Kiln";
    msg().on_show = [this] {
      const std::string& text = msg().shown.back().text;
      if (text.find(" stopped short: ") == std::string::npos) return;
      told.push_back(text);
      owners.push_back(p().Forms().Opener());
    };
  }
  // The message of a pass of all settings of controller 1 that stopped short.
  std::string Short(bool send, int moved, bool lost) {
    const char* verb = send ? "Sending to Kiln" : "Receiving from Kiln";
    const char* done = send ? "sent" : "received";
    return std::string(verb) + " stopped short: " + std::to_string(moved) + " of its 1843 " +
           "setting values were " + done + ".\n" + p().LoadResString(lost ? 587 : 588);
  }
  // The messages of passes that stopped short, and the form each belongs to.
  std::vector<std::string> told;
  std::vector<const forms::Form*> owners;
  // Every stored place of controller dev in memory or on the line, in group order.
  std::vector<int16_t> Memory(int dev) {
    std::vector<int16_t> out;
    for (const GroupPlace& place : AllGroupPlaces()) {
      if (place.ref.HasValue()) out.push_back(*ResolveStorage(p(), dev, place.ref));
    }
    return out;
  }
  std::vector<int16_t> Line(int dev) {
    std::vector<int16_t> out;
    for (const GroupPlace& place : AllGroupPlaces()) {
      if (place.ref.HasValue()) out.push_back(sim().Value(dev, place.data_item));
    }
    return out;
  }
  // Random values, negative ones included, for every place of dev in memory or on the line.
  void FillMemory(int dev, unsigned seed) {
    std::mt19937 rng(seed);
    for (const GroupPlace& place : AllGroupPlaces()) {
      if (place.ref.HasValue()) *ResolveStorage(p(), dev, place.ref) = static_cast<int16_t>(rng());
    }
  }
  void FillLine(int dev, unsigned seed) {
    std::mt19937 rng(seed);
    for (const GroupPlace& place : AllGroupPlaces()) {
      if (place.ref.HasValue()) sim().SetValue(dev, place.data_item, static_cast<int16_t>(rng()));
    }
  }
  void RunJob(int16_t job, int16_t dev = 0) {
    p().Form<SubDisp_TRS>().cmbName.SetListIndex(dev);
    p().CommState = 7;
    p().SendReq = job;
    Tick();
  }
  // The operator loads `file` with the dialog of one controller (into controller dev) or of all.
  void LoadFile(const std::filesystem::path& file, bool all, int dev) {
    SubDisp_LoadSave& one = p().Form<SubDisp_LoadSave>();
    while (one.cmbName(0).ListCount() < 4) one.cmbName(0).AddItem("ch");
    one.cmbName(0).SetListIndex(dev);
    fakes_.file_dialog.answers.push_back(file.string());
    SettingFileForm& dialog = all ? static_cast<SettingFileForm&>(p().Form<SubDisp_AllLoadSave>())
                                  : static_cast<SettingFileForm&>(one);
    dialog.Command1(0).RaiseClick();
  }
  size_t Writes() {
    size_t n = 0;
    for (const auto& r : sim().Log()) n += r.cmd == 'P';
    return n;
  }
};

TEST_F(TransferTest, SendAllAndReceiveAllMoveEveryValueExactly) {
  FillMemory(2, 1);
  RunJob(2, 2);
  EXPECT_EQ(Memory(2).size(), 1843u);
  EXPECT_EQ(Line(2), Memory(2));
  EXPECT_EQ(Writes(), 1843u);
  EXPECT_EQ(p().Form<SubDisp_TRS>().ProgressBar1.Value, kAllPlaces);
  EXPECT_EQ(p().SendReq, 0);

  FillLine(3, 2);
  RunJob(3, 3);
  EXPECT_EQ(Memory(3), Line(3));
  EXPECT_EQ(p().RcvMask, 1 << 3);
  EXPECT_EQ(p().Form<SubDisp_TRS>().ProgressBar1.Value, kAllPlaces);
  EXPECT_TRUE(told.empty());
}

TEST_F(TransferTest, AReadNotAcknowledgedStoresNothingAndLeavesTheMaskClear) {
  FillLine(1, 3);
  FillMemory(1, 4);
  const std::vector<int16_t> before = Memory(1);
  sim().QueueFault(SimLine::Fault::kEsc);  // the first place, step SV of pattern 0, step 0
  RunJob(3, 1);
  std::vector<int16_t> expected = Line(1);
  expected[0] = before[0];
  EXPECT_EQ(Memory(1), expected);
  EXPECT_EQ(p().RcvMask, 0);
}

TEST_F(TransferTest, CancelStopsATransferWithinOneTransaction) {
  for (int16_t job : {2, 3, 5}) {
    SCOPED_TRACE(job);
    sim().ClearLog();
    int pumps = 0;
    pump().on_events = [&] {
      if (++pumps == 100) p().Form<SubDisp_TRS>().cmdCancel_Click();
    };
    RunJob(job, 1);
    pump().on_events = nullptr;
    EXPECT_EQ(pumps, 100);
    EXPECT_EQ(sim().Log().size(), 100u);
    EXPECT_EQ(p().SendReq, 0);
  }
  EXPECT_TRUE(told.empty());
}

TEST_F(TransferTest, ATickNeverStartsInsideAnother) {
  size_t nested = 0;
  pump().on_events = [&] {
    const size_t before = sim().Log().size();
    Tick();  // the 10 ms timer fires while the job lets events run
    nested += sim().Log().size() - before;
  };
  RunJob(3, 2);
  pump().on_events = nullptr;
  EXPECT_EQ(nested, 0u);
  EXPECT_EQ(sim().Log().size(), 1843u);
}

TEST_F(TransferTest, AJobWordLeftByAClosedDialogIsDropped) {
  p().CommState = 1;
  p().SendReq = 2;
  Tick();
  EXPECT_EQ(p().SendReq, 0);
  EXPECT_EQ(sim().Log().size(), 1u);  // polled instead
}

TEST_F(TransferTest, ExitStopsATransferWithinOneTransaction) {
  pump().on_events = [&] { p().EndReq = -1; };
  RunJob(2, 0);
  EXPECT_EQ(sim().Log().size(), 1u);
}

TEST_F(TransferTest, CopyMakesTheTargetEqualTheSource) {
  FillLine(0, 5);
  FillLine(3, 6);
  SubDisp_Copy& dialog = p().Form<SubDisp_Copy>();
  dialog.cmbName(0).SetListIndex(0);
  dialog.cmbName(1).SetListIndex(3);
  dialog.cmdStart_Click();
  int max_progress = 0;
  pump().on_events = [&] { max_progress = std::max<int>(max_progress, dialog.ProgressBar1.Value); };
  Tick();
  EXPECT_EQ(Line(3), Line(0));
  EXPECT_EQ(Memory(3), Line(0));
  EXPECT_EQ(max_progress, SubDisp_Copy::kProgressMax);
  EXPECT_NE(p().SendReq, 5);
}

// The copy dialog has no way back to monitoring of its own: after its job, a one-item write (an
// edit, a RUN) goes out at the next tick instead of being held back as during a job.
TEST_F(TransferTest, AfterACopyOneItemWritesGoOutAgain) {
  SubDisp_Copy& dialog = p().Form<SubDisp_Copy>();
  dialog.cmbName(0).SetListIndex(0);
  dialog.cmbName(1).SetListIndex(1);
  dialog.cmdStart_Click();
  Tick();
  dialog.cmdEnd_Click();
  p().SetCh = 2;
  p().EditItem = 98;  // run
  p().SendVal = 1;
  QueueWrite(p());
  sim().ClearLog();
  Tick();
  const std::vector<SimLine::Request> sent{{2, 'P', 0x0042, 1}};
  EXPECT_EQ(sim().Log(), sent);
  EXPECT_EQ(p().SendReq, 0);
}

// The settings screen stays open beside the copy dialog: a controller chosen on it while the copy
// runs is not read into the tables being sent, and the target ends equal to the source.
TEST_F(TransferTest, AControllerChosenDuringACopyIsNotReadAndTheTargetEqualsTheSource) {
  FillLine(0, 5);
  FillLine(3, 6);
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  SubDisp_Copy& dialog = p().Form<SubDisp_Copy>();
  dialog.cmbName(0).SetListIndex(0);
  dialog.cmbName(1).SetListIndex(3);
  dialog.cmdStart_Click();
  int pumps = 0;
  pump().on_events = [&] {
    if (++pumps != kAllPlaces + 10) return;  // in the sending half
    EXPECT_EQ(Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(3); }),
              forms::InputFate::kRefused);
  };
  Tick();
  pump().on_events = nullptr;
  EXPECT_EQ(Line(3), Line(0));
  EXPECT_EQ(p().SetLoadMask & (1 << 3), 0);
  EXPECT_EQ(dialog.ProgressBar1.Value, SubDisp_Copy::kProgressMax);
}

// A second controller chosen while one is read is refused: the first read goes on alone, with
// no poll step of the communication timer in between.
TEST_F(TransferTest, TheControllerListTakesNoChoiceDuringARead) {
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  MainDisp& main = p().Form<MainDisp>();
  main.tmrComm.Enabled = true;
  bool chosen = false;
  pump().on_events = [&] {
    if (!std::exchange(chosen, true)) {
      Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(2); });
    }
    p().Forms().AdvanceClock(main.tmrComm.Interval);
  };
  Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(1); });
  pump().on_events = nullptr;
  EXPECT_EQ(screen.cmbName.ListIndex(), 1);
  EXPECT_EQ(p().SetLoadMask & 0b110, 0b010);
  // Besides controller 1's reads, only the monitor polls that the read makes between its four
  // groups: 3 times the 11 items of the 3 other controllers.
  size_t others = 0;
  for (const SimLine::Request& r : sim().Log()) others += r.dev != 1;
  EXPECT_EQ(others, 3u * 3 * 11);
  EXPECT_FALSE(p().Form<WaitDisp>().Visible());
}

// A transfer dialog opened from the menu while a write to a silent controller is retried opens
// once the tick has returned, and its SEND is carried out.
TEST_F(TransferTest, ATransferDialogOpenedDuringARetriedWriteSends) {
  sim().SetPresent(3, false);
  p().SetLoadMask = -1;
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  screen.cmbName.SetListIndex(1);
  FillMemory(1, 9);
  p().SetCh = 3;
  p().EditItem = 98;  // run
  p().SendVal = 1;
  QueueWrite(p());
  p().Forms().SetModalScript([&](forms::Form& form) {
    auto* dialog = dynamic_cast<SubDisp_TRS*>(&form);
    if (!dialog) return;
    Operate(*dialog, &dialog->cmdSend, [dialog] { dialog->cmdSend.RaiseClick(); });
    Tick();
    Operate(*dialog, &dialog->cmdEnd, [dialog] { dialog->cmdEnd.RaiseClick(); });
  });
  pump().on_events = [&] {
    pump().on_events = nullptr;
    Operate(screen, nullptr, [&] { screen.mnuCom.RaiseClick(); });
  };
  Tick();
  EXPECT_EQ(Line(1), Memory(1));
  EXPECT_EQ(p().SendReq, 1);  // the write to controller 3 still waits
}

TEST_F(TransferTest, CopySendsNothingWhenTheSourceWasNotReadWhole) {
  FillLine(2, 8);
  const std::vector<int16_t> target = Line(2);
  SubDisp_Copy& dialog = p().Form<SubDisp_Copy>();
  dialog.cmbName(0).SetListIndex(1);
  dialog.cmbName(1).SetListIndex(2);
  dialog.cmdStart_Click();
  sim().QueueFault(SimLine::Fault::kEsc);
  Tick();
  EXPECT_EQ(Line(2), target);
  EXPECT_EQ(msg().Texts(), std::vector<std::string>{p().LoadResString(454)});
  EXPECT_EQ(Writes(), 0u);
  EXPECT_EQ(p().SendReq, 0);
}

TEST_F(TransferTest, ARefusedPatternValueStopsTheJobAndTheProgramGoesOn) {
  sim().SetRange(0x1000, 0, 100);
  p().PtnData[0][0][0][0] = 500;
  RunJob(2, 0);
  EXPECT_EQ(msg().Texts(), std::vector<std::string>{p().LoadResString(65)});
  EXPECT_EQ(Writes(), 1u);
  EXPECT_EQ(p().SendReq, 0);
  EXPECT_EQ(p().EndReq, 0);
  EXPECT_EQ(p().PtnData[0][0][0][0], 500);
}

TEST_F(TransferTest, SendAllAsksForSettingModeBeforeTheOutputLimits) {
  RunJob(2, 0);
  const auto log = sim().Log();
  // The mode word is read before 1C and 22; setting mode is asked for once, as the controller
  // stays in it while it accepts writes.
  std::vector<uint16_t> after_access;
  size_t asks = 0;
  for (size_t i = 0; i + 1 < log.size(); ++i) {
    if (log[i].cmd == 'q') ++asks;
    if (log[i].cmd == 'a') after_access.push_back(log[i + 1 + (log[i + 1].cmd == 'q')].item);
  }
  EXPECT_EQ(after_access, (std::vector<uint16_t>{0x001C, 0x0022}));
  EXPECT_EQ(asks, 1u);
  EXPECT_EQ(Writes(), 1843u);  // every value written, none refused
  EXPECT_TRUE(msg().shown.empty());
}

TEST_F(TransferTest, SetAllRecvReadsAControllerOnceAndOnlyWithAnOpenPort) {
  FillLine(2, 7);
  int16_t dev = 2;
  p().PortOpen = 0;
  QD470::SetAllRecv(p(), dev);
  EXPECT_TRUE(sim().Log().empty());
  EXPECT_EQ(p().SetLoadMask, 0);

  p().PortOpen = -1;
  int shown = 0;
  pump().on_events = [&] { shown += p().Form<WaitDisp>().Visible(); };
  QD470::SetAllRecv(p(), dev);
  pump().on_events = nullptr;
  EXPECT_EQ(Memory(2), Line(2));
  // Events run after every place and after every poll between the groups.
  EXPECT_EQ(shown, kAllPlaces + 3 * 4 * 11);
  EXPECT_FALSE(p().Form<WaitDisp>().Visible());
  EXPECT_EQ(p().SetLoadMask, 1 << 2);
  EXPECT_EQ(p().RcvMask, 1 << 2);
  // 1843 reads and three polls of the 4 controllers between the groups.
  EXPECT_EQ(sim().Log().size(), 1843u + 3u * 4u * 11u);

  sim().ClearLog();
  QD470::SetAllRecv(p(), dev);
  EXPECT_TRUE(sim().Log().empty());
}

// The read at start-up (before monitoring) says nothing; the controller is read when chosen.
TEST_F(TransferTest, SetAllRecvWithoutRepliesLeavesTheControllerToBeReadAgain) {
  int16_t dev = 31;
  p().CommState = 0;
  sim().Vanish();  // every transaction ends at once without a reply
  QD470::SetAllRecv(p(), dev);
  EXPECT_EQ(p().SetLoadMask, 0);
  EXPECT_EQ(p().RcvMask, 0);
  EXPECT_EQ(p().CommErr[31], 1);
  EXPECT_TRUE(told.empty());
}

// A controller that stops answering ends the read after a few silent places instead of
// waiting out the timeout of every one; a few silences in a row that end in a reply do not.
TEST_F(TransferTest, ARunOfSilentReadsEndsTheReadOfAllSettings) {
  struct Case {
    int silences;
    size_t requests;
    bool all_read;
  };
  for (const Case& c : {Case{QD470::kSilentReads - 1, 1843, true},
                        Case{QD470::kSilentReads, QD470::kSilentReads, false}}) {
    SCOPED_TRACE(c.silences);
    p().SetLoadMask = 0;
    p().RcvMask = 0;
    sim().ClearLog();
    sim().QueueFault(SimLine::Fault::kSilence, c.silences);
    int16_t dev = 1;
    QD470::SetAllRecv(p(), dev);
    EXPECT_EQ(sim().Log().size() - 3u * 4u * 11u * c.all_read, c.requests);
    EXPECT_EQ(p().SetLoadMask, 0);  // read again when chosen
    EXPECT_EQ(p().RcvMask, 0);      // the silent places were not read
    EXPECT_FALSE(p().Form<WaitDisp>().Visible());
  }
}

// A controller chosen on the settings screen and not read whole: its read says so over the wait
// form, the status line says none of its values were read, and the next choice reads it.
TEST_F(TransferTest, AChosenControllerMissingFromTheLineIsGivenUpSaidAndReadAgain) {
  Connect(1, 2);
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  int places = 0;
  pump().on_events = [&] { ++places; };
  Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(1); });
  pump().on_events = nullptr;
  EXPECT_EQ(places, QD470::kSilentReads - 1);
  EXPECT_EQ(p().SetLoadMask, 0);
  EXPECT_EQ(p().CommErr[1], 1);
  EXPECT_EQ(told, std::vector<std::string>{Short(false, 0, false)});
  EXPECT_EQ(owners, std::vector<const forms::Form*>{&p().Form<WaitDisp>()});
  EXPECT_EQ(screen.lblStatus.Caption, "Read in part from the QD-470: 0 of its 1843 values");

  sim().SetPresent(1, true);
  Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(0); });
  Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(1); });
  EXPECT_EQ(p().RcvMask, 0b11);  // read whole
  EXPECT_EQ(p().SetLoadMask, 0b11);
  EXPECT_EQ(screen.lblStatus.Caption, p().LoadResString(352));
  EXPECT_EQ(told.size(), 1u);
}

// Yes to the exit question during a receive: the job ends after the transaction under way, and
// its closing refresh does not bring the unloaded settings screen back.
TEST_F(TransferTest, AnExitChosenDuringAJobEndsItAfterTheCurrentTransaction) {
  p().Form<SubDisp_Set>();
  int pumps = 0;
  pump().on_events = [&] {
    if (++pumps != 50) return;
    msg().answers.push_back(forms::MsgResult::kYes);
    p().Forms().RequestClose(p().Form<MainDisp>());
  };
  RunJob(3, 1);
  pump().on_events = nullptr;
  EXPECT_EQ(pumps, 50);
  EXPECT_EQ(sim().Log().size(), 50u);
  EXPECT_EQ(p().EndReq, -1);
  EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_Set>());
  EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_TRS>());
  EXPECT_FALSE(p().Forms().IsLoaded<MainDisp>());
  Tick();  // no tick runs once the program ends
  EXPECT_EQ(sim().Log().size(), 50u);
}

// Yes to the exit question during the read of a controller chosen on the settings screen: the
// read ends after the transaction under way and no screen is loaded again on the way out.
TEST_F(TransferTest, AnExitChosenDuringAReadLoadsNoForm) {
  p().Form<MainDisp>();
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  int pumps = 0;
  pump().on_events = [&] {
    if (++pumps != 50) return;
    msg().answers.push_back(forms::MsgResult::kYes);
    p().Forms().RequestClose(p().Form<MainDisp>());
  };
  Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(1); });
  pump().on_events = nullptr;
  EXPECT_EQ(sim().Log().size(), 50u);
  EXPECT_TRUE(p().Forms().LoadedForms().empty());
}

// Send, receive and copy stop at the first transaction after the line is lost and keep their bar
// there; the send, the receive and the copy's send say so, once, over their dialog, and the
// settings screen says how many of controller 1's values are the controller's.
TEST_F(TransferTest, TheLineVanishingMidTransferStopsItThereAndSaysSo) {
  struct Case {
    int16_t job;
    int vanish_at;  // places done when the line goes
    int moved;      // values of controller 1 moved
  };
  SubDisp_Copy& copy = p().Form<SubDisp_Copy>();
  copy.cmbName(0).SetListIndex(0);
  copy.cmbName(1).SetListIndex(1);
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  p().SetLoadMask = -1;
  screen.cmbName.SetListIndex(1);
  const Case cases[] = {{2, 200, 200}, {3, 50, 50}, {5, kAllPlaces + 238, 238}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.job);
    Connect(4, 4);
    told.clear();
    owners.clear();
    int pumps = 0;
    pump().on_events = [&] {
      if (++pumps == c.vanish_at) sim().Vanish();
    };
    RunJob(c.job, 1);
    pump().on_events = nullptr;
    EXPECT_EQ(pumps, c.vanish_at);
    forms::Form& dialog = c.job == 5 ? static_cast<forms::Form&>(copy) : p().Form<SubDisp_TRS>();
    const int bar =
        c.job == 5 ? copy.ProgressBar1.Value : p().Form<SubDisp_TRS>().ProgressBar1.Value;
    EXPECT_EQ(bar, c.vanish_at);
    EXPECT_EQ(told, std::vector<std::string>{Short(c.job != 3, c.moved, true)});
    EXPECT_EQ(owners, std::vector<const forms::Form*>{&dialog});
    EXPECT_EQ(screen.lblStatus.Caption,
              "Read in part from the QD-470: " + std::to_string(c.moved) + " of its 1843 values");
  }
  EXPECT_EQ(p().CommErr[1], 1);
  EXPECT_EQ(p().RcvMask & 0b10, 0);
  EXPECT_TRUE(p().Comm().Lost());
  p().CommState = 1;
  Tick();  // the poll goes on without the line
  EXPECT_EQ(p().CommErr[0], 1);
}

// A controller that stops answering during a send, or answers only busy or garbled: the send
// gives up after a few such writes instead of running through every place, and says so.
TEST_F(TransferTest, ASendToAControllerThatStopsAcknowledgingStopsAfterAFewWrites) {
  for (auto fault : {SimLine::Fault::kSilence, SimLine::Fault::kEsc, SimLine::Fault::kGarbage}) {
    SCOPED_TRACE(static_cast<int>(fault));
    told.clear();
    sim().SetFault(1, std::nullopt);
    int pumps = 0;
    pump().on_events = [&] {
      if (++pumps == 100) sim().SetFault(1, fault);
    };
    RunJob(2, 1);
    pump().on_events = nullptr;
    EXPECT_EQ(p().Form<SubDisp_TRS>().ProgressBar1.Value, 100 + QD470::kSilentReads - 1);
    EXPECT_EQ(told, std::vector<std::string>{Short(true, 100, false)});
  }
}

// A write pending from before a job is ended by it only when the job moved that very setting of
// that controller: the job's value then stands in memory and in the controller alike.
TEST_F(TransferTest, AJobEndsOnlyThePendingWriteOfASettingItMoved) {
  struct Case {
    const char* name;
    int16_t job;
    int16_t ch, item;  // the pending write (36: FIX item 0004h; 98: the RUN command)
    int cancel_at;     // places done when Cancel is pressed; 0: never
    bool goes_out;
  };
  const Case cases[] = {{"received", 3, 1, 36, 0, false}, {"sent", 2, 1, 36, 0, false},
                        {"copied", 5, 1, 36, 0, false},   {"another controller", 3, 2, 36, 0, true},
                        {"a command", 3, 1, 98, 0, true}, {"not reached", 3, 1, 36, 100, true}};
  SubDisp_Set& screen = ShowOnScreen(4, 2);
  SubDisp_Copy& copy = p().Form<SubDisp_Copy>();
  copy.cmbName(0).SetListIndex(0);
  copy.cmbName(1).SetListIndex(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FillLine(1, 15);
    p().CommState = 1;
    p().SendReq = 0;
    p().SetCh = c.ch;
    p().EditItem = c.item;
    p().EditIdx = p().SetPtn = 0;
    p().SendVal = 1;
    QueueWrite(p());
    int pumps = 0;
    pump().on_events = [&] {
      if (++pumps == c.cancel_at) p().Form<SubDisp_TRS>().cmdCancel_Click();
    };
    RunJob(c.job, 1);
    pump().on_events = nullptr;
    EXPECT_EQ(p().SendReq, c.goes_out ? 1 : 0);
    EXPECT_EQ(screen.txtSetWait.Visible, c.goes_out && c.ch == 2);  // the one shown
    p().CommState = 1;
    sim().ClearLog();
    Tick();
    EXPECT_EQ(Writes(), c.goes_out ? 1u : 0u);
    if (!c.goes_out) {
      EXPECT_EQ(p().PrmData[4][1], sim().Value(1, 0x0004));
    }
  }
}

// Values loaded from a setting file stay: a controller the file filled is not read over them when
// it is chosen on the settings screen; a receive still reads it from the line.
TEST_F(TransferTest, ALoadedControllerChosenAfterwardsIsNotRead) {
  testing::FillSampleSettings(p());  // controller 1's values are all in range
  const std::vector<int16_t> in_file = Memory(1);
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  const auto file = p().ProgramFolder() / "loaded.dat";
  for (bool all : {false, true}) {
    SCOPED_TRACE(all);
    std::ofstream(file) << FormatSettingFile(p(),
                                             all ? AllControllersFile(4) : OneControllerFile(1));
    p().SetLoadMask = -1;
    Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(0); });
    p().SetLoadMask = 0;
    p().PtnData[0][1][0][0] += 1;
    LoadFile(file, all, 1);
    sim().ClearLog();
    Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(1); });
    EXPECT_TRUE(sim().Log().empty());
    EXPECT_EQ(Memory(1), in_file);
    EXPECT_EQ(screen.lblStatus.Caption, p().LoadResString(351));
  }
  RunJob(3, 1);
  EXPECT_EQ(p().RcvMask, 0b10);  // read whole from the line
}

// A file loaded into one controller says nothing of another one read from the line afterwards.
TEST_F(TransferTest, EveryControllerShowsWhereItsOwnValuesCameFrom) {
  testing::FillSampleSettings(p());
  const auto file = p().ProgramFolder() / "loaded.dat";
  std::ofstream(file) << FormatSettingFile(p(), OneControllerFile(1));
  LoadFile(file, false, 2);
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(1); });
  EXPECT_EQ(screen.lblStatus.Caption, p().LoadResString(352));
  Operate(screen, &screen.cmbName, [&] { screen.cmbName.SetListIndex(2); });
  EXPECT_EQ(screen.lblStatus.Caption, p().LoadResString(351));
}

}  // namespace
}  // namespace qd470
