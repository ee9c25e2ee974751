// What the help tests share: a private desktop (XDG data and config
// directories of our own, so GIO sees only the associations a test sets up,
// never the user's), a recorder of message boxes, and small file and
// process helpers.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace testing_help {

enum class Viewer { Recording, None };

class DesktopSandbox {
 public:
  // Points the XDG variables of this process at a new temporary tree. GIO
  // reads them once, so create the sandbox before the first open request
  // and keep one kind per test process.
  explicit DesktopSandbox(Viewer viewer);
  ~DesktopSandbox();
  DesktopSandbox(const DesktopSandbox&) = delete;
  DesktopSandbox& operator=(const DesktopSandbox&) = delete;

  // A scratch folder inside the sandbox, emptied between uses.
  const std::filesystem::path& Scratch() const { return scratch_; }
  void ClearScratch() const;

  // The paths the recording viewer has been started with, in order, once
  // count of them have arrived (or what arrived within ten seconds).
  std::vector<std::string> WaitForOpened(std::size_t count) const;
  std::vector<std::string> Opened() const;
  void ForgetOpened() const;

 private:
  std::filesystem::path root_;
  std::filesystem::path scratch_;
  std::filesystem::path record_;
};

// Writes a small file, creating its folder.
void WriteFile(const std::filesystem::path& path, const std::string& text);

// What a /bin/sh command line prints on standard output.
std::string StdoutOf(const std::string& command);

// The box shown when the desktop opens neither name.
inline constexpr char16_t kBrowserWarning[] =
    u"ヘルプを表示するにはＨＴＭＬ対応のブラウザが必要です。\r"
    u" インターネットエクスプローラなどを準備してください。\r"
    u"   とりあえず 表示しますが、正しく表示できません";

struct Message {
  std::u16string text;
  ui::MessageIcon icon;
  friend bool operator==(const Message&, const Message&) = default;
};

// Records ShowMessage calls, the one operation the help launcher uses; the
// rest of the window is inert.
class MessageRecorder : public ui::Toolkit {
 public:
  void ShowMessage(const std::u16string& text, ui::MessageIcon icon) override {
    messages.push_back({text, icon});
  }
  std::vector<Message> messages;

  std::u16string Text(ui::Control) const override { return {}; }
  void SetText(ui::Control, const std::u16string&) override {}
  void SetEnabled(ui::Control, bool) override {}
  void SetTop(ui::Control, ui::Twips) override {}
  void SetWidth(ui::Control, ui::Twips) override {}
  bool IsSelected(ui::OptionArray, int) const override { return false; }
  void Select(ui::OptionArray, int) override {}
  void PostTab() override {}
  ui::TwipsSize ScreenSize() const override { return {}; }
  ui::TwipsSize WindowSize() const override { return {}; }
  void SetWindowPosition(float, float) override {}
  void SetTitle(const std::u16string&) override {}
  void ProcessEvents() override {}
  void EndProgram() override {}
};

}  // namespace testing_help
