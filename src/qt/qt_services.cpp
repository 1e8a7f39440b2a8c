// Real services: QMessageBox, QFileDialog, QPrinterInfo/QPrinter, window capture, DoEvents.
#include "qt/qt_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "qt/qt_backend.h"
#include "qt/qt_convert.h"

namespace qd470::qt {

namespace {

QMessageBox::Icon ToQtIcon(forms::MsgIcon icon) {
  switch (icon) {
    case forms::MsgIcon::kInformation:
      return QMessageBox::Information;
    case forms::MsgIcon::kQuestion:
      return QMessageBox::Question;
    case forms::MsgIcon::kExclamation:
      return QMessageBox::Warning;
    case forms::MsgIcon::kCritical:
      return QMessageBox::Critical;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

forms::MsgResult QtMessageBox::Show(const std::string& text, forms::MsgButtons buttons,
                                    forms::MsgIcon icon, const std::string& title) {
  const bool yes_no = buttons == forms::MsgButtons::kYesNo;
  QMessageBox box(ToQtIcon(icon), ToQString(title.empty() ? program_title_ : title),
                  ToQString(text), yes_no ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  if (yes_no) box.setDefaultButton(QMessageBox::Yes);
  int answer = box.exec();
  if (!yes_no) return forms::MsgResult::kOk;
  return answer == QMessageBox::Yes ? forms::MsgResult::kYes : forms::MsgResult::kNo;
}

QStringList ToQtFilters(const std::string& filter) {
  QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString text = parts[i].trimmed();
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt takes the patterns from the parentheses at the end of the text.
    if (!text.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))) {
      text += QLatin1String(" (") + patterns + QLatin1Char(')');
    }
    out << text;
  }
  return out;
}

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
  return QFileIconProvider::icon(info.isDir() ? QFileIconProvider::Folder
                                              : QFileIconProvider::File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
  if (info.isDir()) return QFileDialog::tr("Folder");
  const QString suffix = info.suffix();
  return suffix.isEmpty() ? QFileDialog::tr("File")
                          : suffix + QLatin1Char(' ') + QFileDialog::tr("File");
}

std::optional<std::string> QtFileDialog::Ask(const forms::FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), ToQString(request.title),
                     ToQString(request.initial_folder));
  dialog.setIconProvider(&icons_);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks about replacing an existing file itself, in its own words.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  QStringList filters = ToQtFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.default_extension.empty()) {
    dialog.setDefaultSuffix(ToQString(request.default_extension));
  }
  if (!request.file_name.empty()) dialog.selectFile(ToQString(request.file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQString(dialog.selectedFiles().first());
}

// The printer list is asked for at the first use: loading the print system takes as long as
// the whole rest of the start, and most runs never print.
void QtPrinters::Load() {
  if (loaded_) return;
  loaded_ = true;
  const QString default_name = QPrinterInfo::defaultPrinterName();
  for (const QString& name : QPrinterInfo::availablePrinterNames()) {
    if (name == default_name) current_ = static_cast<int>(names_.size());
    names_.push_back(FromQString(name));
  }
  if (current_ < 0 && !names_.empty()) current_ = 0;
}

std::vector<std::string> QtPrinters::Names() {
  Load();
  return names_;
}

int QtPrinters::CurrentIndex() {
  Load();
  return current_;
}

void QtPrinters::SetCurrent(int index) {
  Load();
  if (index >= 0 && index < static_cast<int>(names_.size())) current_ = index;
}

bool QtPrinters::PrintPictureToFitPage(int index, const forms::Image& picture) {
  Load();
  if (index < 0 || index >= static_cast<int>(names_.size())) return false;
  QImage image = ToQImage(picture);
  if (image.isNull()) return false;
  QPrinterInfo info = QPrinterInfo::printerInfo(ToQString(names_[static_cast<size_t>(index)]));
  if (info.isNull()) return false;
  QPrinter printer(info, QPrinter::HighResolution);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(page.topLeft(), size), image);
  return painter.end();
}

forms::Image QtCapture::CaptureForm(const forms::Form& form) {
  if (!backend_) return {};
  // Rendering changes no state of the form; the backend only needs it to find its window.
  return FromQImage(backend_->Render(const_cast<forms::Form&>(form)));
}

void QtEventPump::DoEvents() { QCoreApplication::processEvents(); }

}  // namespace qd470::qt
