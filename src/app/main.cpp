// Program entry: the Qt application, the language from the locale, and the program on Qt.
#include <QApplication>
#include <cstdlib>

#include "qt/qt_program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qd470::qt::UseProgramFont();
  const qd470::Language language = qd470::LanguageFromLocale(
      std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
  QApplication::setApplicationName(QString::fromUtf8(qd470::ResString(language, 1)));
  qd470::qt::QtProgram program(qd470::DefaultProgramFolder(), language);
  return program.Run();
}
