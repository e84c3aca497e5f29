#include "app/progress_form.h"

#include "app/colours.h"
#include "ui/logic/placement.h"

namespace kerovia {

using namespace app;
using ui::Label;

namespace {

Label::Style Caption(Label::Align align, const ui::FontSpec& font) {
  Label::Style s;
  s.font = font;
  s.color = kDarkGrey;
  s.align = align;
  s.autoSize = true;
  s.shadow = true;
  return s;
}

ui::FadeButton::Style CloseButton() {
  auto s = InstantButton(kTitleFont);
  return s;
}

constexpr int kMusicRange = 40000;
constexpr int kOtherRange = 4000;

}  // namespace

// clang-format off
TProgressForm1::TProgressForm1(ui::Application& app, const ui::Form& centreOver)
    : ui::Form(app, {.caption = "Progresswindow1", .left = 0, .top = 0,
                     .clientWidth = kClientWidth, .clientHeight = kClientHeight,
                     .alwaysOnTop = true}),
      //           control       left  top  width height  content
      Shape0      (*this,          0,   0,  400,  90,  kCream, kBlack, 1),
      Label0      (*this,         18,   8,  145,  12,  "Android本体解析中です...", Caption(Label::Align::Left, kBody12Bold)),
      Label1      (*this,          8,  28,  120,  11,  "ミュージックファイル数-", Caption(Label::Align::Right, kBody11Bold)),
      Label2      (*this,         21,  48,  107,  11,  "ムービーファイル数-", Caption(Label::Align::Right, kBody11Bold)),
      ShadowLabel1(*this,         44,  68,   84,  11,  "写真ファイル数-", Caption(Label::Align::Right, kBody11Bold)),
      ProgressBar1(*this,        132,  28,  260,  15,  kMusicRange, kGreen),
      ProgressBar2(*this,        132,  48,  260,  15,  kOtherRange, kGreen),
      ProgressBar3(*this,        132,  68,  260,  15,  kOtherRange, kGreen),
      Panel1      (*this,        376,   4,   20,  20,  kGrey),
      Button1     (Panel1,         0,   0,   20,  20,  "×", CloseButton()),
      centreOver_(centreOver) {
  // clang-format on
  SetColor(kWhite);
  Button1.SetHint(" 閉じる");
  Button1.OnClick = [this] { Button1Click(); };
}

void TProgressForm1::Button1Click() {
  SetTag(0);
  Close();
}

ui::GradientProgressBar& TProgressForm1::BarOf(Bar bar) {
  switch (bar) {
    case Bar::Music:
      return ProgressBar1;
    case Bar::Movie:
      return ProgressBar2;
    case Bar::Photo:
      break;
  }
  return ProgressBar3;
}

void TProgressForm1::SetStatus(const std::string& text) {
  Label0.SetText(text);
}

void TProgressForm1::SetBarStartColour(std::uint32_t rgb) {
  for (Bar bar : {Bar::Music, Bar::Movie, Bar::Photo}) BarOf(bar).SetStartColor(ui::FromHex(rgb));
}

int TProgressForm1::Position(Bar bar) const {
  return const_cast<TProgressForm1*>(this)->BarOf(bar).Position();
}

void TProgressForm1::SetPosition(Bar bar, int position) {
  BarOf(bar).SetPosition(position);
}

void TProgressForm1::RepaintBars() {
  for (Bar bar : {Bar::Music, Bar::Movie, Bar::Photo}) BarOf(bar).RedrawNow();
}

void TProgressForm1::Show() {
  if (!shownBefore_) {
    // The first time over the main window; later where the user left the card.
    const ui::Point at = ui::CentredOver(centreOver_.Left(), centreOver_.Top(), centreOver_.Width(),
                                         centreOver_.Height(), Width(), Height());
    ui::Form::SetPosition(at.x, at.y);
    shownBefore_ = true;
  }
  ui::Form::Show();
}

void TProgressForm1::Close() {
  Hide();
}

void TProgressForm1::Repaint() {
  ui::Form::Repaint();
}

}  // namespace kerovia
