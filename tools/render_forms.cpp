// Developer tool: renders every form of the program to PNG, in English and in Japanese, on Qt's
// offscreen platform. A form with a tab control gets one picture per tab page.
//   render_forms OUTDIR
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "qt/qt_backend.h"
#include "qt/qt_program.h"
#include "startup/program.h"

namespace {

using namespace qd470;

// Services that answer without asking anyone: the forms load as on a machine with no printer.
class QuietMessageBox : public forms::MessageBoxService {
 public:
  forms::MsgResult Show(const std::string&, forms::MsgButtons buttons, forms::MsgIcon,
                        const std::string&) override {
    return buttons == forms::MsgButtons::kYesNo ? forms::MsgResult::kNo : forms::MsgResult::kOk;
  }
};
class NoFileDialog : public forms::FileDialogService {
 public:
  std::optional<std::string> Ask(const forms::FileDialogRequest&) override { return {}; }
};
class NoPrinters : public forms::PrinterService {
 public:
  std::vector<std::string> Names() override { return {}; }
  int CurrentIndex() override { return -1; }
  void SetCurrent(int) override {}
  bool PrintPictureToFitPage(int, const forms::Image&) override { return false; }
};
class NoCapture : public forms::CaptureService {
 public:
  forms::Image CaptureForm(const forms::Form&) override { return {}; }
};
class NoPump : public forms::EventPump {
 public:
  void DoEvents() override {}
};

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
                const std::string& suffix) {
  bool ok = true;
  for (size_t t = 0; t < tabs.size(); ++t) {
    forms::TabControl& tab = *tabs[t];
    const int start = tab.Tab();
    std::string prefix = form.Name() + (t == 0 ? "" : "_" + tab.FullName());
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

bool RenderAll(Language language, const QDir& dir) {
  QTemporaryDir folder;
  if (!folder.isValid()) return false;
  QuietMessageBox message_box;
  NoFileDialog file_dialog;
  NoPrinters printers;
  NoCapture capture;
  NoPump pump;
  Program program(folder.filePath("prog").toStdString(),
                  {&message_box, &file_dialog, &printers, &capture, &pump}, language);
  // Loaded before the backend observes them, so that nothing waits for an operator.
  program.Forms().LoadAll();
  qt::QtBackend backend(program.Forms());
  const std::string suffix = language == Language::kJapanese ? "_ja" : "_en";
  bool ok = true;
  for (forms::Form* form : program.Forms().LoadedForms()) {
    std::vector<forms::TabControl*> tabs;
    for (const auto& c : form->Controls()) {
      if (auto* tab = dynamic_cast<forms::TabControl*>(c.get()); tab && tab->Tabs() > 0) {
        tabs.push_back(tab);
      }
    }
    if (tabs.empty()) {
      ok &= Save(backend.Render(*form), dir, form->Name() + suffix);
    } else {
      ok &= RenderTabs(backend, program.Forms(), *form, tabs, dir, suffix);
    }
  }
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
