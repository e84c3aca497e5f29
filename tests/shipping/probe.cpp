// Looks at a running Kerovia from outside, as another program on the desktop can:
//   probe main                 left top width height of the main window, once it is shown
//   probe controls             every child window: class, text, check state, place
//   probe wait-text N TEXT MS  waits until the N-th edit's text is TEXT (exit 1 on time-out)
// Texts are printed as UTF-8. Exit code 1 when no main window appears within 20 s.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Narrow(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), nullptr, 0, nullptr, nullptr);
  std::string s(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), s.data(), n, nullptr, nullptr);
  return s;
}

std::wstring Widen(const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), w.data(), n);
  return w;
}

std::wstring TextOf(HWND hwnd) {
  LRESULT n = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return text;
}

// The main window: the visible top-level window captioned "Kerovia" with a client area
// of 326 x 346 (the application's own hidden window shares the caption).
HWND FindMain() {
  struct Search {
    HWND found = nullptr;
  } search;
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        RECT client;
        if (IsWindowVisible(hwnd) && TextOf(hwnd) == L"Kerovia" && GetClientRect(hwnd, &client) &&
            client.right == 326 && client.bottom == 346) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitMain() {
  for (int i = 0; i < 200; ++i) {
    if (HWND hwnd = FindMain()) return hwnd;
    Sleep(100);
  }
  return nullptr;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(
      parent,
      [](HWND hwnd, LPARAM lp) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  return all;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256];
  int n = GetClassNameW(hwnd, name, 256);
  return std::wstring(name, n > 0 ? n : 0);
}

std::vector<HWND> Edits(HWND main) {
  std::vector<HWND> edits;
  for (HWND child : Children(main))
    if (_wcsicmp(ClassOf(child).c_str(), L"Edit") == 0) edits.push_back(child);
  return edits;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring command = argc > 1 ? argv[1] : L"main";
  HWND main = WaitMain();
  if (!main) {
    std::fprintf(stderr, "probe: no Kerovia main window\n");
    return 1;
  }
  if (command == L"main") {
    RECT r;
    GetWindowRect(main, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (command == L"controls") {
    for (HWND child : Children(main)) {
      RECT r;
      GetWindowRect(child, &r);
      MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
      LRESULT check = SendMessageW(child, BM_GETCHECK, 0, 0);
      std::printf("%s|%s|%d|%ld,%ld,%ld,%ld\n", Narrow(ClassOf(child)).c_str(),
                  Narrow(TextOf(child)).c_str(), static_cast<int>(check), r.left, r.top,
                  r.right - r.left, r.bottom - r.top);
    }
    return 0;
  }
  if (command == L"wait-text" && argc > 4) {
    size_t index = static_cast<size_t>(_wtoi(argv[2]));
    std::wstring want = argv[3];
    int ms = _wtoi(argv[4]);
    for (int waited = 0; waited <= ms; waited += 100) {
      auto edits = Edits(main);
      if (index < edits.size() && TextOf(edits[index]) == want) return 0;
      Sleep(100);
    }
    auto edits = Edits(main);
    std::fprintf(stderr, "probe: edit %zu is \"%s\"\n", index,
                 index < edits.size() ? Narrow(TextOf(edits[index])).c_str() : "(none)");
    return 1;
  }
  (void)Widen;
  std::fprintf(stderr, "probe: unknown command\n");
  return 2;
}
