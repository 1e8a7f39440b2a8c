// Developer tool: renders every form of the program to PNG, in English and in Japanese, on Qt's
// offscreen platform. A form with a tab control gets one picture per tab page.
//   render_forms OUTDIR
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "editing/subdisp_tenkey.h"
#include "monitor/main_disp.h"
#include "program/program.h"
#include "qt/qt_backend.h"
#include "qt/qt_program.h"
#include "settings/subdisp_file.h"
#include "settings/subdisp_loadsave.h"
#include "settings/subdisp_set.h"
#include "settings/subdisp_sset.h"
#include "support/fake_services.h"
#include "startup/qd470_module.h"
#include "support/operator.h"
#include "support/sample_settings.h"

namespace {

using namespace qd470;

bool Save(const QImage& image, const QDir& dir, const std::string& name) {
  const QString path = dir.filePath(QString::fromStdString(name) + ".png");
  if (image.isNull() || !image.save(path)) {
    std::fprintf(stderr, "render_forms: could not write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// One picture per page of each tab control (pages that cannot be opened are left out).
bool RenderTabs(qt::QtBackend& backend, forms::FormHost& host, forms::Form& form,
                const std::vector<forms::TabControl*>& tabs, const QDir& dir,
                const std::string& name, const std::string& suffix) {
  bool ok = true;
  for (size_t t = 0; t < tabs.size(); ++t) {
    forms::TabControl& tab = *tabs[t];
    const int start = tab.Tab();
    std::string prefix = name + (t == 0 ? "" : "_" + tab.FullName());
    for (int i = 0; i < tab.Tabs(); ++i) {
      // A tab's handler must not open a modal loop here: the host runs it unobserved.
      host.SetObserver(nullptr);
      bool opened = tab.SetTab(i);
      host.SetObserver(&backend);
      if (!opened) {
        std::fprintf(stderr, "render_forms: %s tab %d cannot be opened\n", prefix.c_str(), i);
        continue;
      }
      ok &= Save(backend.Render(form), dir, prefix + "_tab" + std::to_string(i) + suffix);
    }
    host.SetObserver(nullptr);
    tab.SetTab(start);
    host.SetObserver(&backend);
  }
  return ok;
}

std::vector<forms::TabControl*> TabControlsOf(const forms::Form& form) {
  std::vector<forms::TabControl*> tabs;
  for (const auto& c : form.Controls()) {
    if (auto* tab = dynamic_cast<forms::TabControl*>(c.get()); tab && tab->Tabs() > 0) {
      tabs.push_back(tab);
    }
  }
  return tabs;
}

bool RenderForm(qt::QtBackend& backend, forms::FormHost& host, forms::Form& form, const QDir& dir,
                const std::string& name, const std::string& suffix) {
  std::vector<forms::TabControl*> tabs = TabControlsOf(form);
  if (tabs.empty()) return Save(backend.Render(form), dir, name + suffix);
  return RenderTabs(backend, host, form, tabs, dir, name, suffix);
}

// The numeric pad as a double-click on a step temperature opens it, with a value typed.
bool RenderPadSample(qt::QtBackend& backend, Program& program, SubDisp_Set& screen, const QDir& dir,
                     const std::string& suffix) {
  forms::FormHost& host = program.Forms();
  host.SetObserver(nullptr);
  screen.cmbName.SetListIndex(0);
  screen.lblSV(3).RaiseDblClick();
  SubDisp_Tenkey& pad = program.Form<SubDisp_Tenkey>();
  for (int d : {1, 2, 5, 0}) pad.Ten_key_Click(d);
  host.SetObserver(&backend);
  bool ok = RenderForm(backend, host, pad, dir, pad.Name() + "_typed", suffix);
  host.SetObserver(nullptr);
  host.Unload(pad);
  host.SetObserver(&backend);
  return ok;
}

// The settings screen of each sample controller, with its settings shown.
bool RenderSettingsSamples(qt::QtBackend& backend, Program& program, const QDir& dir,
                           const std::string& suffix) {
  qd470::testing::FillSampleSettings(program);
  // Each sample's values come from elsewhere, so that the status line shows each of its texts
  // (the defaults show on the screen as loaded).
  program.SourceTbl[0] = {SettingSource::kFile};
  program.SourceTbl[1] = {SettingSource::kLine, 1843};
  program.SourceTbl[2] = {SettingSource::kLine, 1842};
  forms::FormHost& host = program.Forms();
  host.SetObserver(nullptr);
  qd470::testing::ScriptOperator(program);
  program.Form<MainDisp>().mnuSetDisp_Click();
  host.SetObserver(&backend);
  SubDisp_Set& screen = program.Form<SubDisp_Set>();
  bool ok = true;
  for (size_t d = 0; d < qd470::testing::kSampleSpecs.size(); ++d) {
    host.SetObserver(nullptr);
    screen.cmbName.SetListIndex(static_cast<int>(d));
    screen.SetDispUpDate();
    host.SetObserver(&backend);
    ok &= RenderForm(backend, host, screen, dir,
                     screen.Name() + "_" + qd470::testing::kSampleSpecs[d].name, suffix);
  }
  screen.txtSetWait.Visible = true;  // as while a write is sent
  ok &= Save(backend.Render(screen), dir, screen.Name() + "_wait" + suffix);
  screen.txtSetWait.Visible = false;
  ok &= RenderPadSample(backend, program, screen, dir, suffix);
  host.SetObserver(nullptr);
  host.Unload<SubDisp_SSet>();  // loaded again for the sample controllers
  SubDisp_SSet& dialog = program.Form<SubDisp_SSet>();
  dialog.SpcSet(0);
  host.SetObserver(&backend);
  ok &= RenderForm(backend, host, dialog, dir, dialog.Name() + "_samples", suffix);
  return ok;
}

// The main screen with 32 controllers (every page), their pattern numbers and manual MVs.
bool RenderMainSamples(qt::QtBackend& backend, Program& program, const QDir& dir,
                       const std::string& suffix) {
  forms::FormHost& host = program.Forms();
  host.SetObserver(nullptr);
  program.CommCond.DevCount = kMaxDevices;
  QD470::NameDefaults(program);
  for (int ch = 0; ch < kMaxDevices; ++ch) {
    program.PtnNoTbl()[ch] = static_cast<int16_t>(ch % kPatterns);
    program.ManMvTbl()[ch] = static_cast<int16_t>(100 + 25 * ch);
  }
  MainDisp& screen = program.Form<MainDisp>();
  screen.NameSet();
  host.SetObserver(&backend);
  return RenderForm(backend, host, screen, dir, screen.Name() + "_samples", suffix);
}

// The dialogs of the settings screen's menus as the menus open them, and the two frames of the
// in-memory copy dialog.
bool RenderMenuDialogs(qt::QtBackend& backend, Program& program, const QDir& dir,
                       const std::string& suffix) {
  forms::FormHost& host = program.Forms();
  host.SetObserver(nullptr);
  SubDisp_Set& screen = program.Form<SubDisp_Set>();
  screen.cmbName.SetListIndex(1);
  screen.cmbSelptn.SetListIndex(4);
  screen.mnuYunit_Click();
  screen.mnuSvCopy_Click();
  SubDisp_File& copy = program.Form<SubDisp_File>();
  host.SetObserver(&backend);
  bool ok = Save(backend.Render(program.Form<SubDisp_LoadSave>()), dir,
                 "SubDisp_LoadSave_filled" + suffix);
  copy.cmdFileall_Click();
  ok &= Save(backend.Render(copy), dir, "SubDisp_File_frmFileall" + suffix);
  copy.cmdFileallrun_Click(1);
  copy.cmdFilesel_Click();
  ok &= Save(backend.Render(copy), dir, "SubDisp_File_frmFilesel" + suffix);
  host.SetObserver(nullptr);
  return ok;
}

bool RenderAll(Language language, const QDir& dir) {
  QTemporaryDir folder;
  if (!folder.isValid()) return false;
  qd470::testing::FakeServices services;  // no printer, every question answered "No"
  Program program(folder.filePath("prog").toStdString(), services.Bundle(), language);
  // Loaded before the backend observes them, so that nothing waits for an operator.
  program.Forms().LoadAll();
  qt::QtBackend backend(program.Forms());
  const std::string suffix = language == Language::kJapanese ? "_ja" : "_en";
  bool ok = true;
  for (forms::Form* form : program.Forms().LoadedForms()) {
    ok &= RenderForm(backend, program.Forms(), *form, dir, form->Name(), suffix);
  }
  ok &= RenderSettingsSamples(backend, program, dir, suffix);
  ok &= RenderMainSamples(backend, program, dir, suffix);
  ok &= RenderMenuDialogs(backend, program, dir, suffix);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_forms OUTDIR\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  qd470::qt::UseProgramFont();
  QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(".")) {
    std::fprintf(stderr, "render_forms: cannot create %s\n", argv[1]);
    return 1;
  }
  bool ok = RenderAll(qd470::Language::kEnglish, dir);
  ok &= RenderAll(qd470::Language::kJapanese, dir);
  return ok ? 0 : 1;
}
