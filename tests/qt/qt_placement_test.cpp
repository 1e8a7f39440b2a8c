// Where the backend opens a window asked to appear beside a control or over its owner, whom a
// dialog belongs to, the keyboard focus the model asks for (also after a job), and character keys
// on a button with a key-press handler.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <stdexcept>

#include "link/subdisp_copy.h"
#include "qt/qt_services.h"
#include "qt/qt_test_forms.h"
#include "support/link_test.h"
#include "support/test_program.h"

namespace qd470::qt::testing {
namespace {

// The position is the client area's; the window manager's frame (title bar above) goes around
// it and must neither cover the control nor leave the screen.
TEST(PlaceBeside, TheWholeFrameBelowTheControlElseAboveAndOnTheScreen) {
  const QRect screen(0, 0, 1000, 800);
  const QSize size(300, 200);
  const QMargins frame(2, 30, 2, 2);
  struct Row {
    QRect anchor;
    QPoint client;
    bool beside;  // whether there is room beside the control at all
  };
  const Row rows[] = {
      {QRect(100, 100, 80, 20), QPoint(100, 154), true},   // below, aligned with the control
      {QRect(100, 700, 80, 20), QPoint(100, 494), true},   // no room below: above
      {QRect(900, 100, 80, 20), QPoint(698, 154), true},   // kept off the right edge
      {QRect(-50, 100, 80, 20), QPoint(2, 154), true},     // and off the left edge
      {QRect(100, 150, 80, 500), QPoint(100, 30), false},  // no room above or below: at the top
  };
  for (const Row& r : rows) {
    const QPoint client = QtBackend::PlaceBeside(r.anchor, size, frame, screen);
    EXPECT_EQ(client, r.client) << r.anchor.y();
    const QRect whole = QRect(client, size).marginsAdded(frame);
    EXPECT_TRUE(screen.contains(whole)) << r.anchor.y();
    EXPECT_TRUE(!r.beside || !whole.intersects(r.anchor)) << r.anchor.y();
  }
}

TEST_F(QtBackendTest, WindowOpensBesideTheControlWithTheFocusAsked) {
  PanelForm& panel = ShowPanel();
  DialogForm& dialog = host_.Get<DialogForm>();
  dialog.OpenNear = &panel.lblSV(2);
  dialog.SetFocus(dialog.cmdClose);
  host_.Show(dialog);
  EXPECT_EQ(dialog.OpenNear, nullptr);  // taken

  auto* label = Find<QLabel>(panel, "lblSV(2)");
  QWidget* window = backend_->Window(dialog);
  const QPoint below = label->mapToGlobal(QPoint(0, label->height()));
  const QRect frame = window->frameGeometry();
  EXPECT_NEAR(frame.top(), below.y(), 40);
  EXPECT_NEAR(frame.left(), below.x(), 40);
  EXPECT_TRUE(label->screen()->availableGeometry().contains(frame));
  EXPECT_EQ(window->focusWidget(), Find<QPushButton>(dialog, "cmdClose"));
}

// A window shown again while it is open (the pad at a second opener) comes to the front, active,
// beside the control it is now asked to open near, even from behind another window.
TEST_F(QtBackendTest, ShownWindowAskedAgainComesToTheFrontBesideTheNewControl) {
  PanelForm& panel = ShowPanel();
  DialogForm& pad = host_.Get<DialogForm>();
  pad.OpenNear = &panel.lblValue;
  host_.Show(pad);
  QWidget* window = backend_->Window(pad);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  backend_->Window(panel)->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(backend_->Window(panel)));

  pad.OpenNear = &panel.lblSV(2);
  host_.Show(pad);
  auto* label = Find<QLabel>(panel, "lblSV(2)");
  const QPoint below = label->mapToGlobal(QPoint(0, label->height()));
  EXPECT_NEAR(window->frameGeometry().top(), below.y(), 40);
  EXPECT_NEAR(window->frameGeometry().left(), below.x(), 40);
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

TEST_F(QtBackendTest, ButtonWithKeyPressHandlerTakesCharacterKeys) {
  PanelForm& form = ShowPanel();
  std::vector<int> keys;
  form.cmdOK.KeyPress = [&keys](int& key) { keys.push_back(key); };
  auto* button = Find<QPushButton>(form, "cmdOK");
  QTest::keyClick(button, Qt::Key_7);
  QTest::keyClick(button, Qt::Key_Space);
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(keys, (std::vector<int>{'7', ' ', 13}));
  EXPECT_EQ(form.lblValue.Caption, "12.5");  // no key pressed the button
  form.cmdOK.KeyPress = nullptr;
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(form.lblValue.Caption, "pressed");
}

}  // namespace
}  // namespace qd470::qt::testing

namespace qd470::qt::testing {
namespace {

// A dialog opened by a handler belongs to that handler's form for the window manager alone: it
// opens centred over it, has no minimise or maximise, and outlives its owner's window. A message
// box belongs to the form whose handler raised it.
TEST_F(QtBackendTest, DialogBelongsToTheFormWhoseHandlerOpenedItAndOutlivesItsWindow) {
  PanelForm& panel = ShowPanel();
  backend_->Window(panel)->move(300, 200);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(backend_->Window(panel)));
  DialogForm& dialog = host_.Get<DialogForm>();
  dialog.Dialog = true;
  QtMessageBox boxes("Program");
  boxes.SetBackend(backend_.get());
  QWindow* box_owner = nullptr;
  panel.cmdOK.Click = [&] {
    host_.Show(dialog);
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      box_owner = box->windowHandle()->transientParent();
      box->close();
    });
    boxes.Show("text", forms::MsgButtons::kOk, forms::MsgIcon::kInformation, "");
  };
  QTest::mouseClick(Find<QPushButton>(panel, "cmdOK"), Qt::LeftButton);

  QWidget* window = backend_->Window(dialog);
  QWidget* owner = backend_->Window(panel);
  ASSERT_NE(window->windowHandle(), nullptr);
  EXPECT_EQ(window->windowHandle()->transientParent(), owner->windowHandle());
  EXPECT_EQ(box_owner, owner->windowHandle());
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_EQ(window->windowType(), Qt::Dialog);
  EXPECT_FALSE(window->windowFlags().testAnyFlags(Qt::WindowMinMaxButtonsHint));
  EXPECT_LE((window->frameGeometry().center() - owner->frameGeometry().center()).manhattanLength(),
            2);

  host_.Hide(panel);
  host_.Unload(panel);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(dialog.Visible());
}

// The program of `Base` with the windows of its forms.
template <class Base>
class WithWindows : public Base {
 protected:
  ~WithWindows() override {
    backend_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  forms::Form& Named(const std::string& name) {
    for (forms::Form* form : this->p().Forms().LoadedForms()) {
      if (form->Name() == name) return *form;
    }
    throw std::logic_error(name);
  }
  std::unique_ptr<QtBackend> backend_ = std::make_unique<QtBackend>(this->p().Forms());
};
using ProgramWindowsTest = WithWindows<qd470::testing::ProgramTest>;
// The program on the simulated controller line.
using LineWindowsTest = WithWindows<qd470::testing::LinkTest>;

// Every dialog of the program belongs to the form that opens it and offers no minimise or
// maximise; the screens and the pad belong to no one and keep both.
TEST_F(ProgramWindowsTest, EveryDialogBelongsToItsOpenerWithoutMinimiseOrMaximise) {
  struct Row {
    const char* form;
    const char* opener;
    bool dialog;
  };
  const Row rows[] = {
      {"SubDisp_Pass", "MainDisp", true},        {"SubDisp_TRS", "SubDisp_Set", true},
      {"SubDisp_Copy", "SubDisp_Set", true},     {"SubDisp_File", "SubDisp_Set", true},
      {"SubDisp_LoadSave", "SubDisp_Set", true}, {"SubDisp_AllLoadSave", "SubDisp_Set", true},
      {"SubDisp_SSet", "Opuning", true},         {"prnselect", "SubDisp_Set", true},
      {"WaitDisp", "SubDisp_Set", true},         {"SubDisp_Tenkey", "SubDisp_Set", false},
      {"SubDisp_Set", "MainDisp", false},        {"Opuning", "MainDisp", false},
  };
  forms::FormHost& host = p().Forms();
  host.LoadAll();
  for (const char* name : {"MainDisp", "SubDisp_Set", "Opuning"}) host.Show(Named(name));
  for (const Row& r : rows) {
    forms::Form& form = Named(r.form);
    {
      forms::FormHost::OpenerScope opener(host, Named(r.opener));
      host.Show(form);
    }
    QWidget* window = backend_->Window(form);
    QWindow* owner = window->windowHandle() ? window->windowHandle()->transientParent() : nullptr;
    EXPECT_EQ(owner, r.dialog ? backend_->Window(Named(r.opener))->windowHandle() : nullptr)
        << r.form;
    EXPECT_EQ(window->windowFlags().testFlags(Qt::WindowMinMaxButtonsHint), !r.dialog) << r.form;
  }
}

// After a copy the keyboard rests on END, and the dialog has no default button: neither Enter
// nor Space (meant for a box the copy showed) starts another copy.
TEST_F(LineWindowsTest, EnterAndSpaceOnTheCopyDialogAfterACopyStartNothing) {
  Connect(2, 2);
  SubDisp_Copy& dialog = p().Form<SubDisp_Copy>();
  for (int k = 0; k < 2; ++k) {
    for (const char* name : {"first", "second"}) dialog.cmbName(k).AddItem(name);
  }
  dialog.cmbName(1).SetListIndex(1);
  p().Forms().Show(dialog);
  QWidget* window = backend_->Window(dialog);
  QTest::mouseClick(window->findChild<QPushButton*>("cmdStart"), Qt::LeftButton);
  ASSERT_EQ(p().SendReq, kReqCopy);
  Tick();  // the whole copy
  backend_->SyncAll();
  ASSERT_EQ(p().SendReq, 0);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus ? focus : window, key);
    EXPECT_EQ(p().SendReq, 0) << key;
  }
}

}  // namespace
}  // namespace qd470::qt::testing
