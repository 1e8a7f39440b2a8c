// Window capture and printing through the program's services.
#include "monitor/module1.h"

#include "program/program.h"

namespace qd470::Module1 {

std::optional<forms::Image> CaptureForm(Program& p, const forms::Form& frm) {
  if (!p.Svc().capture) return std::nullopt;
  forms::Image image = p.Svc().capture->CaptureForm(frm);
  if (image.Empty()) return std::nullopt;
  return image;
}

bool PrintPictureToFitPage(Program& p, const std::string& printer, const forms::Image& pic,
                           const std::string& title) {
  if (!p.Svc().printers || printer.empty() || pic.Empty()) return false;
  return p.Svc().printers->PrintPictureToFitPage(printer, pic, title);
}

}  // namespace qd470::Module1
