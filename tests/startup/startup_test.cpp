// Tests of the start-up sequence with a scripted operator: the order of the first start, the
// start-up window's conditions, the type-file error and closing the start-up window.
#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <vector>

#include "model/comm_cond_record.h"
#include "monitor/main_disp.h"
#include "settings/subdisp_sset.h"
#include "startup/opuning.h"
#include "startup/qd470_module.h"
#include "support/operator.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using testing::ProgramTest;

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class StartupTest : public ProgramTest {
 protected:
  // Records every modal form with what was on screen then, and lets `act` work inside it before
  // the usual answer.
  void Script(std::function<void(forms::Form&)> act = nullptr) {
    p().Forms().SetModalScript([this, act](forms::Form& form) {
      seen.push_back(form.Name());
      messages_then.push_back(msg().shown.size());
      opuning_shown.push_back(p().Forms().IsLoaded<Opuning>() && p().Form<Opuning>().Visible());
      const forms::Form* opener = p().Forms().Opener();
      openers.push_back(opener ? opener->Name() : "");
      if (act) act(form);
      testing::AnswerModal(form, "", act ? "" : no_port.string());
    });
  }
  // Keeps the tests off the machine's own serial ports.
  const std::filesystem::path no_port = folder_.path() / "no-port";
  std::vector<std::string> seen;
  std::vector<size_t> messages_then;
  std::vector<bool> opuning_shown;
  std::vector<std::string> openers;  // the form each modal form belongs to
};

TEST_F(StartupTest, FirstStartInAnEmptyFolder) {
  Script();
  QD470::Main(p());
  EXPECT_EQ(msg().Texts(),
            (std::vector<std::string>{p().LoadResString(467),
                                      QD470::PortOpenError(p(), no_port.string(), ENOENT)}));
  EXPECT_EQ(seen, (std::vector<std::string>{"SubDisp_SSet", "Opuning"}));
  EXPECT_EQ(messages_then, (std::vector<size_t>{1, 1}));
  EXPECT_EQ(opuning_shown, (std::vector<bool>{true, true}));
  EXPECT_EQ(openers, (std::vector<std::string>{"Opuning", ""}));
  EXPECT_TRUE(p().Form<MainDisp>().Visible());
  EXPECT_FALSE(p().Form<Opuning>().Visible());
  EXPECT_EQ(p().CommState, 1);
  EXPECT_EQ(p().PortOpen, 0);
  EXPECT_TRUE(p().Form<MainDisp>().tmrComm.Enabled);
  EXPECT_TRUE(std::filesystem::exists(p().DataFile("QD4INIT.DAT")));
  EXPECT_TRUE(std::filesystem::exists(p().DataFile("QD4TYPE.DAT")));
  EXPECT_TRUE(std::filesystem::is_directory(p().ProgramFolder() / "Setdata"));
  // The specification dialog named the controllers as the main screen does.
  EXPECT_EQ(p().DevNames[31].Name, "Channel number31");
  EXPECT_EQ(p().Form<MainDisp>().cmbName.List(0), "Channel number0");
}

TEST_F(StartupTest, StartKeepsTheConditionsShownAndTheyTakeEffectAtOnce) {
  std::ofstream(p().DataFile("QD4INIT.DAT"), std::ios::binary) << EncodeCommCond({1, 0, 0, 0});
  Script([this](forms::Form& form) {
    auto* start = dynamic_cast<Opuning*>(&form);
    if (!start) return;
    start->cmbDev.SetListIndex(9);
    start->cmbSpeed.SetListIndex(1);
    start->optRead(1).SetValue(true);
    start->txtPort.SetText(no_port.string());
  });
  p().SourceTbl[3] = {SettingSource::kFile};
  QD470::Main(p());
  EXPECT_EQ(p().SourceTbl[3], SettingSource{});  // the defaults
  EXPECT_EQ(p().CommCond.DevCount, 10);
  EXPECT_EQ(p().CommPort, no_port.string());
  EXPECT_EQ(ReadText(p().DataFile("QD4INIT.DAT")), EncodeCommCond({10, 0, 1, 1}));
  EXPECT_EQ(ReadText(p().DataFile("QD4PORT.DAT")), no_port.string() + "\n");
  EXPECT_EQ(p().SetLoadMask, -1);  // settings not read at start
  EXPECT_EQ(p().Form<MainDisp>().cmbName.ListCount(), 10);
  EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_SSet>());  // loaded again for ten controllers
}

// The port box has its label and shows the port in effect; the list selects it when it holds it,
// and nothing while the box holds another path.
TEST_F(StartupTest, PortListSelectsThePortInTheBoxOrNothing) {
  for (const std::string in_effect : {"/dev/ttyS1", "/dev/pts/7"}) {
    SCOPED_TRACE(in_effect);
    p().CommPort = in_effect;
    Opuning& start = p().Form<Opuning>();
    EXPECT_EQ(start.lblPortPath.Caption, p().LoadResString(584));
    const bool listed = in_effect == "/dev/ttyS1";
    EXPECT_EQ(start.txtPort.Text(), listed ? "COM2" : in_effect);
    EXPECT_EQ(start.cmbPort.ListIndex(), listed ? 1 : -1);
    start.txtPort.SetText("COM3");
    EXPECT_EQ(start.cmbPort.ListIndex(), 2);
    start.txtPort.SetText("/dev/pts/9");
    EXPECT_EQ(start.cmbPort.ListIndex(), -1);
    p().Forms().Unload(start);
  }
}

// "Setdata" that cannot be created is named with the reason, and start-up goes on.
TEST_F(StartupTest, SetdataThatCannotBeCreatedIsNamedAndStartUpGoesOn) {
  std::ofstream(p().ProgramFolder() / "Setdata") << "x";
  std::ofstream(p().DataFile("QD4INIT.DAT"), std::ios::binary) << EncodeCommCond({1, 0, 0, 0});
  Script();
  QD470::Main(p());
  ASSERT_FALSE(msg().Texts().empty());
  const std::string said = msg().Texts()[0];
  EXPECT_TRUE(said.starts_with(p().LoadResString(582) + " " +
                               (p().ProgramFolder() / "Setdata").string() + " ("))
      << said;
  EXPECT_EQ(p().CommCond.DevCount, 1);
  EXPECT_TRUE(p().Form<MainDisp>().Visible());
}

TEST_F(StartupTest, ATypeFileErrorDefaultsTheConditionsInMemoryOnly) {
  const std::string saved = EncodeCommCond({6, 1, 2, 0});
  std::ofstream(p().DataFile("QD4INIT.DAT"), std::ios::binary) << saved;
  std::filesystem::create_directory(p().DataFile("QD4TYPE.DAT"));  // exists, cannot be read
  p().Forms().SetModalScript([this](forms::Form& form) {
    if (dynamic_cast<Opuning*>(&form)) {
      EXPECT_EQ(p().CommCond.DevCount, 1);
      p().Forms().RequestClose(form);  // the operator closes the start-up window
    }
  });
  QD470::Main(p());
  EXPECT_EQ(msg().Texts(), std::vector<std::string>{p().LoadResString(467)});
  EXPECT_EQ(ReadText(p().DataFile("QD4INIT.DAT")), saved);
  EXPECT_EQ(p().EndReq, -1);
  EXPECT_FALSE(p().Form<MainDisp>().Visible());
}

// The start-up window was filled from the init file before the type file failed: it shows the
// defaults that string 467 announces, with the port in force, and Start keeps them.
TEST_F(StartupTest, ATypeFileErrorShowsTheDefaultsInTheStartWindowAndStartWritesThem) {
  std::ofstream(p().DataFile("QD4INIT.DAT"), std::ios::binary) << EncodeCommCond({6, 1, 2, 1});
  std::ofstream(p().DataFile("QD4PORT.DAT")) << no_port.string() << "\n";
  std::filesystem::create_directory(p().DataFile("QD4TYPE.DAT"));  // exists, cannot be read
  Script([this](forms::Form& form) {
    auto* start = dynamic_cast<Opuning*>(&form);
    if (!start) return;
    EXPECT_EQ(start->cmbDev.ListIndex(), 0);
    EXPECT_EQ(start->cmbSpeed.ListIndex(), 0);
    EXPECT_TRUE(start->optRead(0).Value());
    EXPECT_EQ(start->txtPort.Text(), no_port.string());
  });
  QD470::Main(p());
  EXPECT_EQ(ReadText(p().DataFile("QD4INIT.DAT")), EncodeCommCond({1, 0, 0, 0}));
  EXPECT_EQ(p().CommPort, no_port.string());
}

}  // namespace
}  // namespace qd470
