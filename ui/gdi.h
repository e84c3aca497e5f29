#pragma once

// Scope guards for GDI: every object selected into a DC is put back, every object made is
// deleted, on every path out of a paint.

#include <windows.h>

#include "ui/logic/colour.h"

namespace kerovia::ui {

inline COLORREF ToColorRef(Rgb c) {
  return RGB(c.r, c.g, c.b);
}
inline Rgb FromColorRef(COLORREF c) {
  return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
}

// Owns one GDI object.
template <typename Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~GdiObject() {
    if (handle_) DeleteObject(handle_);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      if (handle_) DeleteObject(handle_);
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  Handle get() const { return handle_; }
  operator Handle() const { return handle_; }

 private:
  Handle handle_;
};

// Selects an object into a DC for the guard's lifetime.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory DC with a bitmap of its own, compatible with `reference`.
class MemoryCanvas {
 public:
  MemoryCanvas(HDC reference, int width, int height)
      : dc_(CreateCompatibleDC(reference)),
        bitmap_(CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1)),
        select_(dc_, bitmap_) {}
  ~MemoryCanvas() = default;
  HDC dc() const { return dc_.dc; }
  HBITMAP bitmap() const { return bitmap_; }

 private:
  struct OwnedDc {
    explicit OwnedDc(HDC d) : dc(d) {}
    ~OwnedDc() { DeleteDC(dc); }
    operator HDC() const { return dc; }
    HDC dc;
  };
  OwnedDc dc_;
  GdiObject<HBITMAP> bitmap_;
  ScopedSelect select_;
};

// A solid rectangle.
inline void FillSolid(HDC dc, const RECT& rect, Rgb colour) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(colour)));
  FillRect(dc, &rect, brush);
}

// A rectangle filled with `fill` inside an outline `width` pixels wide, all of it inside rect.
inline void FramedRect(HDC dc, const RECT& rect, Rgb fill, Rgb outline, int width) {
  if (width > 0) FillSolid(dc, rect, outline);
  RECT inner{rect.left + width, rect.top + width, rect.right - width, rect.bottom - width};
  if (inner.right > inner.left && inner.bottom > inner.top) FillSolid(dc, inner, fill);
}

// A 1 px bevel: `topLeft` along the top and left edges, `bottomRight` along the others.
inline void Bevel(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  GdiObject<HBRUSH> tl(CreateSolidBrush(topLeft));
  GdiObject<HBRUSH> br(CreateSolidBrush(bottomRight));
  RECT top{r.left, r.top, r.right - 1, r.top + 1};
  RECT left{r.left, r.top, r.left + 1, r.bottom - 1};
  RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
  RECT right{r.right - 1, r.top, r.right, r.bottom};
  FillRect(dc, &top, tl);
  FillRect(dc, &left, tl);
  FillRect(dc, &bottom, br);
  FillRect(dc, &right, br);
}

}  // namespace kerovia::ui
