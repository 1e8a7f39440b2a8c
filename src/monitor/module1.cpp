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

bool PrintPictureToFitPage(Program& p, int prn, const forms::Image& pic) {
  if (!p.Svc().printers || prn < 0 || pic.Empty()) return false;
  return p.Svc().printers->PrintPictureToFitPage(prn, pic);
}

}  // namespace qd470::Module1
