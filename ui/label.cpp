#include "ui/label.h"

#include "platform/win32/wide.h"
#include "ui/gdi.h"

namespace kerovia::ui {

Label::Label(Container& parent, int left, int top, int width, int height, std::string text,
             const Style& style)
    : Control(parent, left, top, width, height), text_(std::move(text)), style_(style) {
  if (style_.autoSize) FitToText();
}

void Label::SetText(std::string text) {
  text_ = std::move(text);
  if (style_.autoSize) FitToText();
  Invalidate();
}

void Label::FitToText() {
  const SIZE size = MeasureText(style_.font, text_, style_.wordWrap ? Width() : 0);
  const int shadow = style_.shadow ? 1 : 0;
  const int width = style_.wordWrap ? Width() : size.cx + shadow;
  const int height = size.cy + shadow;
  const int left = style_.align == Align::Right ? Left() + Width() - width : Left();
  SetBounds(left, Top(), width, height);
}

void Label::Paint(HDC dc) {
  const RECT bounds = Bounds();
  if (!style_.transparent) FillSolid(dc, bounds, style_.background);
  const std::wstring text = win32::Widen(text_);
  ScopedSelect font(dc, GetFont(style_.font));
  SetBkMode(dc, TRANSPARENT);
  UINT flags = DT_TOP | DT_NOPREFIX;
  flags |= style_.wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  flags |= style_.align == Align::Right    ? DT_RIGHT
           : style_.align == Align::Center ? DT_CENTER
                                           : DT_LEFT;
  const int shadow = style_.shadow ? 1 : 0;
  if (style_.shadow) {
    RECT r{bounds.left + 1, bounds.top + 1, bounds.right, bounds.bottom};
    SetTextColor(dc, ToColorRef(kShadowSilver));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
  }
  RECT r{bounds.left, bounds.top, bounds.right - shadow, bounds.bottom - shadow};
  SetTextColor(dc, ToColorRef(style_.color));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
}

}  // namespace kerovia::ui
