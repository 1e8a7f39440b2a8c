// `Module1`: the image of a window and printing a picture, over the capture and printer
// services.
#pragma once

#include <optional>
#include <string>

#include "forms/form.h"
#include "forms/image.h"

namespace qd470 {
class Program;
}

namespace qd470::Module1 {

// The image of the whole window of frm; nothing when it cannot be taken.
std::optional<forms::Image> CaptureForm(Program& p, const forms::Form& frm);

// Prints pic on the named printer as a job titled `title`, scaled to fit the page with its
// aspect ratio kept, and ends the print document. False when the page could not be printed.
bool PrintPictureToFitPage(Program& p, const std::string& printer, const forms::Image& pic,
                           const std::string& title);

}  // namespace qd470::Module1
