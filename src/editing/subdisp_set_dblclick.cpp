// The double-clicks of the settings screen's value labels: each makes its label's setting the
// edit item, writes the current value and the range hint onto the numeric pad and opens it.
#include "editing/pad_captions.h"
#include "editing/subdisp_tenkey.h"
#include "program/program.h"
#include "settings/edit_selectors.h"
#include "settings/subdisp_set.h"

namespace qd470 {

// The edit acts on the controller and pattern the screen shows, even when a command of the main
// screen has moved SetCh since the last refresh. A write still pending keeps its own target
// (QueueWrite copied it), so selecting another item here cannot move it.
void SubDisp_Set::ValueLabel_DblClick(std::string_view label, int16_t index) {
  const SelectorRow* row = FindSelectorByLabel(label);
  const LabelHandler* handler = FindLabelHandler(label);
  if (!row || !handler) return;
  const int16_t member = row->index == IndexKind::kNone ? 0 : index;
  p_.SetCh = shown_ch_;
  p_.SetPtn = shown_ptn_;
  RunSelector(p_, *row, member);
  const PadCaptions captions = CaptionsFor(p_, *handler, row->setting, member);
  SubDisp_Tenkey& pad = p_.Form<SubDisp_Tenkey>();
  // A caption the rules leave open is emptied, so that a pad moved on from another label never
  // shows that label's value or range.
  pad.lblNow.Caption = captions.now.value_or("");
  pad.lblLimit.Caption = captions.limit.value_or("");
  pad.Open(Find(std::string(label), index));
}

}  // namespace qd470
