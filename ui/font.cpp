#include "ui/font.h"

#include <memory>
#include <vector>

#include "platform/win32/wide.h"
#include "ui/gdi.h"

namespace kerovia::ui {

using win32::Widen;

namespace {

struct CachedFont {
  FontSpec spec;
  GdiObject<HFONT> font;
};

std::vector<std::unique_ptr<CachedFont>>& Cache() {
  static std::vector<std::unique_ptr<CachedFont>> cache;
  return cache;
}

}  // namespace

HFONT GetFont(const FontSpec& spec) {
  for (const auto& cached : Cache())
    if (cached->spec == spec) return cached->font;
  LOGFONTW lf{};
  lf.lfHeight = -spec.pixelHeight;  // character height in pixels
  lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfUnderline = spec.underline ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = Widen(spec.face);
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  auto entry = std::make_unique<CachedFont>();
  entry->spec = spec;
  entry->font = GdiObject<HFONT>(CreateFontIndirectW(&lf));
  HFONT handle = entry->font;
  Cache().push_back(std::move(entry));
  return handle;
}

SIZE MeasureText(const FontSpec& spec, const std::string& text, int wrapWidth) {
  HDC screen = GetDC(nullptr);
  SIZE size{0, 0};
  {
    ScopedSelect font(screen, GetFont(spec));
    const std::wstring wide = Widen(text);
    RECT rect{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
    UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_LEFT | DT_TOP;
    flags |= wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE;
    if (wide.empty()) {
      TEXTMETRICW tm{};
      GetTextMetricsW(screen, &tm);
      size.cy = tm.tmHeight;
    } else {
      DrawTextW(screen, wide.c_str(), static_cast<int>(wide.size()), &rect, flags);
      size.cx = rect.right - rect.left;
      size.cy = rect.bottom - rect.top;
    }
  }
  ReleaseDC(nullptr, screen);
  return size;
}

}  // namespace kerovia::ui
