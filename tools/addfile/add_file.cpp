#include "tools/addfile/add_file.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "platform/win32/wide.h"

namespace kerovia::addfile {

namespace {

// Owns one reference of an IDispatch.
class DispatchRef {
 public:
  DispatchRef() = default;
  explicit DispatchRef(IDispatch* p) : p_(p) {}
  ~DispatchRef() {
    if (p_) p_->Release();
  }
  DispatchRef(const DispatchRef&) = delete;
  DispatchRef& operator=(const DispatchRef&) = delete;
  IDispatch* get() const { return p_; }
  IDispatch** out() { return &p_; }

 private:
  IDispatch* p_ = nullptr;
};

// Clears a VARIANT when it goes.
struct Variant {
  VARIANT v;
  Variant() { VariantInit(&v); }
  ~Variant() { VariantClear(&v); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
};

std::string HresultText(const char* what, HRESULT hr) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  return std::string(what) + " (" + code + ")";
}

// Late-bound call of a member by name; `args` in the order of the member's parameters.
HRESULT Call(IDispatch* object, const wchar_t* name, WORD flags, VARIANT* args, UINT argCount,
             VARIANT* result, std::string& reason) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) {
    reason = HresultText(("iTunes に " + win32::Narrow(name) + " がありません").c_str(), hr);
    return hr;
  }
  // IDispatch takes the arguments last to first.
  std::vector<VARIANT> reversed(args, args + argCount);
  for (UINT i = 0; i < argCount; ++i) reversed[i] = args[argCount - 1 - i];
  DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, argCount, 0};
  EXCEPINFO exception{};
  UINT argError = 0;
  hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception,
                      &argError);
  if (exception.bstrSource) SysFreeString(exception.bstrSource);
  if (exception.bstrHelpFile) SysFreeString(exception.bstrHelpFile);
  std::string description;
  if (exception.bstrDescription) {
    description = win32::Narrow(exception.bstrDescription);
    SysFreeString(exception.bstrDescription);
  }
  if (FAILED(hr)) {
    std::string what = "iTunes の " + win32::Narrow(name) + " が失敗しました";
    if (!description.empty()) what += ": " + description;
    reason = HresultText(what.c_str(), hr);
  }
  return hr;
}

// A property that is an object; nullptr (with a reason) when it is not one.
bool GetObject(IDispatch* object, const wchar_t* name, DispatchRef& value, std::string& reason) {
  Variant result;
  if (FAILED(Call(object, name, DISPATCH_PROPERTYGET, nullptr, 0, &result.v, reason))) return false;
  if (result.v.vt != VT_DISPATCH || !result.v.pdispVal) {
    reason = "iTunes の " + win32::Narrow(name) + " が得られませんでした";
    return false;
  }
  *value.out() = result.v.pdispVal;
  result.v.pdispVal->AddRef();
  return true;
}

bool GetNumber(IDispatch* object, const wchar_t* name, VARTYPE type, Variant& value,
               std::string& reason) {
  if (FAILED(Call(object, name, DISPATCH_PROPERTYGET, nullptr, 0, &value.v, reason))) return false;
  if (FAILED(VariantChangeType(&value.v, &value.v, 0, type))) {
    reason = "iTunes の " + win32::Narrow(name) + " が読めませんでした";
    return false;
  }
  return true;
}

}  // namespace

Outcome AddFileToLibrary(IDispatch* itunes, const std::wstring& path, const WaitPolicy& wait) {
  Outcome outcome;
  DispatchRef playlist;
  if (!GetObject(itunes, L"LibraryPlaylist", playlist, outcome.reason)) return outcome;

  Variant argument;
  argument.v.vt = VT_BSTR;
  argument.v.bstrVal = SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
  Variant operation;
  if (FAILED(Call(playlist.get(), L"AddFile", DISPATCH_METHOD, &argument.v, 1, &operation.v,
                  outcome.reason)))
    return outcome;
  if (operation.v.vt != VT_DISPATCH || !operation.v.pdispVal) {
    outcome.reason = "iTunes がファイルを受け付けませんでした";
    return outcome;
  }
  IDispatch* status = operation.v.pdispVal;

  for (int waited = 0;; waited += wait.pollMilliseconds) {
    Variant inProgress;
    if (!GetNumber(status, L"InProgress", VT_BOOL, inProgress, outcome.reason)) return outcome;
    if (inProgress.v.boolVal == VARIANT_FALSE) break;
    if (waited >= wait.limitMilliseconds) {
      outcome.reason = "iTunes の追加が終わりませんでした";
      return outcome;
    }
    if (wait.sleep) wait.sleep(wait.pollMilliseconds);
  }

  DispatchRef tracks;
  if (!GetObject(status, L"Tracks", tracks, outcome.reason)) return outcome;
  Variant count;
  if (!GetNumber(tracks.get(), L"Count", VT_I4, count, outcome.reason)) return outcome;
  if (count.v.lVal < 1) {
    outcome.reason = "iTunes に曲が追加されませんでした";
    return outcome;
  }
  outcome.exitCode = kAdded;
  return outcome;
}

Outcome AddFileToITunes(const std::wstring& path, const WaitPolicy& wait) {
  CLSID clsid;
  HRESULT hr = CLSIDFromProgID(L"iTunes.Application", &clsid);
  if (FAILED(hr)) return {kITunesUnavailable, HresultText("iTunes が見つかりません", hr)};
  DispatchRef itunes;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch,
                        reinterpret_cast<void**>(itunes.out()));
  if (FAILED(hr) || !itunes.get())
    return {kITunesUnavailable, HresultText("iTunes を起動できません", hr)};
  return AddFileToLibrary(itunes.get(), path, wait);
}

void PumpingSleep(int milliseconds) {
  DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    DWORD now = GetTickCount();
    if (static_cast<int>(end - now) <= 0) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
  }
}

}  // namespace kerovia::addfile
