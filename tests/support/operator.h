// A scripted operator for modal forms: answers the password dialog and presses Start on the
// start-up window.
#pragma once

#include <string>

#include "forms/form.h"
#include "monitor/subdisp_pass.h"
#include "program/program.h"
#include "startup/opuning.h"

namespace qd470::testing {

// Inside a modal form: types `password` into the password dialog and presses OK; presses Start
// on the start-up window; other forms are left as they are.
inline void AnswerModal(forms::Form& form, const std::string& password = "") {
  if (auto* pass = dynamic_cast<SubDisp_Pass*>(&form)) {
    pass->txtPass.SetText(password);
    pass->cmdOK.RaiseClick();
  } else if (auto* start = dynamic_cast<Opuning*>(&form)) {
    start->cmdStart.RaiseClick();
  }
}

// Every modal form of `p` is answered by AnswerModal with `password`.
inline void ScriptOperator(Program& p, const std::string& password = "") {
  p.Forms().SetModalScript([password](forms::Form& form) { AnswerModal(form, password); });
}

}  // namespace qd470::testing
