// The help launcher on a desktop where nothing opens HTML documents.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "help_testing.h"
#include "text/utf8.h"
#include "ui/hhelp.h"

namespace {

namespace fs = std::filesystem;
using testing_help::Message;

TEST(OpenDocumentWithoutViewer, WarnsOnceAfterBothRequestsFail) {
  const testing_help::DesktopSandbox sandbox(testing_help::Viewer::None);
  const Message warning{testing_help::kBrowserWarning, ui::MessageIcon::Warning};
  const struct { const char* folder; const char* name; } cases[] = {
      {"Tools", "Tools/help"},
      {"Release.2", "Release.2/help"},
      {"Tools", "Tools/help.htm"},
  };
  for (const auto& c : cases) {
    sandbox.ClearScratch();
    const fs::path& dir = sandbox.Scratch();
    testing_help::WriteFile(dir / c.folder / "help.htm", "<p>help</p>\n");
    testing_help::MessageRecorder window;

    hhelp::OpenDocument(window, chars::FromUtf8((dir / c.name).native()));

    EXPECT_EQ(std::vector<Message>{warning}, window.messages) << c.name;
  }
  EXPECT_EQ(std::vector<std::string>{}, sandbox.Opened());
}

}  // namespace
