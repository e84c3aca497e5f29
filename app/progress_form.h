#pragma once

#include "inventory/progress_view.h"
#include "ui/fade_button.h"
#include "ui/form.h"
#include "ui/gradient_progress_bar.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/shape.h"

namespace kerovia {

// Progresswindow1: the floating progress card of the scan and the backups. Its Tag is the
// backups' cancel flag.
class TProgressForm1 : public ui::Form, public ProgressView {
 public:
  static constexpr int kClientWidth = 401;
  static constexpr int kClientHeight = 90;

  // `centreOver` is the window the card is centred over the first time it is shown.
  TProgressForm1(ui::Application& app, const ui::Form& centreOver);

  // ProgressView
  void SetStatus(const std::string& text) override;
  void SetBarStartColour(std::uint32_t rgb) override;
  int Position(Bar bar) const override;
  void SetPosition(Bar bar, int position) override;
  void RepaintBars() override;
  void Show() override;
  void Close() override;
  void Repaint() override;
  int Tag() const override { return ui::Form::Tag(); }
  void SetTag(int tag) override { ui::Form::SetTag(tag); }

  void Button1Click();

  ui::GradientProgressBar& BarOf(Bar bar);

  // Controls, in painting order.
  ui::Shape Shape0;
  ui::Label Label0;
  ui::Label Label1;
  ui::Label Label2;
  ui::Label ShadowLabel1;
  ui::GradientProgressBar ProgressBar1;
  ui::GradientProgressBar ProgressBar2;
  ui::GradientProgressBar ProgressBar3;
  ui::Panel Panel1;
  ui::FadeButton Button1;

 private:
  const ui::Form& centreOver_;
  bool shownBefore_ = false;
};

}  // namespace kerovia
