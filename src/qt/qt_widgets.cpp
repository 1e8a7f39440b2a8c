// Widget classes of the renderer: form window, clickable label, picture box, line, up-down.
#include "qt/qt_widgets.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "qt/qt_convert.h"

namespace qd470::qt {

void FormWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && on_state_change) on_state_change();
}

// The model is asked once the close event has returned: events run while it asks (a box inside
// work takes in the input queued before it), and Qt accepts a close that arrives while a close
// event of the same window still runs, which would destroy the window. A close that arrives
// before the model has answered joins the one it is asked about.
void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!on_close || std::exchange(close_asked_, true)) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        QPointer<FormWindow> self(this);
        on_close();
        if (self) close_asked_ = false;
      },
      Qt::QueuedConnection);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  bool escape = event->key() == Qt::Key_Escape;
  if ((enter || escape) && event->modifiers() == Qt::NoModifier && on_enter_escape) {
    on_enter_escape(escape);
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
  pressed_ = false;
  event->accept();
  if (click && on_click) on_click();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  // The release that follows a double-click is not another click.
  pressed_ = false;
  event->accept();
  if (event->button() == Qt::LeftButton && on_double_click) on_double_click();
}

void KeyButton::keyPressEvent(QKeyEvent* event) {
  const int ascii = KeyAsciiOf(*event);
  if (ascii != 0 && on_key_press && on_key_press(ascii)) {
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}

int KeyAsciiOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0;  // moves the focus; not a character of the text box
    default:
      break;
  }
  const QString text = event.text();
  if (text.size() != 1 || text[0].unicode() == 127) return 0;
  return text[0].unicode();
}

void PictureWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (!box) return;
  QPainter painter(this);
  const QRect area = contentsRect();
  painter.setClipRect(area);
  const std::optional<forms::Image>& picture = box->Picture;
  if (picture && !picture->Empty()) {
    painter.drawImage(area.topLeft(), ToQImage(*picture));
    return;
  }
  if (box->ScaleWidth == 0 || box->ScaleHeight == 0) return;
  // User coordinates to pixels; a negative ScaleHeight turns the y axis upwards. The far edges
  // map to the last pixel row and column, so that a line drawn along them stays visible.
  const double sx = (area.width() - 1) / box->ScaleWidth;
  const double sy = (area.height() - 1) / box->ScaleHeight;
  auto map = [&](double x, double y) {
    return QPointF(area.left() + (x - box->ScaleLeft) * sx, area.top() + (y - box->ScaleTop) * sy);
  };
  QPen pen;
  pen.setCosmetic(true);
  for (const auto& cmd : box->Commands()) {
    pen.setColor(ToQColor(cmd.color));
    painter.setPen(pen);
    if (cmd.type == forms::PictureBox::DrawCommand::Type::kLine) {
      painter.drawLine(map(cmd.x1, cmd.y1), map(cmd.x2, cmd.y2));
    } else {
      painter.drawPoint(map(cmd.x1, cmd.y1));
    }
  }
}

LineWidget::LineWidget() { setAttribute(Qt::WA_TransparentForMouseEvents); }

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPen pen(color);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.drawLine(from, to);
}

RepeatButton::RepeatButton(QWidget* parent) : QToolButton(parent) {
  setAutoRepeat(true);
  connect(this, &QAbstractButton::pressed, [this] { repeated_ = false; });
  // Connected first: runs before any click handler asks.
  connect(this, &QAbstractButton::clicked, [this] { repeated_ = repeated_ || isDown(); });
}

UpDownWidget::UpDownWidget() : up(new RepeatButton(this)), down(new RepeatButton(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (QToolButton* b : {up, down}) {
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(b);
  }
  up->setArrowType(Qt::UpArrow);
  down->setArrowType(Qt::DownArrow);
  up->setObjectName("up");
  down->setObjectName("down");
}

}  // namespace qd470::qt
