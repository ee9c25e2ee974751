// The help document and the help launcher on the real file system and a real GIO, driven through
// the calculator form and its host on the in-memory window. The desktop is a private XDG tree whose
// application for HTML records the path it is given, or, with KALVENOR_NO_VIEWER set, one with none
// at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "support/headless_window.h"
#include "text/utf8.h"
#include "ui/texts.h"

namespace {

namespace fs = std::filesystem;
using kalvenor::text::FromUtf8;
using kalvenor::text::ToUtf8;

void Write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << text;
}
std::string Read(const fs::path& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Set up before main: GIO reads the XDG variables once per process.
const bool viewer = std::getenv("KALVENOR_NO_VIEWER") == nullptr;
const fs::path root = fs::path(KALVENOR_TEST_FOLDER) / (viewer ? "desktop" : "bare");
const bool desktop = [] {
  fs::remove_all(root);
  Write(root / "data/mime/globs2", "50:text/html:*.htm\n");  // nothing opens other files
  Write(root / "config/mimeapps.list",
        viewer ? "[Default Applications]\ntext/html=v.desktop\n" : "");
  mkfifo((root / "opened").c_str(), 0600);
  Write(root / "v.sh", "#!/bin/sh\nprintf '%s\\n' \"$1\" > '" + (root / "opened").native() + "'\n");
  fs::permissions(root / "v.sh", fs::perms::owner_all);
  Write(root / "data/applications/v.desktop",
        "[Desktop Entry]\nType=Application\nName=V\nMimeType=text/html;\nExec=" +
            (root / "v.sh").native() + " %f\n");
  for (const char* var : {"XDG_DATA_HOME", "XDG_DATA_DIRS"})
    setenv(var, (root / "data").c_str(), 1);
  for (const char* var : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
    setenv(var, (root / "config").c_str(), 1);
  setenv("GIO_USE_VFS", "local", 1);  // no desktop session: no gvfs, no bus
  setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + (root / "no-bus").native()).c_str(), 1);
  return unsetenv("XDG_CURRENT_DESKTOP") == 0;
}();

// What the viewer, started in the background, wrote into its FIFO. When a viewer is expected this
// waits for it to open the FIFO and close it again (CTest's timeout ends a wait for one that
// never comes); otherwise it takes only what is there already.
std::string Opened(bool expected) {
  const int fifo = open((root / "opened").c_str(), expected ? O_RDONLY : O_RDONLY | O_NONBLOCK);
  std::string opened;
  char buffer[4096];
  for (ssize_t got; (got = read(fifo, buffer, sizeof buffer)) > 0;) opened.append(buffer, got);
  close(fifo);
  return opened;
}

const std::string html = Read(KALVENOR_HELP_DOCUMENT);

// Each command line of its examples prints what follows it; none is left unread.
TEST(HelpDocument, IsJapaneseUtf8HtmlWhoseCommandLineExamplesPrintWhatTheyShow) {
  EXPECT_NE(std::string::npos, html.find("<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">"));
  EXPECT_EQ(html, ToUtf8(FromUtf8(html))) << "not well-formed UTF-8";
  const std::string start = "<pre class=\"cli\">", out = (root / "out").native();
  const std::regex example(start + R"(\s*<kbd>([^<]*)</kbd>\s*<samp>([^<]*)</samp>\s*</pre>)");
  std::size_t read = 0, starts = 0;
  for (std::sregex_iterator block(html.begin(), html.end(), example), end; block != end; ++block) {
    const std::string command = (*block)[1].str();
    std::string line = "PATH='" KALVENOR_CLI_DIR "':\"$PATH\"; " + command;
    line += " > " + out;
    EXPECT_EQ(0, std::system(line.c_str()));
    EXPECT_EQ((*block)[2].str() + "\n", Read(out)) << command;
    ++read;
  }
  for (auto at = html.find(start); at != std::string::npos; at = html.find(start, at + 1)) ++starts;
  EXPECT_EQ(starts, read);
  EXPECT_LE(5u, read);
}

// Each window example of the help (Date1, then Date2 or the days, and what shows) typed in.
TEST(HelpDocument, WindowExamplesShowWhatTheWindowShows) {
  using kalvenor::ui::Control;
  const std::regex example(
      R"re(<tr data-(?:calc="(diff|add)" data-)?today="1999-04-20"( data-style="western")?><td><kbd>([^<]*)</kbd>[^<]*</td>(?:<td><kbd>([^<]*)</kbd></td>)?<td><samp( class="invalid")?>([^<]*)</samp>)re");
  std::size_t read = 0;
  for (std::sregex_iterator row(html.begin(), html.end(), example), end; row != end; ++row, ++read) {
    const std::smatch& r = *row;
    kalvenor::testing::HeadlessWindow window;
    window.Start(r[1] == "add", r[2].matched, FromUtf8(r[3].str()), FromUtf8(r[4].str()));
    window.Enter(Control::Date1Box);
    if (r[1].matched) window.Click(Control::CalculateButton);
    const std::string shown = ToUtf8(window.Text(r[1] == "diff"  ? Control::DaysBox
                                                 : r[1] == "add" ? Control::Date2Display
                                                                 : Control::Date1Display));
    if (r[5].matched)
      EXPECT_NE(std::string::npos, shown.find("/ 0(")) << r[3] << " gives " << shown;  // day 0
    else
      EXPECT_EQ(r[6].str(), shown) << r[1] << " " << r[3] << " " << r[4];
  }
  std::size_t rows = 0;
  for (auto at = html.find("<tr data-"); at != std::string::npos; at = html.find("<tr data-", at + 1)) ++rows;
  EXPECT_EQ(rows, read) << "an example row the test cannot read";
  EXPECT_LE(38u, read);
}

// HELP looks beside the program, found through /proc (this test runs through a link); the folder's
// name is bytes, shown as text only in the box; no shell reads it. help.HTM finds help.htm, the
// exact name first; if nothing opens it (no viewer), the browser warning.
TEST(HelpClick, OpensTheDocumentBesideTheProgramOrSaysItIsMissing) {
  const fs::path own = KALVENOR_TEST_FOLDER;
  const struct {
    fs::path folder;
    bool help, upper;  // help.htm, help.HTM
    std::string box;
  } cases[] = {
      {own, true, false, ""},
      {root / "caf\xe9", false, false, "! " + (root / "caf\uFFFD/help.htmがありません。").native()},
      {root / "my \"tools\"; 'x' $(true) 日本", true, false, ""},
      {root / "Release.2", true, false, ""},  // a "." in the path: the bare name, then help.HTM
      {root / "Tools", true, true, ""},       // the exact name first
      {"", false, false, "! （プログラムのフォルダ）/help.htmがありません。"},  // no /proc/self/exe
  };
  for (const auto& c : cases) {
    const fs::path help = c.folder / "help.htm", upper = c.folder / "help.HTM";
    if (c.help) Write(help, "<p>help</p>\n");
    if (c.upper) Write(upper, "<p>help</p>\n");
    kalvenor::testing::HeadlessWindow window;
    if (c.folder == own)
      window.host.MenuChosen(kalvenor::ui::Menu::HelpDocument);
    else
      window.host.Form().OpenHelpIn(c.folder);
    const bool opens = viewer && c.box.empty();
    EXPECT_EQ(opens ? (c.upper ? upper : help).native() + "\n" : "", Opened(opens)) << c.folder;
    std::string boxes;
    for (const auto& box : window.messages)
      boxes += (box.icon == kalvenor::ui::MessageIcon::Warning ? "! " : "i ") + ToUtf8(box.text);
    EXPECT_EQ(c.box.empty() && !viewer
                  ? "! " + ToUtf8(std::u16string(kalvenor::ui::texts::kBrowserWarning))
                  : c.box,
              boxes)
        << c.folder;
    fs::remove(help);
    fs::remove(upper);
  }
}

}  // namespace
