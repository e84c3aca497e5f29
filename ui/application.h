#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "ui/window.h"

namespace kerovia::ui {

class Form;

// The application object: its title is the text of the taskbar button, which belongs to a
// hidden owner window of the application, not to a form, so it stays while the main form is
// hidden during a backup. Every form is owned by that window.
class Application {
 public:
  Application();
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The application of this run (the last one made), nullptr when there is none.
  static Application* Current();

  void SetTitle(const std::string& title);
  const std::string& Title() const { return title_; }
  HWND OwnerWindow() const;

  // The first form made with this application becomes its main form unless set.
  void SetMainForm(Form* form) { mainForm_ = form; }
  Form* MainForm() const { return mainForm_; }
  void AddForm(Form* form);
  void RemoveForm(Form* form);

  // Shows the main form and dispatches messages until it closes.
  void Run();
  // Dispatches the messages that are waiting, then returns.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Every form disappears and the application shrinks to its taskbar button; restoring the
  // button brings back the forms that were visible.
  void Minimize();
  void Restore();
  bool Minimized() const { return minimized_; }

  // What happens to an exception that no handler caught: by default the standard exception
  // dialog; replaceable, for example by a recorder.
  std::function<void(const std::string& message)> OnException;
  // The standard exception dialog: caption the title, stop icon, one OK button.
  void ShowExceptionDialog(const std::string& message);

  // Routes an escaped exception to the current application (a dialog without one).
  static void HandleException(std::exception_ptr error);

 private:
  class OwnerWindowImpl;
  void RestoreForms();

  std::string title_;
  OwnerWindowImpl* owner_ = nullptr;
  Form* mainForm_ = nullptr;
  std::vector<Form*> forms_;
  std::vector<Form*> hiddenByMinimize_;
  bool terminated_ = false;
  bool minimized_ = false;
  Application* previous_ = nullptr;
};

}  // namespace kerovia::ui
