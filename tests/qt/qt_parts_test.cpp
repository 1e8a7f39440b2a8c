// Menus, picture boxes and the real services of the Qt backend.
#include <sys/inotify.h>
#include <unistd.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "link/subdisp_trs.h"
#include "model/setting_groups.h"
#include "monitor/main_disp.h"
#include "qt/qt_convert.h"
#include "qt/qt_program.h"
#include "qt/qt_services.h"
#include "qt/qt_test_forms.h"
#include "qt/qt_widgets.h"
#include "settings/subdisp_set.h"
#include "support/sim_line.h"
#include "support/test_program.h"

namespace qd470::qt::testing {
namespace {

class MenuForm : public forms::Form {
 public:
  MenuForm() : Form("MenuForm") {
    mnuFile.Caption = "&File";
    mnuOpen.Caption = "&Open...";
    mnuOpen.Click = [this] { ++opened; };
    mnuSep.Caption = "-";
    mnuAuto.Caption = "Auto";
    picGraph.Move(0, 0, 3000, 1500);
    picGraph.Sunken = false;
  }
  forms::MenuItem& mnuFile = AddMenu("mnuFile");
  forms::MenuItem& mnuOpen = AddMenu("mnuOpen", &mnuFile);
  forms::MenuItem& mnuSep = AddMenu("mnuSep", &mnuFile);
  forms::MenuItem& mnuAuto = AddMenu("mnuAuto", &mnuFile);
  forms::PictureBox& picGraph = Add<forms::PictureBox>("picGraph");
  int opened = 0;
};

class PartsTest : public QtBackendTest {
 protected:
  PartsTest() {
    host_.Register<MenuForm>([] { return std::make_unique<MenuForm>(); });
  }
  MenuForm& ShowMenuForm() {
    MenuForm& form = host_.Get<MenuForm>();
    host_.Show(form);
    return form;
  }
  QAction* Action(const forms::Form& form, const char* name) {
    return backend_->Window(form)->findChild<QAction*>(QLatin1String(name));
  }
};

TEST_F(PartsTest, MenuItemsFollowTheModelAndRaiseClick) {
  MenuForm& form = ShowMenuForm();
  QAction* file = Action(form, "mnuFile");
  QAction* open = Action(form, "mnuOpen");
  QAction* sep = Action(form, "mnuSep");
  ASSERT_TRUE(file && open && sep);
  EXPECT_EQ(file->text(), "&File");
  EXPECT_TRUE(sep->isSeparator());
  open->trigger();
  EXPECT_EQ(form.opened, 1);

  form.mnuOpen.Enabled = false;
  form.mnuAuto.Checked = true;
  form.mnuSep.Visible = false;
  backend_->SyncAll();
  EXPECT_FALSE(open->isEnabled());
  EXPECT_TRUE(Action(form, "mnuAuto")->isChecked());
  EXPECT_FALSE(sep->isVisible());
  // A checkable item that the operator toggles shows the model's state again.
  Action(form, "mnuAuto")->trigger();
  EXPECT_TRUE(Action(form, "mnuAuto")->isChecked());
}

// The display list in user coordinates: Scale with the bottom edge first turns y upwards.
TEST_F(PartsTest, PictureBoxMapsUserCoordinatesAndRepaintsOnChange) {
  MenuForm& form = ShowMenuForm();
  form.picGraph.Scale(0, 10, 100, 0);  // left 0, top 10, width 100, height -10
  EXPECT_LT(form.picGraph.ScaleHeight, 0);
  form.picGraph.Line(0, 0, 100, 0, 0xFF0000);   // bottom edge
  form.picGraph.Line(50, 0, 50, 10, 0x0000FF);  // vertical line in the middle
  backend_->SyncAll();
  auto* picture = Find<PictureWidget>(form, "picGraph");
  ASSERT_NE(picture, nullptr);
  QImage image = picture->grab().toImage();
  const int w = image.width(), h = image.height();
  EXPECT_EQ(image.pixelColor(w / 4, h - 1), QColor(Qt::red));
  auto blue_near_middle = [&] {
    for (int x = w / 2 - 1; x <= w / 2 + 1; ++x) {
      if (image.pixelColor(x, h / 2) == QColor(Qt::blue)) return true;
    }
    return false;
  };
  EXPECT_TRUE(blue_near_middle());
  EXPECT_EQ(image.pixelColor(w / 4, 0), QColor(Qt::white));

  // A picture replaces the drawing.
  form.picGraph.Picture = forms::Image{2, 2, std::vector<uint32_t>(4, 0xFF00FF00u)};
  form.picGraph.Cls();
  backend_->SyncAll();
  image = picture->grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::green));
  EXPECT_FALSE(blue_near_middle());
}

TEST_F(PartsTest, RenderGivesTheWholeWindowOfAHiddenFormAndLeavesItHidden) {
  MenuForm& form = host_.Get<MenuForm>();
  QImage image = backend_->Render(form);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), backend_->Px(form.Width));
  EXPECT_GT(image.height(), backend_->Px(form.Height));  // the menu bar above the client area
  EXPECT_TRUE(backend_->Window(form)->isHidden());
  EXPECT_FALSE(form.Visible());
}

// The settings screen's wait text shows whole, both of its lines, without a scroll bar.
TEST(QtSettingsScreen, WaitTextShowsWholeInBothLanguages) {
  for (Language language : {Language::kEnglish, Language::kJapanese}) {
    SCOPED_TRACE(static_cast<int>(language));
    qd470::testing::TempFolder folder;
    qd470::testing::FakeServices fakes;
    Program program(folder.path() / "prog", fakes.Bundle(), language);
    SubDisp_Set& screen = program.Form<SubDisp_Set>();
    screen.txtSetWait.Visible = true;
    QtBackend backend(program.Forms());
    backend.Render(screen);  // lays the window out
    auto* box = backend.Window(screen)->findChild<QPlainTextEdit*>("txtSetWait");
    ASSERT_NE(box, nullptr);
    const int needed = static_cast<int>(2 * box->fontMetrics().lineSpacing() +
                                        2 * box->document()->documentMargin());
    EXPECT_GE(box->viewport()->height(), needed);
    EXPECT_FALSE(box->verticalScrollBar()->isVisibleTo(box));
  }
}

TEST(QtServices, FiltersBecomeQtNameFilters) {
  struct Row {
    const char* filter;
    QStringList expected;
  };
  const Row rows[] = {
      {"Setting file (*.dat)|*.dat", {"Setting file (*.dat)"}},
      {"Setting file|*.dat", {"Setting file (*.dat)"}},
      {"Text|*.txt;*.csv|All files (*.*)|*.*", {"Text (*.txt *.csv)", "All files (*.*)"}},
      {"", {}},
      {"Dangling text", {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.filter);
    EXPECT_EQ(ToQtFilters(row.filter), row.expected);
  }
}

// The type list shows the string table's text once ("*.dat(Data file)"), and the dialog still
// filters by its pattern.
TEST(QtServices, FileTypesShowTheirTextOnceAndFilterByThePattern) {
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  SetFileFilters(dialog, "*.dat(Data file)|*.dat");
  const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  ASSERT_NE(types, nullptr);
  ASSERT_EQ(types->count(), 1);
  EXPECT_EQ(types->itemText(0), "*.dat(Data file)");
  const auto* files = dialog.findChild<QFileSystemModel*>();
  ASSERT_NE(files, nullptr);
  EXPECT_EQ(files->nameFilters(), QStringList{"*.dat"});
}

// In Japanese Qt's own texts (the file dialog, the Yes and No buttons) are Japanese too.
TEST(QtServices, JapaneseInstallsQtsOwnTranslation) {
  EXPECT_EQ(InstallQtTranslation(Language::kEnglish), nullptr);
  const std::unique_ptr<QTranslator> translator = InstallQtTranslation(Language::kJapanese);
  ASSERT_NE(translator, nullptr);
  EXPECT_NE(QFileDialog::tr("Look in:"), "Look in:");
  EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

// The file dialog lists folders that may hold files whose reading never ends (/proc/kmsg, a
// device behind a FUSE mount): naming its entries must not even open them.
TEST(QtServices, FileDialogEntriesAreNamedWithoutOpeningThem) {
  QTemporaryDir dir;
  const QString path = dir.filePath("furnace.dat");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("  1 ");
  file.close();
  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, path.toLocal8Bit().constData(), IN_OPEN | IN_ACCESS), 0);

  NameOnlyIconProvider icons;
  const QFileInfo info(path);
  EXPECT_EQ(icons.type(info), "dat File");
  icons.icon(info);
  EXPECT_EQ(icons.type(QFileInfo(dir.path())), "Folder");

  char events[4096];
  EXPECT_LT(::read(watch, events, sizeof events), 0) << "the file was opened or read";
  ::close(watch);
}

TEST(QtServices, PrintingRefusesWhatItCannotPrintWithoutCrashing) {
  QtPrinters printers;
  const std::vector<std::string> names = printers.Names();
  EXPECT_EQ(printers.Current().empty(), names.empty());
  forms::Image picture{2, 2, std::vector<uint32_t>(4, 0xFFFFFFFFu)};
  EXPECT_FALSE(printers.PrintPictureToFitPage("", picture, "title"));
  EXPECT_FALSE(printers.PrintPictureToFitPage("no such printer", picture, "title"));
  if (!names.empty()) {
    EXPECT_FALSE(printers.PrintPictureToFitPage(names[0], forms::Image{}, "title"));
  }
}

// The event pump of a job brings the widgets in step as the job goes: the transfer dialog's
// progress bar rises from 0 in every job.
TEST(QtServices, ProgressBarsRiseFromZeroWhileAJobRuns) {
  qd470::testing::TempFolder folder;
  qd470::testing::FakeServices fakes;
  QtEventPump pump;
  forms::Services services = fakes.Bundle();
  services.pump = &pump;
  Program program(folder.path() / "prog", services, Language::kEnglish);
  auto backend = std::make_unique<QtBackend>(program.Forms());
  pump.SetBackend(backend.get());
  qd470::testing::SimLine sim(2);
  program.Comm().SetTimeouts(20, 10);
  ASSERT_TRUE(program.Comm().Open(sim.SlavePath(), 0).ok);
  program.PortOpen = -1;
  program.CommCond.DevCount = 2;
  SubDisp_TRS& dialog = program.Form<SubDisp_TRS>();
  dialog.cmbName.AddItem("ch");
  dialog.cmbName.SetListIndex(0);
  program.Forms().Show(dialog);
  auto* bar = backend->Window(dialog)->findChild<QProgressBar*>("ProgressBar1");
  ASSERT_NE(bar, nullptr);
  std::vector<int> seen;
  QTimer sampler;
  sampler.setInterval(0);
  QObject::connect(&sampler, &QTimer::timeout, [&] { seen.push_back(bar->value()); });
  sampler.start();
  for (int16_t job : {kReqSendAll, kReqReceiveAll}) {
    SCOPED_TRACE(job);
    seen.clear();
    program.CommState = kCommJobs;
    program.SendReq = job;
    program.Form<MainDisp>().tmrComm_Timer();
    ASSERT_GT(seen.size(), 100u);
    EXPECT_LE(seen.front(), 1);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GT(seen.back(), kAllPlaces * 9 / 10);
  }
  pump.SetBackend(nullptr);
  backend.reset();
  program.Comm().Close();
}

TEST_F(PartsTest, CaptureGivesTheFormsWindowAsArgbPixels) {
  MenuForm& form = ShowMenuForm();
  QtCapture capture;
  EXPECT_TRUE(capture.CaptureForm(form).Empty());  // no backend yet
  capture.SetBackend(backend_.get());
  forms::Image image = capture.CaptureForm(form);
  QImage grabbed = backend_->Window(form)->grab().toImage();
  EXPECT_EQ(image.width, grabbed.width());
  EXPECT_EQ(image.height, grabbed.height());
  ASSERT_EQ(image.argb.size(), static_cast<size_t>(image.width * image.height));
  EXPECT_EQ(image.argb[0] >> 24, 0xFFu);  // opaque
}

TEST(QtConvert, TextsAndImagesCrossTheBoundaryUnchanged) {
  EXPECT_EQ(ToQString("a\r\nb\rc\nd"), "a\nb\nc\nd");
  EXPECT_EQ(ToQString("4～20 mA"), QString::fromUtf8("4～20 mA"));
  EXPECT_EQ(FromQString(ToQString("温度")), "温度");
  forms::Image image{3, 2, {0xFF010203u, 0xFF040506u, 0x80070809u, 1, 2, 3}};
  forms::Image back = FromQImage(ToQImage(image));
  EXPECT_EQ(back.width, 3);
  EXPECT_EQ(back.height, 2);
  EXPECT_EQ(back.argb, image.argb);
  EXPECT_TRUE(ToQImage(forms::Image{4, 4, {}}).isNull());  // too few pixels: refused
}

}  // namespace
}  // namespace qd470::qt::testing

namespace qd470::qt {
namespace {

TEST(QtConvert, ListEntriesShowOnOneLine) {
  EXPECT_EQ(ToListEntry("\r\n\r\nLink"), QStringLiteral("Link"));
  EXPECT_EQ(ToListEntry("Normal mode\r\n"), QStringLiteral("Normal mode"));
  EXPECT_EQ(ToListEntry("two\r\nlines"), QStringLiteral("two lines"));
  EXPECT_EQ(ToListEntry("PL-2  0 to 1390 deg.C"), QStringLiteral("PL-2  0 to 1390 deg.C"));
}

}  // namespace
}  // namespace qd470::qt
