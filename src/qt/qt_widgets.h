// The few widget classes the renderer needs beyond stock Qt: a form window that hands its close
// button and Enter/Escape to the model, clickable labels, text boxes and buttons with key-press
// events,
// the picture box, the line control and the up-down arrows.
#pragma once

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <type_traits>

#include "forms/control.h"

namespace qd470::qt {

// The top-level window of a form. Closing it asks the model once (the close itself is refused
// here).
class FormWindow : public QMainWindow {
 public:
  std::function<void()> on_close;
  // Enter or Escape that no control took: presses the default or cancel button.
  std::function<void(bool escape)> on_enter_escape;
  // The window's state changed: by the operator with the frame, or by the program.
  std::function<void()> on_state_change;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool close_asked_ = false;  // from a close request until the model has answered it
};

// A label that reports clicks and double-clicks.
class ClickLabel : public QLabel {
 public:
  std::function<void()> on_click;
  std::function<void()> on_double_click;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// A command button that hands its character keys to the model when the model asks for them.
class KeyButton : public QPushButton {
 public:
  // Returns whether the model took the key; a key it did not take works as on any button.
  std::function<bool(int key_ascii)> on_key_press;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// The character code of a key as the classic key-press event has it (Enter 13, Backspace 8,
// Escape 27, printable and control characters as themselves); 0 for keys without one.
int KeyAsciiOf(const QKeyEvent& event);

// A line or multi-line text box whose key presses go to the model first: the handler may swallow
// a key (code 0) or replace it with another character.
template <class Base>
class KeyTextEdit : public Base {
 public:
  std::function<int(int key_ascii)> on_key_press;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    int ascii = KeyAsciiOf(*event);
    if (ascii == 0 || !on_key_press) {
      Base::keyPressEvent(event);
      return;
    }
    int result = on_key_press(ascii);
    if (result == 0) {
      event->accept();
      return;
    }
    if (result == ascii) {
      Base::keyPressEvent(event);
      return;
    }
    QKeyEvent replaced(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                       QString(QChar(static_cast<char16_t>(result))));
    Base::keyPressEvent(&replaced);
  }
};
using LineEdit = KeyTextEdit<QLineEdit>;
using MultiLineEdit = KeyTextEdit<QPlainTextEdit>;

// Paints a picture box: its picture when it has one, else its display list in user coordinates.
class PictureWidget : public QFrame {
 public:
  const forms::PictureBox* box = nullptr;  // cleared when the form goes away

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A line control: a transparent widget over the line's bounding box.
class LineWidget : public QWidget {
 public:
  LineWidget();
  QPoint from, to;  // in the widget's own pixels
  QColor color = Qt::black;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// An arrow that steps on while held down. Tells the steps of a press held down (its auto-repeat,
// and the click of the release that ends it) from a single click.
class RepeatButton : public QToolButton {
 public:
  explicit RepeatButton(QWidget* parent);
  // Whether the click being emitted belongs to a press that has repeated.
  bool Repeating() const { return isDown() || repeated_; }

 private:
  bool repeated_ = false;
};

// Two arrow buttons stacked, as the classic up-down control.
class UpDownWidget : public QWidget {
 public:
  UpDownWidget();
  RepeatButton* up;
  RepeatButton* down;
};

}  // namespace qd470::qt
