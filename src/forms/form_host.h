// Owns the forms of the program: loads each on first use, shows it modal or modeless, hides and
// unloads it, and drives the timers from one clock. A renderer observes it to make windows.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "forms/form.h"

namespace qd470::forms {

// What a renderer does when forms appear and disappear.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void OnShow(Form& form) = 0;
  virtual void OnHide(Form& form) = 0;
  virtual void OnUnload(Form& form) = 0;
  // Runs until `form` is hidden or unloaded (a nested event loop), or EndModal is called.
  virtual void RunModal(Form& form) = 0;
  // Ends the modal run of `form` and leaves it shown.
  virtual void EndModal(Form& /*form*/) {}
  // `form` is shown again while it is shown: back from minimised, to the front.
  virtual void OnRaise(Form& /*form*/) {}
  // The form whose window the operator works in now (nullptr: none of ours).
  virtual Form* ActiveForm() const { return nullptr; }
  // A modal box is about to open inside work: whatever control is pressed is released, and the
  // input already queued for the program's windows is taken in (run or held as the work allows).
  virtual void OnModalBoxInWork() {}
};

// Work of the program that lets pending events run while it waits on the line. Work never nests:
// input that would start other work inside it waits or is refused.
enum class WorkKind {
  kNone,
  kTick,     // a poll step or a one-item write attempt: input waits until the tick has returned
  kBlocking  // a transfer job or the read of a controller: input is refused, as behind a modal box
};

// Where an operator's event comes from: a control of a form, or the window itself (its menus,
// or its close box).
struct InputSource {
  Form* form = nullptr;
  const Control* control = nullptr;
  bool close = false;
  bool repeat = false;  // a step of a control held down (an arrow's auto-repeat)
};

enum class InputFate { kRan, kHeld, kRefused };

class FormHost {
 public:
  using Factory = std::function<std::unique_ptr<Form>()>;

  FormHost() = default;
  ~FormHost();
  FormHost(const FormHost&) = delete;
  FormHost& operator=(const FormHost&) = delete;

  template <class F>
  void Register(std::function<std::unique_ptr<F>()> make) {
    RegisterFactory(typeid(F), [make] { return std::unique_ptr<Form>(make()); });
  }
  // The form of type F, loaded (and Form_Load run) when it is not loaded yet.
  template <class F>
  F& Get() {
    return static_cast<F&>(Load(typeid(F)));
  }
  template <class F>
  bool IsLoaded() const {
    return loaded_.count(typeid(F)) != 0;
  }
  template <class F>
  void Unload() {
    if (auto it = loaded_.find(typeid(F)); it != loaded_.end()) Unload(*it->second);
  }

  void Show(Form& form, bool modal = false);
  void Hide(Form& form);
  // A modal show of `form` returns while the form stays shown (modeless from then on).
  void EndModal(Form& form);
  // Removes the form; its next use loads it again with fresh state. The object itself is
  // released only at the next ReleaseUnloaded, so a handler of the form may finish running.
  void Unload(Form& form);
  // The operator closes a window: Form_QueryUnload may keep it, else it is unloaded.
  void RequestClose(Form& form);
  void ReleaseUnloaded() { unloaded_.clear(); }

  // Loads every registered form (for renderers and tools) and lists the loaded ones.
  void LoadAll();
  std::vector<Form*> LoadedForms() const;

  // Advances the timers' clock: each enabled timer runs once per elapsed interval (at most
  // once per call, as a busy event loop would); then the input held meanwhile runs. While work
  // runs the clock stands still: no timer starts inside work.
  void AdvanceClock(int64_t ms);

  // Marks work as running until the returned scope ends. `job` is the window of a job or a read
  // (its bar and Cancel), kept in front of the program's other windows while the work runs.
  class WorkScope {
   public:
    WorkScope(FormHost& host, WorkKind kind, Form* job = nullptr);
    ~WorkScope();
    WorkScope(const WorkScope&) = delete;
    WorkScope& operator=(const WorkScope&) = delete;

   private:
    FormHost& host_;
    WorkKind outer_;
    Form* outer_job_;
  };
  WorkKind RunningWork() const { return work_; }
  // The window of the running job or read (nullptr: none, or no window of its own).
  Form* JobForm() const { return job_; }
  // Whether input from `source` is taken at once: always when no work runs, else only by the
  // controls and windows that stay live during work (a job's Cancel, the main screen's close).
  bool TakesInputNow(const InputSource& source) const;
  // Runs an operator's event: at once when taken now; after the running tick when work of that
  // kind runs (in arrival order); never during a job or a read.
  InputFate RunInput(const InputSource& source, std::function<void()> event);
  // Runs the input held during a tick, oldest first; an event of a form unloaded since is dropped.
  void RunHeldInput();
  // A modal box (a message box, or a form shown modal) opens: inside work, the renderer releases
  // what is pressed and takes in the input queued before the box, and the held steps of a
  // control held down are dropped, so that nothing the operator no longer does runs after it.
  void ModalBoxInWork();
  // While it lives, what is shown belongs to `form` (scopes nest): RunInput opens one around each
  // operator event of the form; the start-up sequence around the dialogs it opens over its window.
  // A timer's handler opens over the form the operator works in, else over the timer's form.
  class OpenerScope {
   public:
    OpenerScope(FormHost& host, Form& form, bool timer = false);
    ~OpenerScope();
    OpenerScope(const OpenerScope&) = delete;
    OpenerScope& operator=(const OpenerScope&) = delete;

   private:
    FormHost& host_;
  };
  // The form that a dialog or message box shown now belongs to (nullptr: none): the innermost
  // scope's form; outside any scope the form the operator works in.
  Form* Opener() const;

  void SetObserver(FormObserver* observer) { observer_ = observer; }
  FormObserver* Observer() const { return observer_; }
  // In tests: what the operator does inside a modal form before it returns.
  void SetModalScript(std::function<void(Form&)> script) { modal_script_ = std::move(script); }

 private:
  void RegisterFactory(std::type_index type, Factory make);
  Form& Load(std::type_index type);

  std::map<std::type_index, Factory> factories_;
  std::vector<std::type_index> order_;
  std::map<std::type_index, std::unique_ptr<Form>> loaded_;
  std::vector<std::unique_ptr<Form>> unloaded_;
  FormObserver* observer_ = nullptr;
  struct Opening {
    Form* form;
    bool timer;
  };
  std::vector<Opening> openers_;
  std::function<void(Form&)> modal_script_;
  WorkKind work_ = WorkKind::kNone;
  Form* job_ = nullptr;
  // Runs an operator's event as a handler of `form`: what it opens belongs to that form.
  void RunAsHandlerOf(Form* form, const std::function<void()>& event);
  struct HeldInput {
    Form* form;
    std::function<void()> event;
    bool repeat;
  };
  std::deque<HeldInput> held_;
};

}  // namespace qd470::forms
