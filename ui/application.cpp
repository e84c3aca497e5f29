#include "ui/application.h"

#include <algorithm>

#include "platform/error.h"
#include "platform/win32/wide.h"
#include "ui/form.h"
#include "ui/logic/full_stop.h"

namespace kerovia::ui {

using win32::Widen;

namespace {
Application* g_current = nullptr;
}

// The window that carries the taskbar button: visible but without size, so the button
// exists while every form is hidden.
class Application::OwnerWindowImpl : public Window {
 public:
  explicit OwnerWindowImpl(Application& app) : app_(app) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Create({.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
            .x = (work.left + work.right) / 2,
            .y = (work.top + work.bottom) / 2,
            .width = 0,
            .height = 0,
            .title = ""});
  }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_SIZE:
        if (wp == SIZE_RESTORED && app_.minimized_) app_.RestoreForms();
        break;
      case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_RESTORE && app_.minimized_) {
          const LRESULT result = Default(msg, wp, lp);
          if (app_.minimized_) app_.RestoreForms();
          return result;
        }
        break;
      case WM_CLOSE:
        // Close from the taskbar button's menu: the same path as the main form's "×".
        if (app_.mainForm_) app_.mainForm_->Close();
        return 0;
      case WM_ACTIVATE:
        // Activating the taskbar button hands the activation to the last active form.
        if (LOWORD(wp) != WA_INACTIVE && !app_.minimized_ && app_.mainForm_ &&
            IsWindowVisible(app_.mainForm_->hwnd())) {
          SetActiveWindow(app_.mainForm_->hwnd());
          return 0;
        }
        break;
    }
    return Default(msg, wp, lp);
  }

 private:
  Application& app_;
};

Application::Application() : previous_(g_current) {
  g_current = this;
  owner_ = new OwnerWindowImpl(*this);
}

Application::~Application() {
  delete owner_;
  if (g_current == this) g_current = previous_;
}

Application* Application::Current() {
  return g_current;
}

namespace {
// The title outlives the application object, for an error that escapes its whole run.
std::wstring& LastTitle() {
  static std::wstring title;
  return title;
}
}  // namespace

HWND Application::OwnerWindow() const {
  return owner_->hwnd();
}

void Application::SetTitle(const std::string& title) {
  title_ = title;
  LastTitle() = Widen(title);
  SetWindowTextW(owner_->hwnd(), LastTitle().c_str());
}

void Application::AddForm(Form* form) {
  forms_.push_back(form);
  if (!mainForm_) mainForm_ = form;
}

void Application::RemoveForm(Form* form) {
  std::erase(forms_, form);
  std::erase(hiddenByMinimize_, form);
  if (mainForm_ == form) mainForm_ = nullptr;
}

void Application::Run() {
  if (!mainForm_) return;
  ShowWindow(owner_->hwnd(), SW_SHOWNOACTIVATE);
  try {
    mainForm_->Show();
  } catch (...) {
    HandleException(std::current_exception());
  }
  MSG msg;
  while (!terminated_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  terminated_ = true;
}

void Application::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      PostQuitMessage(static_cast<int>(msg.wParam));  // the event loop ends on it too
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::Minimize() {
  if (minimized_) return;
  hiddenByMinimize_.clear();
  for (Form* form : forms_) {
    if (IsWindowVisible(form->hwnd())) {
      hiddenByMinimize_.push_back(form);
      ShowWindow(form->hwnd(), SW_HIDE);
    }
  }
  minimized_ = true;
  ShowWindow(owner_->hwnd(), SW_MINIMIZE);
}

void Application::Restore() {
  if (!minimized_) return;
  ShowWindow(owner_->hwnd(), SW_RESTORE);
  if (minimized_) RestoreForms();
}

void Application::RestoreForms() {
  minimized_ = false;
  const auto forms = hiddenByMinimize_;
  hiddenByMinimize_.clear();
  for (Form* form : forms) ShowWindow(form->hwnd(), SW_SHOWNOACTIVATE);
  if (mainForm_ && IsWindowVisible(mainForm_->hwnd())) SetActiveWindow(mainForm_->hwnd());
}

void Application::ShowExceptionDialog(const std::string& message) {
  const std::wstring text = Widen(ExceptionDialogText(message));
  const std::wstring caption = Widen(title_);
  HWND owner = mainForm_ && IsWindowVisible(mainForm_->hwnd()) ? mainForm_->hwnd() : nullptr;
  MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONSTOP);
}

void Application::HandleException(std::exception_ptr error) {
  std::string message;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    // Not an exception of ours: shown with an empty message.
  }
  Application* app = Current();
  if (!app) {
    MessageBoxW(nullptr, Widen(ExceptionDialogText(message)).c_str(), LastTitle().c_str(),
                MB_OK | MB_ICONSTOP);
  } else if (app->OnException) {
    app->OnException(message);
  } else {
    app->ShowExceptionDialog(message);
  }
}

}  // namespace kerovia::ui
