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
                  ToQString(text), yes_no ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
  // Owned for the window manager only: a box with a parent would be deleted with a window
  // unloaded while it is up.
  if (backend_) backend_->TieToOwner(box);
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

void SetFileFilters(QFileDialog& dialog, const std::string& filter) {
  const QStringList filters = ToQtFilters(filter);
  if (filters.isEmpty()) return;
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(filters);
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
  QFileDialog dialog(nullptr, ToQString(request.title), ToQString(request.initial_folder));
  if (backend_) backend_->TieToOwner(dialog);
  dialog.setIconProvider(&icons_);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks about replacing an existing file itself, in its own words.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  SetFileFilters(dialog, request.filter);
  if (!request.default_extension.empty()) {
    dialog.setDefaultSuffix(ToQString(request.default_extension));
  }
  if (!request.file_name.empty()) dialog.selectFile(ToQString(request.file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQString(dialog.selectedFiles().first());
}

std::vector<std::string> QtPrinters::Names() {
  std::vector<std::string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) {
    names.push_back(FromQString(name));
  }
  return names;
}

std::string QtPrinters::Current() {
  if (!chosen_.empty()) return chosen_;
  const QStringList names = QPrinterInfo::availablePrinterNames();
  const QString default_name = QPrinterInfo::defaultPrinterName();
  if (names.contains(default_name)) return FromQString(default_name);
  return names.isEmpty() ? std::string() : FromQString(names.first());
}

void QtPrinters::SetCurrent(const std::string& name) {
  if (!name.empty()) chosen_ = name;
}

bool QtPrinters::PrintPictureToFitPage(const std::string& printer_name, const forms::Image& picture,
                                       const std::string& title) {
  QImage image = ToQImage(picture);
  if (printer_name.empty() || image.isNull()) return false;
  QPrinterInfo info = QPrinterInfo::printerInfo(ToQString(printer_name));
  if (info.isNull()) return false;
  QPrinter printer(info, QPrinter::HighResolution);
  // A printer that makes files (a PDF printer) names the file after the job.
  printer.setDocName(ToQString(title));
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

void QtEventPump::DoEvents() {
  if (backend_) {
    backend_->DoEvents();
  } else {
    QCoreApplication::processEvents();
  }
}

}  // namespace qd470::qt
