// `Module1`: the image of a window and printing a picture, over the capture and printer
// services.
#pragma once

#include <optional>

#include "forms/form.h"
#include "forms/image.h"

namespace qd470 {
class Program;
}

namespace qd470::Module1 {

// The image of the whole window of frm; nothing when it cannot be taken.
std::optional<forms::Image> CaptureForm(Program& p, const forms::Form& frm);

// Prints pic on printer prn (an index of the system's list) scaled to fit the page with its
// aspect ratio kept, and ends the print document. False when the page could not be printed.
bool PrintPictureToFitPage(Program& p, int prn, const forms::Image& pic);

}  // namespace qd470::Module1
