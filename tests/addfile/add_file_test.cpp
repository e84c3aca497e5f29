#include "tools/addfile/add_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kerovia::addfile {
namespace {

// An automation object of the tests: named members answered by handlers; every call is
// recorded with its flags, and references are counted for real.
class FakeObject : public IDispatch {
 public:
  using Handler = std::function<HRESULT(WORD flags, DISPPARAMS* params, VARIANT* result)>;
  explicit FakeObject(std::vector<std::string>& calls) : calls_(calls) {}
  std::map<std::wstring, Handler> members;
  LONG refs = 1;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }  // owned by the test
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (count != 1) return E_INVALIDARG;
    std::vector<std::wstring> order;
    for (const auto& [name, handler] : members) order.push_back(name);
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (_wcsicmp(order[i].c_str(), names[0]) == 0) {
        ids[0] = static_cast<DISPID>(i + 1);
        return S_OK;
      }
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override {
    auto it = members.begin();
    if (id < 1 || static_cast<std::size_t>(id) > members.size()) return DISP_E_MEMBERNOTFOUND;
    std::advance(it, id - 1);
    std::string name(it->first.begin(), it->first.end());
    calls_.push_back(name + (flags == DISPATCH_METHOD        ? " method"
                             : flags == DISPATCH_PROPERTYGET ? " get"
                                                             : " other"));
    if (result) VariantInit(result);
    return it->second(flags, params, result);
  }

 private:
  std::vector<std::string>& calls_;
};

HRESULT ReturnObject(VARIANT* result, FakeObject* object) {
  if (!object) {
    result->vt = VT_DISPATCH;
    result->pdispVal = nullptr;
    return S_OK;
  }
  result->vt = VT_DISPATCH;
  result->pdispVal = object;
  object->AddRef();
  return S_OK;
}

struct Case {
  const char* what;
  int busyPolls;           // InProgress answers true this many times
  int trackCount;          // Tracks.Count
  bool addFileGivesNull;   // AddFile answers no operation
  HRESULT addFileResult;   // what AddFile returns
  const wchar_t* missing;  // a member the fake does not have
  int wantExit;
  int wantSleeps;
};

class Automation : public ::testing::TestWithParam<Case> {};

TEST_P(Automation, AddsThroughTheLibraryPlaylistAndWaitsForTheOperation) {
  const Case& c = GetParam();
  std::vector<std::string> calls;
  FakeObject app(calls), playlist(calls), status(calls), tracks(calls);
  std::wstring receivedPath;
  VARTYPE receivedType = VT_EMPTY;
  UINT receivedCount = 0;
  int polls = 0;
  app.members[L"LibraryPlaylist"] = [&](WORD, DISPPARAMS*, VARIANT* r) {
    return ReturnObject(r, &playlist);
  };
  playlist.members[L"AddFile"] = [&](WORD, DISPPARAMS* p, VARIANT* r) {
    receivedCount = p->cArgs;
    if (p->cArgs >= 1) {
      receivedType = p->rgvarg[0].vt;
      if (receivedType == VT_BSTR) receivedPath = p->rgvarg[0].bstrVal;
    }
    if (FAILED(c.addFileResult)) return c.addFileResult;
    return ReturnObject(r, c.addFileGivesNull ? nullptr : &status);
  };
  status.members[L"InProgress"] = [&](WORD, DISPPARAMS*, VARIANT* r) {
    r->vt = VT_BOOL;
    r->boolVal = polls++ < c.busyPolls ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  };
  status.members[L"Tracks"] = [&](WORD, DISPPARAMS*, VARIANT* r) {
    return ReturnObject(r, &tracks);
  };
  tracks.members[L"Count"] = [&](WORD, DISPPARAMS*, VARIANT* r) {
    r->vt = VT_I4;
    r->lVal = c.trackCount;
    return S_OK;
  };
  for (FakeObject* o : {&app, &playlist, &status, &tracks})
    o->members.erase(c.missing ? c.missing : L"");

  int sleeps = 0;
  WaitPolicy wait;
  wait.pollMilliseconds = 100;
  wait.limitMilliseconds = 1000;
  wait.sleep = [&](int ms) {
    EXPECT_EQ(ms, 100);
    ++sleeps;
  };
  const std::wstring path = L"F:\\Music\\𠮷野 한국.mp3";
  Outcome outcome = AddFileToLibrary(&app, path, wait);

  EXPECT_EQ(outcome.exitCode, c.wantExit) << c.what << ": " << outcome.reason;
  EXPECT_EQ(outcome.reason.empty(), c.wantExit == kAdded) << c.what;
  EXPECT_EQ(outcome.reason.find('\n'), std::string::npos) << c.what;
  EXPECT_EQ(sleeps, c.wantSleeps) << c.what;
  bool addFileCalled = std::find(calls.begin(), calls.end(), "AddFile method") != calls.end();
  EXPECT_TRUE(addFileCalled || c.wantExit != kAdded) << c.what;
  if (addFileCalled) {
    EXPECT_EQ(receivedCount, 1u) << c.what;
    EXPECT_EQ(receivedType, VT_BSTR) << c.what;
    EXPECT_TRUE(receivedPath == path) << c.what;
  }
  if (!calls.empty()) EXPECT_EQ(calls[0], "LibraryPlaylist get") << c.what;
  if (calls.size() > 1) EXPECT_EQ(calls[1], "AddFile method") << c.what;
  // Every reference the sequence took is given back.
  for (FakeObject* o : {&app, &playlist, &status, &tracks}) EXPECT_EQ(o->refs, 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Automation,
    ::testing::Values(
        Case{"added at once", 0, 1, false, S_OK, nullptr, kAdded, 0},
        Case{"added after three busy looks", 3, 2, false, S_OK, nullptr, kAdded, 3},
        Case{"no track added", 0, 0, false, S_OK, nullptr, kNotAdded, 0},
        Case{"no operation returned", 0, 1, true, S_OK, nullptr, kNotAdded, 0},
        Case{"AddFile fails", 0, 1, false, E_FAIL, nullptr, kNotAdded, 0},
        Case{"never finishes within the limit", 1000, 1, false, S_OK, nullptr, kNotAdded, 10},
        Case{"no LibraryPlaylist", 0, 1, false, S_OK, L"LibraryPlaylist", kNotAdded, 0},
        Case{"no Tracks", 0, 1, false, S_OK, L"Tracks", kNotAdded, 0}));

// addfile.exe run for real. The test program is a Windows program: the build's path of
// addfile.exe is reached through drive Z:, Wine's drive of the Unix root.
std::wstring AddFileExe() {
  std::string unix = KEROVIA_ADDFILE_EXE;
  std::wstring path = L"Z:";
  for (char ch : unix) path += ch == '/' ? L'\\' : static_cast<wchar_t>(ch);
  return path;
}

struct RunResult {
  DWORD exitCode = 0xFFFFFFFF;
  std::string errorOutput;
};

// Standard error goes to a file: the reason is read once the program has ended.
RunResult RunAddFile(const std::wstring& arguments) {
  wchar_t tempPath[MAX_PATH + 1];
  GetTempPathW(MAX_PATH + 1, tempPath);
  std::wstring errorFile = std::wstring(tempPath) + L"kerovia-addfile-stderr.txt";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  // Shared every way: a helper process Wine starts meanwhile may inherit the handle too.
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE error =
      CreateFileW(errorFile.c_str(), GENERIC_WRITE, share, &inherit, CREATE_ALWAYS, 0, nullptr);
  RunResult result;
  if (error == INVALID_HANDLE_VALUE) return result;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdError = error;
  std::wstring line = L"\"" + AddFileExe() + L"\"" + arguments;
  PROCESS_INFORMATION info{};
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &info)) {
    WaitForSingleObject(info.hProcess, 60000);
    GetExitCodeProcess(info.hProcess, &result.exitCode);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
  }
  CloseHandle(error);
  HANDLE in =
      CreateFileW(errorFile.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
  char buffer[1024];
  DWORD got = 0;
  while (in != INVALID_HANDLE_VALUE && ReadFile(in, buffer, sizeof buffer, &got, nullptr) &&
         got > 0)
    result.errorOutput.append(buffer, got);
  if (in != INVALID_HANDLE_VALUE) CloseHandle(in);
  DeleteFileW(errorFile.c_str());
  return result;
}

TEST(AddFileProgram, IsAWindowsGuiProgram) {
  HANDLE file = CreateFileW(AddFileExe().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  std::vector<char> head(4096);
  DWORD got = 0;
  ReadFile(file, head.data(), static_cast<DWORD>(head.size()), &got, nullptr);
  CloseHandle(file);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(head.data());
  ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS64*>(head.data() + dos->e_lfanew);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

TEST(AddFileProgram, ExitCodesForRealRuns) {
  wchar_t tempPath[MAX_PATH + 1];
  GetTempPathW(MAX_PATH + 1, tempPath);
  std::wstring media = std::wstring(tempPath) + L"kerovia addfile 𠮷.mp3";
  HANDLE f = CreateFileW(media.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE) << GetLastError();
  CloseHandle(f);
  struct RunCase {
    const char* what;
    std::wstring arguments;
    DWORD want;
  } cases[] = {
      {"no argument", L"", kBadArguments},
      {"two arguments", L" \"" + media + L"\" extra", kBadArguments},
      {"an empty path", L" \"\"", kBadArguments},
      {"a missing file", L" \"" + std::wstring(tempPath) + L"kerovia-missing.mp3\"", kNotAdded},
      {"no iTunes here", L" \"" + media + L"\"", kITunesUnavailable},
  };
  for (const auto& c : cases) {
    RunResult run = RunAddFile(c.arguments);
    EXPECT_EQ(run.exitCode, c.want) << c.what;
    // One line of reason on standard error.
    ASSERT_FALSE(run.errorOutput.empty()) << c.what;
    EXPECT_EQ(run.errorOutput.find('\n'), run.errorOutput.size() - 1)
        << c.what << ": " << run.errorOutput;
    EXPECT_EQ(run.errorOutput.rfind("addfile: ", 0), 0u) << c.what;
  }
  DeleteFileW(media.c_str());
}

}  // namespace
}  // namespace kerovia::addfile
