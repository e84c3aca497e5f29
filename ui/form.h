#pragma once

#include <functional>
#include <string>

#include "ui/container.h"

namespace kerovia::ui {

class Application;

// A borderless form: dragged by any point of its own surface, dropped files accepted and
// ignored, optionally above every other window. Owned by the application's window.
class Form : public Container {
 public:
  struct Options {
    std::string caption;
    int left = 0, top = 0;
    int clientWidth = 0, clientHeight = 0;
    bool alwaysOnTop = false;
  };
  Form(Application& app, const Options& options);
  ~Form() override;

  int Left() const;
  int Top() const;
  void SetPosition(int left, int top);
  int Width() const;
  int Height() const;

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  bool IsVisible() const;
  void Show();
  void Hide();
  // Asks the form to close: OnClose runs, the form hides, and the main form ends the run.
  void Close();
  // Paints the window and its children now.
  void Repaint();
  // Registers the window for files dropped from the shell (they are ignored).
  void AcceptDroppedFiles();

  std::function<void()> OnActivate;
  std::function<void()> OnClose;

  Application& App() const { return app_; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  Application& app_;
  int tag_ = 0;
};

}  // namespace kerovia::ui
