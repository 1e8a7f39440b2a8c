// The program on Qt: wiring of services, program object and backend, and the main event loop.
#include "qt/qt_program.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontDatabase>
#include <QLibraryInfo>

#include "monitor/main_disp.h"
#include "startup/qd470_module.h"

namespace qd470::qt {

void UseProgramFont() {
  const QStringList families = QFontDatabase::families();
  for (const char* name : {"Noto Sans CJK JP", "Noto Sans JP", "IPAPGothic", "IPAGothic",
                           "TakaoPGothic", "VL PGothic", "Droid Sans Fallback"}) {
    if (!families.contains(QLatin1String(name))) continue;
    QFont font = QApplication::font();
    font.setFamily(QLatin1String(name));
    QApplication::setFont(font);
    return;
  }
}

std::unique_ptr<QTranslator> InstallQtTranslation(Language language) {
  if (language != Language::kJapanese) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return nullptr;
  }
  QCoreApplication::installTranslator(translator.get());
  return translator;
}

QtProgram::QtProgram(const std::filesystem::path& program_folder, Language language)
    : qt_translation_(InstallQtTranslation(language)),
      services_(std::string(ResString(language, 1))),
      program_(std::make_unique<Program>(program_folder, services_.Bundle(), language)),
      backend_(std::make_unique<QtBackend>(program_->Forms())) {
  services_.capture.SetBackend(backend_.get());
  services_.pump.SetBackend(backend_.get());
  services_.message_box.SetBackend(backend_.get());
  services_.file_dialog.SetBackend(backend_.get());
}

QtProgram::~QtProgram() {
  services_.capture.SetBackend(nullptr);
  services_.pump.SetBackend(nullptr);
  services_.message_box.SetBackend(nullptr);
  services_.file_dialog.SetBackend(nullptr);
  backend_.reset();
  program_.reset();
}

bool QtProgram::Ended() {
  return program_->EndReq == -1 || !program_->Forms().IsLoaded<MainDisp>();
}

int QtProgram::Run() {
  QD470::Main(*program_);
  if (program_->FolderError()) return 1;
  if (!Ended()) {
    QEventLoop loop;
    backend_->SetAfterEvent([this, &loop] {
      if (Ended()) loop.quit();
    });
    loop.exec();
    backend_->SetAfterEvent(nullptr);
  }
  QD470::EndProgram(*program_);
  return 0;
}

}  // namespace qd470::qt
