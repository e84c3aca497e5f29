#include "app/main_form.h"

#include <windows.h>

#include "app/app_paths.h"
#include "app/colours.h"
#include "backup/folder_backup.h"
#include "backup/itunes_backup.h"
#include "inventory/refresh.h"
#include "platform/win32/services.h"
#include "settings/kerovia_settings.h"
#include "ui/application.h"

namespace kerovia {

using namespace app;
using ui::FadeButton;
using ui::Label;
using ui::Panel;

namespace {

Label::Style Text(const ui::FontSpec& font, ui::Rgb color = kDarkGrey) {
  Label::Style s;
  s.font = font;
  s.color = color;
  s.autoSize = true;
  return s;
}

Label::Style Wrapped(const ui::FontSpec& font) {
  Label::Style s = Text(font);
  s.wordWrap = true;
  s.autoSize = false;
  return s;
}

Label::Style TitleText() {
  Label::Style s = Text(kTitleFont, kWhite);
  s.transparent = false;
  s.background = kGreen;
  return s;
}

Label::Style FieldCaption() {
  Label::Style s = Text(kBody11Bold);
  s.align = Label::Align::Right;
  s.shadow = true;
  return s;
}

Label::Style HiddenText() {
  return Text(kBody11);
}

FadeButton::Style TitleButton() {
  FadeButton::Style s = InstantButton(kTitleFont);
  s.color = kBrightGreen;
  s.fadeOnOver = true;
  s.fadeOnLeave = true;
  return s;
}

FadeButton::Style BackupButton() {
  return InstantButton(kBody12Bold, 2);
}

FadeButton::Style LinkButton() {
  FadeButton::Style s;
  s.color = kWhite;
  s.destColor = kWhite;
  s.borderColor = kWhite;
  s.borderDestColor = kWhite;
  s.captionOverColor = kBlue;
  s.showBorder = false;
  s.font = kLinkFont;
  s.fontColor = kDarkGrey;
  return s;
}

std::unique_ptr<Services> RealServices(HWND owner) {
  return std::make_unique<win32::Win32Services>(owner);
}

}  // namespace

MainFormActions MainFormActions::Real() {
  MainFormActions a;
  a.refresh = [](TMainForm1& f) { Refresh(f, f.Progress(), f.Files, f.GetServices()); };
  a.backupToITunes = [](TMainForm1& f) {
    BackupToITunes(f.Files, f, f.Progress(), f.GetServices(), f.App().Title());
  };
  a.backupToFolder = [](TMainForm1& f) {
    BackupToFolder(f.Files, f, f.Progress(), f.GetServices(), f.App().Title());
  };
  a.loadSettings = [](TMainForm1& f) { LoadSettings(f.SettingsFile(), f); };
  a.saveSettings = [](TMainForm1& f) { SaveSettings(f.SettingsFile(), f, f.Args()); };
  return a;
}

// clang-format off
TMainForm1::TMainForm1(ui::Application& app, MainFormEnvironment environment)
    : ui::Form(app, {.caption = "Kerovia", .left = 20, .top = 20,
                     .clientWidth = kClientWidth, .clientHeight = kClientHeight}),
      //            parent    left  top  width height  content and look
      Shape9      (*this,       0,   0,  326,  25,  kGreen, kBlack, 1),
      Shape0      (*this,       0,  23,  326, 323,  kWhite, kGrey, 2),
      Label1      (*this,       8,   6,  130,  14,  "◆ Kerovia ver.1.0", TitleText()),
      Shape1      (*this,       8, 120,  312, 120,  kSilver, kSilver, 1),
      Shape3      (*this,       8, 248,  312,  88,  kSilver, kSilver, 1),
      Label0_2    (*this,      16,  68,  300,  34,  "●iTunesの編集⇒設定⇒詳細タブより「ライブラリへの追加時にファイルを [iTunes Music] フォルダにコピーする」にチェックしてください。", Wrapped(kBody11)),
      Label0_1    (*this,      12,  36,   88,  11,  "【ご使用前の設定】", Text(kBody11)),
      Label2      (*this,      16,  52,  308,  11,  "●Android本体を｢本体のメモリーカードに接続｣に設定してください。", Text(kBody11)),
      Label4      (*this,      14, 104,  222,  11,  "●iTunesへは写真のバックアップができません。", Text(kBody11)),
      Panel0      (*this,     216,   2,  104,  20,  kGreen),
      Panel1      (*this,       6, 118,  312, 120,  kCream, Panel::Bevel::RaisedLowered),
      Panel3      (*this,       6, 246,  312,  88,  kCream, Panel::Bevel::RaisedLowered),
      Panel2      (*this,     252,  32,   66,  12,  kWhite),
      Button4     (Panel0,      0,   0,   40,  20,  "info.", TitleButton()),
      Button3     (Panel0,     44,   0,   20,  20,  "?", TitleButton()),
      Button2     (Panel0,     64,   0,   20,  20,  "_", TitleButton()),
      Button1     (Panel0,     84,   0,   20,  20,  "×", TitleButton()),
      L0_01       (Panel1,     15,  12,   97,  11,  "Android本体接続-", FieldCaption()),
      L0_02       (Panel1,      7,  32,  105,  11,  "バックアップ対象数-", FieldCaption()),
      ShadowLabel1(Panel1,     19,  56,   93,  11,  "バックアップ対象-", FieldCaption()),
      L0_02_1     (Panel1,    260,  32,   30,  11,  "(0 MB)", HiddenText()),
      Button12    (Panel1,    260,   8,   40,  20,  "更新", InstantButton(kBody11)),
      C0_01       (Panel1,    116,   8,  140,  19,  kBody11, kDarkGrey),
      C0_02       (Panel1,    116,  28,  140,  19,  kBody11, kDarkGrey),
      RadioButton1(Panel1, Category, 116,  52, 160, 17, "ミュージック＋ムービー＋写真", kBody11, kDarkGrey, kCream),
      RadioButton2(Panel1, Category, 116,  68, 160, 17, "ミュージックのみ", kBody11, kDarkGrey, kCream),
      RadioButton3(Panel1, Category, 116,  84, 160, 17, "ムービーのみ", kBody11, kDarkGrey, kCream),
      RadioButton4(Panel1, Category, 116, 100, 160, 17, "写真のみ", kBody11, kDarkGrey, kCream),
      Button10    (Panel3,     12,  12,  142,  40,  "iTunes へバックアップ", BackupButton()),
      Button11    (Panel3,    160,  12,  142,  40,  "フォルダへバックアップ", BackupButton()),
      Label3      (Panel3,     20,  60,  276,  21,  "※バックアップ中は PCからAndroid本体を取り外したり、iTunesの操作を行なわないでください。", Wrapped(kBody11)),
      Button13    (Panel2,      0,   0,   66,  12,  "iTunesを開く", LinkButton()),
      environment_(std::move(environment)) {
  // clang-format on
  SetColor(kWhite);
  L0_02_1.SetVisible(false);
  RadioButton1.SetChecked(true);
  Button10.SetEnabled(false);
  Button11.SetEnabled(false);

  Button4.SetHint(" ソフトウェア情報");
  Button3.SetHint(" ユーザーズガイド");
  Button2.SetHint(" 最小化");
  Button1.SetHint(" 閉じる");
  Button12.SetHint(" Android本体接続の更新");
  Button10.SetHint(" バックアップ開始");
  Button11.SetHint(" バックアップ開始");
  Button13.SetHint(" iTunesを開く");

  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button10.OnClick = [this] { Button10Click(); };
  Button11.OnClick = [this] { Button11Click(); };
  Button12.OnClick = [this] { Button12Click(); };
  Button13.OnClick = [this] { Button13Click(); };
  for (ui::RadioButton* radio : Category.Buttons())
    radio->OnClick = [this] { RadioButton1Click(); };
  OnActivate = [this] { FormActivate(); };
  OnClose = [this] { FormClose(); };

  // Construction proper.
  services_ = environment_.makeServices ? environment_.makeServices(hwnd()) : RealServices(hwnd());
  AcceptDroppedFiles();
  // Probing drives without media must never show a system message box.
  SetErrorMode(SEM_FAILCRITICALERRORS);
  AppDir = AppDirOf(environment_.exePath);
  Files.WriteHeader();
}

TMainForm1::~TMainForm1() = default;

std::string TMainForm1::SettingsFile() const {
  return SettingsPath(environment_.exePath);
}

ui::RadioButton& TMainForm1::Radio(int index) {
  return *Category.Buttons().at(static_cast<size_t>(index));
}

const ui::RadioButton& TMainForm1::Radio(int index) const {
  return *Category.Buttons().at(static_cast<size_t>(index));
}

std::string TMainForm1::DeviceText() const {
  return C0_01.Text();
}
void TMainForm1::SetDeviceText(const std::string& text) {
  C0_01.SetText(text);
}
std::string TMainForm1::DeviceRoot() const {
  return C0_01.Hint();
}
void TMainForm1::SetDeviceRoot(const std::string& root) {
  C0_01.SetHint(root);
}
void TMainForm1::SetCountText(const std::string& text) {
  C0_02.SetText(text);
}

void TMainForm1::SetBackupButtons(bool enabled, std::uint32_t captionRgb) {
  for (FadeButton* button : {&Button10, &Button11}) {
    button->SetEnabled(enabled);
    button->SetCaptionColor(ui::FromHex(captionRgb));
  }
}

bool TMainForm1::RadioChecked(int index) const {
  return Radio(index).Checked();
}

void TMainForm1::SetRadioChecked(int index, bool checked) {
  Radio(index).SetChecked(checked);
}

bool TMainForm1::IsVisibleOnSomeMonitor(int left, int top) const {
  const RECT r{left, top, left + Width(), top + Height()};
  return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

void TMainForm1::Repaint() {
  ui::Form::Repaint();
}
void TMainForm1::Show() {
  ui::Form::Show();
}
void TMainForm1::Hide() {
  ui::Form::Hide();
}

void TMainForm1::FormActivate() {
  // Later activations (the progress card closing, for one) do nothing.
  if (ui::Form::Tag() != 0) return;
  environment_.actions.loadSettings(*this);
  if (Files.StringGrid1.RowCount() < 2) Files.StringGrid1.SetRowCount(2);
  Files.StringGrid1.SetFixedRows(1);
  // Before the refresh: the activations the progress card causes during it are ignored.
  SetTag(1);
  Repaint();
  environment_.actions.refresh(*this);
}

void TMainForm1::FormClose() {
  environment_.actions.saveSettings(*this);
}

void TMainForm1::Button1Click() {
  Close();
}

void TMainForm1::Button2Click() {
  App().Minimize();
}

void TMainForm1::Button3Click() {
  services_->ShellOpen(UserGuidePath(AppDir));
}

void TMainForm1::Button4Click() {
  services_->ShellOpen(InfoPageAddress(environment_.infoHost, environment_.exePath));
}

void TMainForm1::Button13Click() {
  services_->ShellOpen("iTunes.exe");
}

void TMainForm1::Button12Click() {
  environment_.actions.refresh(*this);
}

void TMainForm1::RadioButton1Click() {
  environment_.actions.refresh(*this);
}

void TMainForm1::Button10Click() {
  environment_.actions.backupToITunes(*this);
}

void TMainForm1::Button11Click() {
  environment_.actions.backupToFolder(*this);
}

}  // namespace kerovia
