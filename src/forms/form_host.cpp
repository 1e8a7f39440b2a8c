// The form registry: load on first use, show, hide, unload, timers.
#include "forms/form_host.h"

#include <algorithm>
#include <stdexcept>

namespace qd470::forms {

FormHost::~FormHost() {
  // Forms go before the observer could be asked about them.
  observer_ = nullptr;
  loaded_.clear();
  unloaded_.clear();
}

void FormHost::RegisterFactory(std::type_index type, Factory make) {
  if (!factories_.count(type)) order_.push_back(type);
  factories_[type] = std::move(make);
}

Form& FormHost::Load(std::type_index type) {
  if (auto it = loaded_.find(type); it != loaded_.end()) return *it->second;
  auto f = factories_.find(type);
  if (f == factories_.end()) throw std::logic_error("form not registered");
  std::unique_ptr<Form> form = f->second();
  form->host_ = this;
  Form& ref = *form;
  loaded_[type] = std::move(form);
  ref.Form_Load();
  return ref;
}

void FormHost::Show(Form& form, bool modal) {
  if (modal) ModalBoxInWork();
  bool was_visible = form.visible_;
  form.visible_ = true;
  form.modal_ = modal;
  if (observer_ && was_visible) {
    observer_->OnRaise(form);
  } else if (observer_) {
    observer_->OnShow(form);
  }
  if (!modal) return;
  if (observer_) {
    observer_->RunModal(form);
  } else if (modal_script_) {
    modal_script_(form);
  }
  form.modal_ = false;
}

void FormHost::Hide(Form& form) {
  if (!form.visible_) return;
  form.visible_ = false;
  if (observer_) observer_->OnHide(form);
}

void FormHost::EndModal(Form& form) {
  if (observer_ && form.modal_) observer_->EndModal(form);
}

void FormHost::Unload(Form& form) {
  for (auto it = loaded_.begin(); it != loaded_.end(); ++it) {
    if (it->second.get() != &form) continue;
    form.visible_ = false;
    if (observer_) observer_->OnUnload(form);
    unloaded_.push_back(std::move(it->second));
    loaded_.erase(it);
    return;
  }
}

void FormHost::RequestClose(Form& form) {
  bool cancel = false;
  form.Form_QueryUnload(cancel);
  if (!cancel) Unload(form);
}

FormHost::OpenerScope::OpenerScope(FormHost& host, Form& form, bool timer) : host_(host) {
  host_.openers_.push_back({&form, timer});
}

FormHost::OpenerScope::~OpenerScope() { host_.openers_.pop_back(); }

Form* FormHost::Opener() const {
  Form* active = observer_ ? observer_->ActiveForm() : nullptr;
  if (openers_.empty()) return active;
  const Opening& top = openers_.back();
  return top.timer && active ? active : top.form;
}

void FormHost::LoadAll() {
  for (const auto& type : order_) Load(type);
}

std::vector<Form*> FormHost::LoadedForms() const {
  std::vector<Form*> out;
  for (const auto& type : order_) {
    if (auto it = loaded_.find(type); it != loaded_.end()) out.push_back(it->second.get());
  }
  return out;
}

void FormHost::AdvanceClock(int64_t ms) {
  if (work_ != WorkKind::kNone) return;
  std::vector<std::pair<Form*, Timer*>> due;
  for (Form* form : LoadedForms()) {
    for (Timer* timer : form->Timers()) {
      if (!timer->Enabled || timer->Interval <= 0) continue;
      timer->elapsed_ms += ms;
      if (timer->elapsed_ms >= timer->Interval) {
        timer->elapsed_ms = 0;
        due.emplace_back(form, timer);
      }
    }
  }
  // A handler may unload a form; its object lives on until ReleaseUnloaded.
  for (auto [form, timer] : due) {
    if (!timer->Enabled || !timer->OnTimer) continue;
    OpenerScope opener(*this, *form, true);
    timer->OnTimer();
  }
  RunHeldInput();
}

FormHost::WorkScope::WorkScope(FormHost& host, WorkKind kind, Form* job)
    : host_(host), outer_(host.work_), outer_job_(host.job_) {
  // Nested scopes keep the stricter kind; the innermost job's window is the one in front.
  if (kind > host_.work_) host_.work_ = kind;
  if (job) host_.job_ = job;
}

FormHost::WorkScope::~WorkScope() {
  host_.work_ = outer_;
  host_.job_ = outer_job_;
}

bool FormHost::TakesInputNow(const InputSource& source) const {
  if (work_ == WorkKind::kNone) return true;
  if (source.control) return source.control->LiveDuringWork;
  return source.close && source.form && source.form->CloseDuringWork;
}

InputFate FormHost::RunInput(const InputSource& source, std::function<void()> event) {
  if (TakesInputNow(source)) {
    RunAsHandlerOf(source.form, event);
    return InputFate::kRan;
  }
  if (work_ == WorkKind::kBlocking) return InputFate::kRefused;
  held_.push_back({source.form, std::move(event), source.repeat});
  return InputFate::kHeld;
}

void FormHost::ModalBoxInWork() {
  if (work_ == WorkKind::kNone) return;
  if (observer_) observer_->OnModalBoxInWork();
  std::erase_if(held_, [](const HeldInput& input) { return input.repeat; });
}

void FormHost::RunHeldInput() {
  while (work_ == WorkKind::kNone && !held_.empty()) {
    HeldInput input = std::move(held_.front());
    held_.pop_front();
    const bool loaded = std::any_of(loaded_.begin(), loaded_.end(),
                                    [&](const auto& f) { return f.second.get() == input.form; });
    if (loaded) RunAsHandlerOf(input.form, input.event);
  }
}

void FormHost::RunAsHandlerOf(Form* form, const std::function<void()>& event) {
  if (!form) {
    event();
    return;
  }
  OpenerScope opener(*this, *form);
  event();
}

}  // namespace qd470::forms
