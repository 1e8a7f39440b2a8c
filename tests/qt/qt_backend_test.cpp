// The Qt backend renders forms as widgets, keeps them in step and forwards the operator's input.
#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <string>
#include <thread>

#include "qt/qt_services.h"
#include "qt/qt_test_forms.h"

namespace qd470::qt::testing {
namespace {

TEST_F(QtBackendTest, RenderedFormShowsTheModelsCaptionsByControlName) {
  PanelForm& form = ShowPanel();
  QWidget* window = backend_->Window(form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Panel");
  EXPECT_EQ(window->objectName(), "PanelForm");

  auto* sv1 = Find<QLabel>(form, "lblSV(1)");
  ASSERT_NE(sv1, nullptr);
  EXPECT_EQ(sv1->text(), "SV1");
  EXPECT_EQ(sv1->frameStyle(), QFrame::WinPanel | QFrame::Sunken);
  auto* ok = Find<QPushButton>(form, "cmdOK");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "&OK");  // the access key stays a mnemonic

  // Twips to pixels at the screen's resolution, relative to the container.
  auto* value = Find<QLabel>(form, "lblValue");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->geometry(),
            QRect(backend_->Px(150), backend_->Px(300), backend_->Px(1500), backend_->Px(300)));
  EXPECT_EQ(backend_->Px(1440), window->logicalDpiX());

  // A control of tab page 1 sits on that page; CR LF is a line break.
  auto* tabs = Find<QTabWidget>(form, "Wbk");
  auto* on_page = Find<QLabel>(form, "lblOnPage1");
  ASSERT_NE(tabs, nullptr);
  ASSERT_NE(on_page, nullptr);
  EXPECT_EQ(on_page->parentWidget(), tabs->widget(1));
  EXPECT_EQ(on_page->text(), "first line\nsecond line");
  EXPECT_EQ(tabs->tabText(0), "Page 0");
}

TEST_F(QtBackendTest, ModelChangesShowAfterSync) {
  PanelForm& form = ShowPanel();
  form.lblSV(2).Caption = "99.9";
  form.lblSV(0).Visible = false;
  form.cmdOK.Enabled = false;
  form.cmbName.AddItem("fourth");
  form.cmbName.SetListIndex(3);
  form.Wbk.TabCaption(1) = "Renamed";
  form.lblValue.Move(300, 300, 1500, 600);
  form.Caption = "New title";
  backend_->SyncAll();

  EXPECT_EQ(Find<QLabel>(form, "lblSV(2)")->text(), "99.9");
  EXPECT_TRUE(Find<QLabel>(form, "lblSV(0)")->isHidden());
  EXPECT_FALSE(Find<QPushButton>(form, "cmdOK")->isEnabled());
  auto* combo = Find<QComboBox>(form, "cmbName");
  EXPECT_EQ(combo->count(), 4);
  EXPECT_EQ(combo->currentIndex(), 3);
  EXPECT_EQ(Find<QTabWidget>(form, "Wbk")->tabText(1), "Renamed");
  EXPECT_EQ(Find<QLabel>(form, "lblValue")->height(), backend_->Px(600));
  EXPECT_EQ(backend_->Window(form)->windowTitle(), "New title");
  // Setting the list from code ran Click once; the sync did not send it back as a choice.
  EXPECT_EQ(form.combo_clicks, std::vector<int>{3});
}

// A tick visits only the controls that changed; a form shown again shows what changed while it
// was hidden.
TEST_F(QtBackendTest, SyncVisitsOnlyTheChangedControls) {
  PanelForm& form = ShowPanel();
  const uint64_t shown = backend_->VisitedControls();
  QTest::qWait(50);  // ticks of the backend's clock, nothing changed
  EXPECT_EQ(backend_->VisitedControls(), shown);

  form.lblSV(1).Caption = "SV1";  // the value it has
  form.lblSV(2).Caption = "7.5";
  QTest::qWait(30);
  EXPECT_EQ(backend_->VisitedControls(), shown + 1);
  EXPECT_EQ(Find<QLabel>(form, "lblSV(2)")->text(), "7.5");
  // A click on the chosen option leaves the model as it is; the widget shows it chosen again.
  auto* option = Find<QRadioButton>(form, "optA");
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
  EXPECT_TRUE(option->isChecked());

  host_.Hide(form);
  form.lblSV(2).Caption = "8.5";
  QTest::qWait(30);
  host_.Show(form);
  EXPECT_EQ(Find<QLabel>(form, "lblSV(2)")->text(), "8.5");
}

TEST_F(QtBackendTest, ButtonClickRunsItsHandlerAndTheResultShows) {
  PanelForm& form = ShowPanel();
  QTest::mouseClick(Find<QPushButton>(form, "cmdOK"), Qt::LeftButton);
  EXPECT_EQ(form.lblValue.Caption, "pressed");
  EXPECT_EQ(Find<QLabel>(form, "lblValue")->text(), "pressed");
}

// While a job runs, input reaches only what stays live; during a tick it waits for the tick's end.
TEST_F(QtBackendTest, InputInsideWorkIsRefusedOrHeldUnlessLive) {
  PanelForm& form = ShowPanel();
  auto* ok = Find<QPushButton>(form, "cmdOK");
  auto* label = Find<QLabel>(form, "lblSV(1)");
  {
    forms::FormHost::WorkScope job(host_, forms::WorkKind::kBlocking);
    QTest::mouseClick(ok, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton);
    // As behind a modal box, the list never sees the key.
    struct KeyCounter : QObject {
      int keys = 0;
      bool eventFilter(QObject*, QEvent* e) override {
        return keys += e->type() == QEvent::KeyPress, false;
      }
    } counter;
    auto* combo = Find<QComboBox>(form, "cmbName");
    combo->installEventFilter(&counter);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(counter.keys, 0);
    combo->removeEventFilter(&counter);
    EXPECT_EQ(form.lblValue.Caption, "12.5");
    form.cmdOK.LiveDuringWork = true;
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(form.lblValue.Caption, "pressed");
  }
  bool queued_ran = false;
  QTimer::singleShot(0, [&] { queued_ran = true; });
  {
    forms::FormHost::WorkScope tick(host_, forms::WorkKind::kTick);
    backend_->DoEvents();  // a tick only paints: what is queued waits for its end
    EXPECT_FALSE(queued_ran);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(form.clicks.empty());
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(queued_ran);
  host_.AdvanceClock(0);
  EXPECT_EQ(form.clicks, std::vector<int>{1});
}

// A box opening inside a tick lets go of an arrow held down, so that it steps no more, and takes
// in the input queued before it, which its modality would swallow: that runs after the tick, in
// order.
TEST_F(QtBackendTest, BoxInsideATickReleasesAHeldArrowAndKeepsTheInputQueuedBeforeIt) {
  PanelForm& form = ShowPanel();
  QWidget* window = backend_->Window(form);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  auto* up = Find<QWidget>(form, "updStep")->findChild<QAbstractButton*>("up");
  QTest::mousePress(up, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.steps > 0; }));  // held: it repeats
  auto* label = Find<QLabel>(form, "lblSV(2)");
  const QPointF at = label->mapTo(window, label->rect().center());
  auto* edit = Find<QLineEdit>(form, "txtIn");
  edit->setFocus();
  QtMessageBox boxes("Program");
  boxes.SetBackend(backend_.get());
  int steps = 0;
  {
    forms::FormHost::WorkScope tick(host_, forms::WorkKind::kTick);
    steps = form.steps;
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
      const bool down = type != QEvent::MouseButtonRelease;
      QCoreApplication::postEvent(
          window->windowHandle(),
          new QMouseEvent(type, at, window->mapToGlobal(at), Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
    }
    QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_5, {}, "5"));
    QTimer closer;  // the box stays up a while
    QObject::connect(&closer, &QTimer::timeout, [] {
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    closer.start(3 * up->autoRepeatInterval());
    host_.ModalBoxInWork();
    boxes.Show("refused", forms::MsgButtons::kOk, forms::MsgIcon::kExclamation, "");
  }
  EXPECT_FALSE(up->isDown());
  host_.AdvanceClock(0);
  EXPECT_EQ(form.steps, steps);
  EXPECT_EQ(form.clicks, std::vector<int>{2});
  EXPECT_EQ(form.double_clicks, std::vector<int>{2});
  EXPECT_EQ(form.txtIn.Text(), "5");
  // A key held down from before the box acts again only once pressed anew.
  QTest::simulateEvent(edit, true, Qt::Key_6, {}, "6", true);
  QTest::keyClick(edit, Qt::Key_7);
  EXPECT_EQ(form.txtIn.Text(), "57");
  QTest::mouseRelease(up, Qt::LeftButton);
  EXPECT_EQ(form.steps, steps);
}

// While a job runs, its window comes back to the front, active, when another window of the
// program becomes active; a box opened meanwhile belongs to the job's window.
TEST_F(QtBackendTest, JobWindowComesBackWhenAnotherWindowOfTheProgramIsActivated) {
  PanelForm& panel = ShowPanel();
  DialogForm& job = host_.Get<DialogForm>();
  host_.Show(job);
  QWidget* job_window = backend_->Window(job);
  ASSERT_TRUE(QTest::qWaitForWindowActive(job_window));
  QWidget* panel_window = backend_->Window(panel);
  bool panel_was_active = false;
  QObject context;
  QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &context, [&](QWindow* focus) {
    panel_was_active = panel_was_active || focus == panel_window->windowHandle();
  });
  forms::FormHost::WorkScope work(host_, forms::WorkKind::kBlocking, &job);
  EXPECT_EQ(backend_->OwnerWindow(), job_window);
  panel_window->activateWindow();
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return panel_was_active && QApplication::activeWindow() == job_window; }));
}

TEST_F(QtBackendTest, LabelClickAndDoubleClickReachTheirHandlers) {
  PanelForm& form = ShowPanel();
  auto* label = Find<QLabel>(form, "lblSV(1)");
  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_EQ(form.clicks, std::vector<int>{1});
  QTest::mouseDClick(label, Qt::LeftButton);
  EXPECT_EQ(form.double_clicks, std::vector<int>{1});
}

TEST_F(QtBackendTest, ComboChoiceRunsClickAndUpdatesTheModel) {
  PanelForm& form = ShowPanel();
  auto* combo = Find<QComboBox>(form, "cmbName");
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);  // an operator's choice: entry 0
  QTest::keyClick(combo, Qt::Key_Down);  // entry 1
  EXPECT_EQ(form.cmbName.ListIndex(), 1);
  EXPECT_EQ(form.combo_clicks, (std::vector<int>{0, 1}));
  EXPECT_EQ(combo->currentIndex(), 1);
}

TEST_F(QtBackendTest, DisabledTabCannotBeChosenAnEnabledOneCan) {
  PanelForm& form = ShowPanel();
  auto* tabs = Find<QTabWidget>(form, "Wbk");
  QTabBar* bar = tabs->tabBar();
  EXPECT_FALSE(tabs->isTabEnabled(2));
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
  EXPECT_EQ(form.Wbk.Tab(), 0);
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_TRUE(form.tab_clicks.empty());

  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(form.Wbk.Tab(), 1);
  EXPECT_EQ(form.tab_clicks, std::vector<int>{1});

  // The model moves the current tab away when it disables it.
  form.Wbk.SetTabEnabled(1, false);
  backend_->SyncAll();
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_FALSE(tabs->isTabEnabled(1));
}

TEST_F(QtBackendTest, KeyPressHandlerSwallowsKeysBeforeTheTextChanges) {
  PanelForm& form = ShowPanel();
  auto* edit = Find<QLineEdit>(form, "txtIn");
  ASSERT_NE(edit, nullptr);
  QTest::keyClicks(edit, "1a2b");
  EXPECT_EQ(form.txtIn.Text(), "12");
  EXPECT_EQ(edit->text(), "12");
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(form.txtIn.Text(), "1");
}

class ModalTest : public QtBackendTest, public ::testing::WithParamInterface<bool> {};

// The handler of a button inside the modal form hides (false) or unloads (true) it.
TEST_P(ModalTest, ModalShowReturnsWhenItsHandlerClosesTheForm) {
  const bool unload = GetParam();
  DialogForm::destroyed = 0;
  DialogForm& dialog = host_.Get<DialogForm>();
  dialog.unload_on_close = unload;
  bool clicked = false;
  QTimer::singleShot(0, [&] {
    auto* button = Find<QPushButton>(dialog, "cmdClose");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(backend_->Window(dialog)->isModal());
    clicked = true;
    QTest::mouseClick(button, Qt::LeftButton);
  });
  // A stuck loop ends the test instead of hanging it.
  QTimer::singleShot(5000, [&] { host_.Hide(dialog); });
  host_.Show(dialog, true);
  EXPECT_TRUE(clicked);
  EXPECT_EQ(host_.IsLoaded<DialogForm>(), !unload);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(backend_->Window(dialog) == nullptr, unload);
  // The code after the modal show may still use the form: it is released only afterwards.
  EXPECT_EQ(DialogForm::destroyed, 0);
  QTest::qWait(30);  // timer ticks: events at the outermost level
  EXPECT_EQ(DialogForm::destroyed, unload ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(HideOrUnload, ModalTest, ::testing::Bool());

// Enter inside the modal form ends its modal run; the form stays on screen, modeless once hidden.
TEST_F(QtBackendTest, EndModalReturnsWithTheFormStillShownAndFocusedWhereAsked) {
  DialogForm& dialog = host_.Get<DialogForm>();
  dialog.StartFocus = &dialog.cmdClose;
  dialog.cmdClose.Default = true;
  dialog.cmdClose.Click = [&] { host_.EndModal(dialog); };
  bool focused = false;
  QTimer::singleShot(0, [&] {
    focused = backend_->Window(dialog)->focusWidget() == Find<QPushButton>(dialog, "cmdClose");
    QTest::keyClick(backend_->Window(dialog), Qt::Key_Return);
  });
  QTimer::singleShot(5000, [&] { host_.Hide(dialog); });
  host_.Show(dialog, true);
  EXPECT_TRUE(focused);
  EXPECT_TRUE(dialog.Visible());
  EXPECT_TRUE(backend_->Window(dialog)->isVisible());
  host_.Hide(dialog);
  EXPECT_FALSE(backend_->Window(dialog)->isModal());
}

// A form that blocks the others from its first show, shown modal later, is not taken off the
// screen to become modal (a window manager may lose a window withdrawn and mapped again at once).
TEST_F(QtBackendTest, FormModalFromItsFirstShowStaysOnTheScreenWhenShownModal) {
  DialogForm& form = host_.Get<DialogForm>();
  form.ModalFromFirstShow = true;
  host_.Show(form);
  QWindow* window = backend_->Window(form)->windowHandle();
  bool withdrawn = false;
  QObject::connect(window, &QWindow::visibleChanged, [&](bool shown) { withdrawn |= !shown; });
  QTimer::singleShot(0, [&] {
    EXPECT_FALSE(withdrawn);
    host_.Hide(form);
  });
  host_.Show(form, true);
}

TEST_F(QtBackendTest, PasswordTextBoxHidesWhatIsTyped) {
  PanelForm& form = ShowPanel();
  auto* edit = Find<QLineEdit>(form, "txtIn");
  EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
  form.txtIn.PasswordChar = '*';
  form.txtIn.Locked = true;  // a change the sync notices
  backend_->SyncAll();
  EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
}

TEST_F(QtBackendTest, UnloadedFormsWindowIsGoneAndTheNextLoadGetsANewOne) {
  DialogForm& dialog = host_.Get<DialogForm>();
  host_.Show(dialog);
  QPointer<QWidget> window = backend_->Window(dialog);
  ASSERT_FALSE(window.isNull());
  host_.Unload(dialog);
  EXPECT_EQ(backend_->Window(dialog), nullptr);
  EXPECT_TRUE(window.isNull() || window->isHidden());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());

  DialogForm& again = host_.Get<DialogForm>();
  host_.Show(again);
  EXPECT_NE(backend_->Window(again), nullptr);
}

// The model is asked once the close event has returned.
TEST_F(QtBackendTest, ClosingTheWindowAsksTheModel) {
  DialogForm& dialog = host_.Get<DialogForm>();
  host_.Show(dialog);
  int questions = 0;
  dialog.during_query = [&] { ++questions; };
  dialog.keep_on_close = true;
  backend_->Window(dialog)->close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return questions == 1; }, 1000));
  ASSERT_TRUE(host_.IsLoaded<DialogForm>());
  EXPECT_TRUE(backend_->Window(dialog)->isVisible());

  dialog.keep_on_close = false;
  backend_->Window(dialog)->close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !host_.IsLoaded<DialogForm>(); }, 1000));
}

// A second close that arrives while the first is handled inside work, delivered by the events
// that run before its question opens, joins the first: one question, and No keeps the window.
TEST_F(QtBackendTest, ASecondCloseWhileTheFirstIsHandledJoinsIt) {
  DialogForm& form = host_.Get<DialogForm>();
  form.CloseDuringWork = true;
  form.keep_on_close = true;
  host_.Show(form);
  QWindow* window = backend_->Window(form)->windowHandle();
  int questions = 0;
  form.during_query = [&] {
    ++questions;
    QCoreApplication::postEvent(window, new QCloseEvent);  // the window manager's second request
    host_.ModalBoxInWork();
  };
  forms::FormHost::WorkScope work(host_, forms::WorkKind::kBlocking);
  window->close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return questions > 0; }, 1000));
  QTest::qWait(30);
  EXPECT_EQ(questions, 1);
  ASSERT_TRUE(host_.IsLoaded<DialogForm>());
  EXPECT_TRUE(backend_->Window(form)->isVisible());
  EXPECT_NE(window->handle(), nullptr);  // the native window is not destroyed
}

// A form unloaded by its own handler lives until that handler and every handler below it
// returned, even when events run inside it.
TEST_F(QtBackendTest, UnloadedFormIsReleasedOnlyAfterTheOutermostHandler) {
  DialogForm::destroyed = 0;
  PanelForm& panel = ShowPanel();
  DialogForm& dialog = host_.Get<DialogForm>();
  host_.Show(dialog);
  dialog.unload_on_close = true;
  int destroyed_inside = -1;
  dialog.during_close = [&] {
    // An operator's click handled while the handler is still running (DoEvents).
    QTest::mouseClick(Find<QPushButton>(panel, "cmdOK"), Qt::LeftButton);
    destroyed_inside = DialogForm::destroyed;
  };
  QTest::mouseClick(Find<QPushButton>(dialog, "cmdClose"), Qt::LeftButton);
  EXPECT_EQ(panel.lblValue.Caption, "pressed");
  EXPECT_EQ(destroyed_inside, 0);
  EXPECT_EQ(DialogForm::destroyed, 1);
}

}  // namespace
}  // namespace qd470::qt::testing

namespace qd470::qt::testing {
namespace {

// A label that counts the ticks of its form's timer.
class TimerForm : public forms::Form {
 public:
  TimerForm() : Form("TimerForm") {
    lblCount.Move(150, 150, 1500, 300);
    tmrTick.Interval = 10;
    tmrTick.OnTimer = [this] { lblCount.Caption = std::to_string(++ticks); };
  }
  forms::Label& lblCount = Add<forms::Label>("lblCount");
  forms::Timer& tmrTick = Add<forms::Timer>("tmrTick");
  int ticks = 0;
};

// The window layer's timers run on the Qt event loop, also while a modal form is up, and what
// their handlers change shows; a disabled timer stays still.
TEST_F(QtBackendTest, TimersTickOnTheEventLoopWhileEnabled) {
  host_.Register<TimerForm>([] { return std::make_unique<TimerForm>(); });
  TimerForm& form = host_.Get<TimerForm>();
  host_.Show(form);
  QTest::qWait(50);
  EXPECT_EQ(form.ticks, 0);

  form.tmrTick.Enabled = true;
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.ticks >= 3; }, 2000));
  EXPECT_EQ(Find<QLabel>(form, "lblCount")->text().toStdString(), form.lblCount.Caption);

  DialogForm& dialog = host_.Get<DialogForm>();
  int during_modal = 0;
  QTimer::singleShot(0, [&] {
    const int before = form.ticks;
    (void)QTest::qWaitFor([&] { return form.ticks >= before + 3; }, 2000);
    during_modal = form.ticks - before;
    host_.Hide(dialog);
  });
  host_.Show(dialog, true);
  EXPECT_GE(during_modal, 3);

  form.tmrTick.Enabled = false;
  const int stopped = form.ticks;
  QTest::qWait(50);
  EXPECT_EQ(form.ticks, stopped);
}

// A key that reaches the window system's queue during a tick runs before the next tick, even
// when that tick is already due as the first one ends (a write it queues goes out at once).
TEST_F(QtBackendTest, InputQueuedDuringATickRunsBeforeTheNextTick) {
  host_.Register<TimerForm>([] { return std::make_unique<TimerForm>(); });
  TimerForm& clock = host_.Get<TimerForm>();
  PanelForm& form = ShowPanel();
  Find<QLineEdit>(form, "txtIn")->setFocus();
  std::vector<std::string> order;
  QEventLoop loop;  // as the program runs: QTest's waits serve the queues in another order
  QTimer::singleShot(2000, &loop, &QEventLoop::quit);
  auto happened = [&](const char* what) {
    order.push_back(what);
    if (order.size() == 3) loop.quit();
  };
  form.txtIn.KeyPress = [&](int&) { happened("key"); };
  // The keyboard the typist's key comes from belongs to this thread, not to the typist's.
  QInputDevice::primaryKeyboard();
  std::thread typist;
  clock.tmrTick.OnTimer = [&] {
    happened("tick");
    form.lblValue.Caption = std::to_string(order.size());  // a tick shows what it read
    if (order.size() > 1) return;
    // The typist waits until the key has been taken in, so it is joined only after that.
    typist = std::thread([window = backend_->Window(form)->windowHandle()] {
      qt_handleKeyEvent(window, QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, "1");
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));  // a transaction on the line
  };
  clock.tmrTick.Enabled = true;
  loop.exec();
  clock.tmrTick.Enabled = false;
  typist.join();
  EXPECT_EQ(order, (std::vector<std::string>{"tick", "key", "tick"}));
}

}  // namespace
}  // namespace qd470::qt::testing

namespace qd470::qt::testing {
namespace {

using forms::WindowState;

Qt::WindowStates QtState(WindowState state) {
  switch (state) {
    case WindowState::kMinimized:
      return Qt::WindowMinimized;
    case WindowState::kMaximized:
      return Qt::WindowMaximized;
    default:
      return Qt::WindowNoState;
  }
}

// The operator changes the window with its frame: State reads what the window is, and every state
// the program asks for then reaches the window, also the one it asked for last.
TEST_F(QtBackendTest, WindowStateIsReadBackAndEveryAskedStateIsReached) {
  PanelForm& form = ShowPanel();
  QWidget* window = backend_->Window(form);
  const std::pair<WindowState, WindowState> rows[] = {
      {WindowState::kMaximized, WindowState::kNormal},  // by the frame, then by the menu
      {WindowState::kNormal, WindowState::kMaximized},
      {WindowState::kMinimized, WindowState::kMaximized},
      {WindowState::kNormal, WindowState::kMinimized},
  };
  for (auto [by_frame, asked] : rows) {
    window->setWindowState(QtState(by_frame));
    EXPECT_EQ(form.State, by_frame);
    form.State = asked;
    backend_->SyncAll();
    EXPECT_EQ(window->windowState(), QtState(asked));
  }
}

// Showing a minimised form brings it back as it was before, to the front.
TEST_F(QtBackendTest, ShowingAMinimisedFormRestoresItsEarlierState) {
  PanelForm& form = ShowPanel();
  QWidget* window = backend_->Window(form);
  for (WindowState earlier : {WindowState::kNormal, WindowState::kMaximized}) {
    form.State = earlier;
    backend_->SyncAll();
    window->setWindowState(Qt::WindowMinimized);  // the operator, with the frame
    host_.Show(form);
    EXPECT_EQ(form.State, earlier);
    EXPECT_EQ(window->windowState(), QtState(earlier));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, 1000));
  }
}

// A window that blocks the others, iconified with its owner (the window manager offers that
// whatever the hints ask), comes back with the owner when another window of the program becomes
// active: a form shown modal, and a job's window while its job runs. An idle one stays iconified.
TEST_F(QtBackendTest, AnIconifiedBlockingWindowComesBackWithItsOwnerWhenAnotherIsActivated) {
  host_.Register<TimerForm>([] { return std::make_unique<TimerForm>(); });
  TimerForm& other = host_.Get<TimerForm>();
  host_.Show(other);
  PanelForm& owner = ShowPanel();
  DialogForm& dialog = host_.Get<DialogForm>();
  dialog.Dialog = true;
  // Iconifies the dialog and its owner, activates another window: is the dialog back, active?
  auto comes_back = [&] {
    backend_->Window(dialog)->showMinimized();
    backend_->Window(owner)->showMinimized();
    backend_->Window(other)->activateWindow();
    return QTest::qWaitFor(
        [&] {
          return QApplication::activeWindow() == backend_->Window(dialog) &&
                 !backend_->Window(owner)->isMinimized();
        },
        300);
  };
  forms::FormHost::OpenerScope opener(host_, owner);
  bool modal_back = false;
  QTimer::singleShot(0, [&] {
    modal_back = comes_back();
    host_.Hide(dialog);
  });
  host_.Show(dialog, true);
  EXPECT_TRUE(modal_back);
  host_.Show(dialog);
  {
    forms::FormHost::WorkScope job(host_, forms::WorkKind::kBlocking, &dialog);
    EXPECT_TRUE(comes_back());
  }
  EXPECT_FALSE(comes_back());  // idle, it stays iconified
}

// A form shown modal from a handler blocks the program's other windows while it is up.
TEST_F(QtBackendTest, ModalFormShownFromAHandlerBlocksTheOtherWindows) {
  PanelForm& form = ShowPanel();
  DialogForm& dialog = host_.Get<DialogForm>();
  dialog.Dialog = true;
  QWindow* blocking = nullptr;
  form.cmdOK.Click = [&] {
    QTimer::singleShot(0, [&] {
      blocking = QGuiApplication::modalWindow();
      host_.Hide(dialog);
    });
    host_.Show(dialog, true);
  };
  QTest::mouseClick(Find<QPushButton>(form, "cmdOK"), Qt::LeftButton);
  EXPECT_EQ(blocking, backend_->Window(dialog)->windowHandle());
}

}  // namespace
}  // namespace qd470::qt::testing
