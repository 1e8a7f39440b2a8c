// A scripted operator for modal forms: answers the password dialog, accepts the specification
// dialog and presses Start on the start-up window.
#pragma once

#include <string>

#include "forms/form.h"
#include "monitor/subdisp_pass.h"
#include "program/program.h"
#include "settings/subdisp_sset.h"
#include "startup/opuning.h"

namespace qd470::testing {

// Inside a modal form: types `password` into the password dialog and presses OK; presses OK on
// the specification dialog; on the start-up window types `port` (when given) and presses Start;
// other forms are left as they are.
inline void AnswerModal(forms::Form& form, const std::string& password = "",
                        const std::string& port = "") {
  if (auto* pass = dynamic_cast<SubDisp_Pass*>(&form)) {
    pass->txtPass.SetText(password);
    pass->cmdOK.RaiseClick();
  } else if (auto* spec = dynamic_cast<SubDisp_SSet*>(&form)) {
    spec->cmdOK.RaiseClick();
  } else if (auto* start = dynamic_cast<Opuning*>(&form)) {
    if (!port.empty()) start->txtPort.SetText(port);
    start->cmdStart.RaiseClick();
  }
}

// Every modal form of `p` is answered by AnswerModal with `password` and `port`.
inline void ScriptOperator(Program& p, const std::string& password = "",
                           const std::string& port = "") {
  p.Forms().SetModalScript(
      [password, port](forms::Form& form) { AnswerModal(form, password, port); });
}

}  // namespace qd470::testing
