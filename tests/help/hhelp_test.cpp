// The help launcher against a real file system and a real GIO, with a
// recording viewer as the desktop's application for text/html.
#include "ui/hhelp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "help_testing.h"
#include "text/utf8.h"
#include "ui/shell_gio.h"

namespace {

namespace fs = std::filesystem;
using testing_help::DesktopSandbox;
using testing_help::WriteFile;

const DesktopSandbox& Sandbox() {
  static const DesktopSandbox sandbox(testing_help::Viewer::Recording);
  return sandbox;
}

std::u16string U16(const fs::path& path) { return chars::FromUtf8(path.native()); }

// The folder the probe names when run from this path.
std::string ProbeSays(const fs::path& executable) {
  std::string out = testing_help::StdoutOf("'" + executable.string() + "'");
  if (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

TEST(DirectoryOf, DropsTheLastComponentAndItsSlash) {
  const struct { std::u16string executable, want; } cases[] = {
      {u"/usr/lib/kalvenor/kalvenor", u"/usr/lib/kalvenor"},
      {u"/opt/Release.2/kalvenor", u"/opt/Release.2"},
      {u"/home/太郎/my tools/kalvenor", u"/home/太郎/my tools"},
      // At the root nothing is left, so "/help.htm" is built, not "//help.htm".
      {u"/kalvenor", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.want, hhelp::DirectoryOf(c.executable)) << chars::ToUtf8(c.executable);
  }
  EXPECT_EQ(u"/help.htm", hhelp::DirectoryOf(u"/kalvenor") + u"/help.htm");
}

// The probe is copied and linked to, then run; it must always name the
// folder that really holds it.
TEST(AppDirectory, IsTheRealFolderOfTheExecutable) {
  Sandbox().ClearScratch();
  const fs::path scratch = Sandbox().Scratch();
  const fs::path home = scratch / "日本語 の; \"folder\"";
  fs::create_directories(home);
  fs::copy_file(KALVENOR_PROBE, home / "probe");
  fs::create_directories(scratch / "bin");
  fs::create_symlink(home / "probe", scratch / "bin" / "probe");
  fs::create_symlink(scratch / "bin" / "probe", scratch / "chained");

  EXPECT_EQ(fs::path(KALVENOR_PROBE).parent_path().string(), ProbeSays(KALVENOR_PROBE));
  for (const fs::path& run : {home / "probe", scratch / "bin" / "probe", scratch / "chained"}) {
    EXPECT_EQ(home.string(), ProbeSays(run)) << run;
  }
}

TEST(FileExists, OnlyOrdinaryFilesCount) {
  Sandbox().ClearScratch();
  const fs::path dir = Sandbox().Scratch();
  WriteFile(dir / "file.htm", "<p>");
  fs::create_directories(dir / "folder.htm");
  fs::create_symlink(dir / "file.htm", dir / "link-to-file.htm");
  fs::create_symlink(dir / "folder.htm", dir / "link-to-folder.htm");
  fs::create_symlink(dir / "gone.htm", dir / "dangling.htm");
  const struct { const char* name; bool want; } cases[] = {
      {"file.htm", true},          {"link-to-file.htm", true},
      {"folder.htm", false},       {"link-to-folder.htm", false},
      {"dangling.htm", false},     {"missing.htm", false},
      {"FILE.HTM", false},  // the tested name is exact
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.want, hhelp::FileExists(U16(dir / c.name))) << c.name;
  }
}

TEST(ResolveNameCase, FindsTheEntryThatDiffersOnlyInCase) {
  Sandbox().ClearScratch();
  const fs::path dir = Sandbox().Scratch();
  for (const char* name : {"help.htm", "Both.htm", "BOTH.htm", "ÄRGER.htm", "exact.HTM", "exact.htm"}) {
    WriteFile(dir / name, "");
  }
  const struct { const char* asked; const char* want; } cases[] = {
      {"help.htm", "help.htm"},   {"help.HTM", "help.htm"},
      {"HELP.Htm", "help.htm"},   {"exact.HTM", "exact.HTM"},
      {"both.htm", "BOTH.htm"},  // several match: the first in byte order
      {"ärger.HTM", "ÄRGER.htm"}, {"missing.HTM", "missing.HTM"},
      {"help", "help"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ((dir / c.want).string(), shell::ResolveNameCase((dir / c.asked).string())) << c.asked;
  }
  EXPECT_EQ((dir / "nowhere" / "help.HTM").string(),
            shell::ResolveNameCase((dir / "nowhere" / "help.HTM").string()));
}

struct OpenCase {
  const char* what;
  std::vector<std::string> files;  // created under the folder, "/" = folder
  std::string folder;              // relative to the scratch folder
  std::string name;                // handed to OpenDocument, relative
  std::string opened;              // what the viewer gets, "" = nothing
};

TEST(OpenDocument, OpensTheHelpDocumentOrWarnsOnce) {
  const OpenCase cases[] = {
      {"no extension: .HTM is appended and finds help.htm",
       {"help.htm"}, "Tools", "Tools/help", "Tools/help.htm"},
      {"blanks, quotes, ; and kanji travel unharmed",
       {"help.htm"}, "my \"tools\"; 'x' $(true) 日本", "my \"tools\"; 'x' $(true) 日本/help",
       "my \"tools\"; 'x' $(true) 日本/help.htm"},
      {"dotted folder: the bare name fails, then name + .HTM opens",
       {"help.htm"}, "Release.2", "Release.2/help", "Release.2/help.htm"},
      {"dotted folder with a bare file of no known type",
       {"help", "help.htm"}, "Release.2", "Release.2/help", "Release.2/help.htm"},
      {"a name with its extension is opened as it is",
       {"help.htm"}, "Tools", "Tools/help.htm", "Tools/help.htm"},
      {"an exact upper-case name wins over the folded one",
       {"help.htm", "help.HTM"}, "Tools", "Tools/help", "Tools/help.HTM"},
      {"no document at all", {}, "Tools", "Tools/help", ""},
      {"the folder is not there", {}, "", "Nowhere.1/help", ""},
  };
  for (const auto& c : cases) {
    Sandbox().ClearScratch();
    Sandbox().ForgetOpened();
    const fs::path dir = Sandbox().Scratch();
    for (const auto& file : c.files) WriteFile(dir / c.folder / file, "help text\n");
    testing_help::MessageRecorder window;

    hhelp::OpenDocument(window, U16(dir / c.name));

    if (c.opened.empty()) {
      EXPECT_EQ(std::vector<std::string>{}, Sandbox().Opened()) << c.what;
      ASSERT_EQ(1u, window.messages.size()) << c.what;
      EXPECT_EQ(testing_help::kBrowserWarning, window.messages[0].text) << c.what;
      EXPECT_EQ(ui::MessageIcon::Warning, window.messages[0].icon) << c.what;
    } else {
      EXPECT_EQ(std::vector<std::string>{(dir / c.opened).string()},
                Sandbox().WaitForOpened(1)) << c.what;
      EXPECT_TRUE(window.messages.empty()) << c.what;
    }
  }
}

}  // namespace
