// Where the backend opens a window asked to appear beside a control, the keyboard focus the
// model asks for, and character keys on a button with a key-press handler.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "qt/qt_test_forms.h"

namespace qd470::qt::testing {
namespace {

TEST(PlaceBeside, BelowTheControlElseAboveAndAlwaysOnTheScreen) {
  const QRect screen(0, 0, 1000, 800);
  const QSize size(300, 200);
  const QMargins frame(2, 30, 2, 2);
  struct Row {
    QRect anchor;
    QPoint top_left;
  };
  const Row rows[] = {
      {QRect(100, 100, 80, 20), QPoint(98, 124)},   // below, client aligned with the control
      {QRect(100, 700, 80, 20), QPoint(98, 464)},   // no room below: above
      {QRect(900, 100, 80, 20), QPoint(696, 124)},  // kept off the right edge
      {QRect(-50, 100, 80, 20), QPoint(0, 124)},    // and off the left edge
      {QRect(100, 150, 80, 500), QPoint(98, 0)},    // no room above or below: at the top
  };
  for (const Row& r : rows) {
    EXPECT_EQ(QtBackend::PlaceBeside(r.anchor, size, frame, screen), r.top_left) << r.anchor.y();
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
