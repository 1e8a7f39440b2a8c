// Developer tool: the yardstick of the start-up time, a bare Qt window and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.show();
  return app.exec();
}
