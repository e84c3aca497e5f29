// Kerovia.exe: the entry point.

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/progress_form.h"
#include "platform/win32/wide.h"
#include "ui/application.h"

namespace {

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got < path.size()) {
      path.resize(got);
      return kerovia::win32::Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> Arguments() {
  std::vector<std::string> args;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!argv) return args;
  for (int i = 1; i < count; ++i) args.push_back(kerovia::win32::Narrow(argv[i]));
  LocalFree(argv);
  return args;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    kerovia::ui::Application app;
    app.SetTitle("Kerovia");
    kerovia::MainFormEnvironment environment;
    environment.exePath = ExecutablePath();
    environment.args = Arguments();
    environment.infoHost = KEROVIA_INFO_HOST;
    auto mainForm = std::make_unique<kerovia::TMainForm1>(app, std::move(environment));
    app.SetMainForm(mainForm.get());
    auto progressForm = std::make_unique<kerovia::TProgressForm1>(app, *mainForm);
    mainForm->AttachProgress(*progressForm);
    app.Run();
  } catch (...) {
    kerovia::ui::Application::HandleException(std::current_exception());
  }
  return 0;
}
