// The help document, the help launcher, the version box and the quit paths
// on the real window (offscreen), with a real file system and a real GIO.
// The desktop is a private XDG tree whose application for HTML records the
// path it is given, or, with KALVENOR_NO_VIEWER set, one with none at all.
#include <QAction>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>

#include "calendar/gregorian.h"
#include "display/display_text.h"
#include "numeric/checked.h"
#include "parse/date_parser.h"
#include "parse/number.h"
#include "text/utf8.h"
#include "ui/hhelp.h"
#include "window_fixture.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << text;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Built before main, since GIO reads the XDG variables once per process.
struct Desktop {
  const bool viewer = std::getenv("KALVENOR_NO_VIEWER") == nullptr;
  const std::string root = KALVENOR_TEST_FOLDER + std::string(viewer ? "/desktop" : "/bare");
  Desktop() {
    fs::remove_all(root);
    // Only .htm and .html have a type: nothing opens other files.
    Write(root + "/data/mime/globs2", "50:text/html:*.htm\n50:text/html:*.html\n");
    Write(root + "/config/mimeapps.list", viewer ? "[Default Applications]\ntext/html=v.desktop\n" : "");
    if (viewer) {
      Write(root + "/v.sh", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> " + root + "/scratch/opened\n");
      fs::permissions(root + "/v.sh", fs::perms::owner_all);
      Write(root + "/data/applications/v.desktop", "[Desktop Entry]\nType=Application\nName=V\n"
            "MimeType=text/html;\nExec=" + root + "/v.sh %f\n");
    }
    for (const char* var : {"XDG_DATA_HOME", "XDG_DATA_DIRS"}) setenv(var, (root + "/data").c_str(), 1);
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"}) setenv(var, (root + "/config").c_str(), 1);
    setenv("GIO_USE_VFS", "local", 1);  // no desktop session: no gvfs, no bus
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + root + "/no-bus").c_str(), 1);
    unsetenv("XDG_CURRENT_DESKTOP");
  }
  fs::path Fresh() const {  // an empty scratch folder, nothing recorded as opened
    fs::remove_all(root + "/scratch");
    fs::create_directories(root + "/scratch");
    return root + "/scratch";
  }
  // What the viewer was started with; it starts in the background.
  std::string Opened(bool wait) const {
    if (wait && !QTest::qWaitFor([this] { return !Read(root + "/scratch/opened").empty(); }, 10000)) return "";
    return Read(root + "/scratch/opened");
  }
};
const Desktop desktop;

const std::string html = Read(KALVENOR_HELP_DOCUMENT);

// The examples in help.htm, at least `least`; every one that begins with
// `start` must match the pattern, so none goes unchecked.
std::vector<std::smatch> Examples(const std::string& start, const std::string& rest, std::size_t least) {
  const std::regex pattern(start + rest);
  std::vector<std::smatch> found(std::sregex_iterator(html.begin(), html.end(), pattern), {});
  std::size_t starts = 0;
  for (auto at = html.find(start); at != std::string::npos; at = html.find(start, at + 1)) ++starts;
  EXPECT_EQ(starts, found.size()) << "an example the test cannot read: " << start;
  EXPECT_LE(least, found.size()) << start;
  return found;
}

TEST(HelpDocument, IsJapaneseUtf8Html) {
  EXPECT_NE(std::string::npos, html.find("<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">"));
  EXPECT_EQ(html, chars::ToUtf8(chars::FromUtf8(html))) << "not well-formed UTF-8";
}

// <pre class="cli"><kbd>command</kbd><samp>its output</samp></pre>, run as a user types it.
TEST(HelpDocument, CommandLineExamplesPrintWhatTheyShow) {
  for (const auto& block : Examples("<pre class=\"cli\">", R"(\s*<kbd>([^<]*)</kbd>\s*<samp>([^<]*)</samp>\s*</pre>)", 5)) {
    const std::string out = desktop.Fresh() / "out";
    EXPECT_EQ(0, std::system(("PATH='" KALVENOR_CLI_DIR "':\"$PATH\"; " + block[1].str() + " > " + out).c_str()));
    EXPECT_EQ(block[2].str() + "\n", Read(out)) << block[1];
  }
}

class HelpWindow : public ui::testing::WindowTest {
 protected:
  QStringList Boxes() {  // the boxes shown since the last call: title, icon, text
    QStringList boxes;
    for (const auto& m : messages) boxes << m.title + (m.icon == ui::MessageIcon::Warning ? " ! " : " i ") + m.text;
    messages.clear();
    return boxes;
  }
  void Choose(const char* item) {
    window->findChild<QAction*>(item)->trigger();
    QCoreApplication::processEvents();
  }
};

// Each example row: <tr [data-calc="diff|add"] data-today="1999-04-20" [data-style="western"]>
// <td><kbd>Date1</kbd>…</td>[<td><kbd>Date2 or days</kbd></td>]<td><samp [class="invalid"]>shown</samp>.
// Days = Date2 - Date1; Date2 = Date1 + days, the sum rounded half to even. Today is pinned by the
// fixture, so the rows must say the same.
TEST_F(HelpWindow, DocumentExamplesShowWhatTheEngineGives) {
  for (const auto& row : Examples("<tr data-", R"re((?:calc="(diff|add)" data-)?today="1999-04-20"( data-style="western")?><td><kbd>([^<]*)</kbd>[^<]*</td>(?:<td><kbd>([^<]*)</kbd></td>)?<td><samp( class="invalid")?>([^<]*)</samp>)re", 38)) {
    ymd::DateParts date, date2;
    ymd::ParseDate(chars::FromUtf8(row[3].str()), date);
    const ymd::SerialDay serial1 = ymd::SerialOf(date);
    ymd::SerialDay sum = row[1] == "add" ? checked::RoundToInt32(serial1 + ymd::ReadNumber(chars::FromUtf8(row[4].str()))) : 0;
    if (row[1] == "add") ymd::SerialDateConvert(sum, date);
    if (row[1] == "diff") ymd::ParseDate(chars::FromUtf8(row[4].str()), date2);
    const std::u16string shown = row[1] == "diff" ? ymd::NumberText(ymd::SerialOf(date2) - serial1)
        : ymd::DisplayText(date, row[2].matched ? ymd::DisplayStyle::Western : ymd::DisplayStyle::Era);
    if (row[5].matched) EXPECT_EQ(ymd::kDayInvalid, date.day) << row[3];
    else EXPECT_EQ(row[6].str(), chars::ToUtf8(shown)) << row[1] << " " << row[3] << " " << row[4];
  }
}

// The bare name first when it has a ".", then name + ".HTM", which finds help.htm.
TEST_F(HelpWindow, OpenDocumentTriesTheNameThenNamePlusHtm) {
  const std::string odd = "my \"tools\"; 'x' $(true) 日本";
  const QString warning = "Kalvenor ! ヘルプを表示するにはＨＴＭＬ対応のブラウザが必要です。\n インターネット"
      "エクスプローラなどを準備してください。\n   とりあえず 表示しますが、正しく表示できません";
  const struct { std::vector<std::string> files; std::string name, opened; } cases[] = {
      {{"Tools/help.htm"}, "Tools/help", "Tools/help.htm"},
      {{odd + "/help.htm"}, odd + "/help", odd + "/help.htm"},
      {{"Release.2/help.htm"}, "Release.2/help", "Release.2/help.htm"},
      {{"Release.2/help", "Release.2/help.htm"}, "Release.2/help", "Release.2/help.htm"},
      {{"Tools/help.htm"}, "Tools/help.htm", "Tools/help.htm"},
      {{"Tools/help.htm", "Tools/help.HTM"}, "Tools/help", "Tools/help.HTM"},
      {{}, "Tools/help", ""}, {{}, "Nowhere.1/help", ""},
  };
  for (const auto& c : cases) {
    const fs::path dir = desktop.Fresh();
    for (const auto& file : c.files) Write(dir / file, "help\n");
    hhelp::OpenDocument(*toolkit, dir / c.name);
    const bool opens = desktop.viewer && !c.opened.empty();
    EXPECT_EQ(opens ? (dir / c.opened).string() + "\n" : "", desktop.Opened(opens)) << c.name;
    EXPECT_EQ(opens ? QStringList() : QStringList(warning), Boxes()) << c.name;
  }
}

// HELP opens help.htm beside the program only when it is an ordinary file
// (links followed). This test program has a folder of its own and is run
// through a link from elsewhere, which AppDirectory must resolve.
TEST_F(HelpWindow, HelpOpensTheDocumentBesideTheProgramOrSaysItIsMissing) {
  const fs::path help = fs::path(KALVENOR_TEST_FOLDER) / "help.htm";
  for (const std::string what : {"file", "link to file", "none", "folder", "link to folder", "dangling link"}) {
    const fs::path target = desktop.Fresh() / "target";
    if (what.ends_with("file")) Write(target, "<p>help</p>\n");
    if (what.ends_with("folder")) fs::create_directory(target);
    if (what.starts_with("link") || what.ends_with("link")) fs::create_symlink(target, help);
    if (what == "file" || what == "folder") fs::rename(target, help);
    Choose("HELP");
    const bool opens = what.ends_with("file");
    EXPECT_EQ(opens ? help.string() + "\n" : "", desktop.Opened(opens)) << what;
    EXPECT_EQ(opens ? QStringList() : QStringList("Kalvenor ! " + QString::fromStdString(help) + "がありません。"),
              Boxes()) << what;
    fs::remove_all(help);
  }
}

TEST_F(HelpWindow, VersionBoxShowsTheVersionAnEmptyLineAndTheNotice) {
  Choose("ABOUT");
  EXPECT_EQ(QStringList("Kalvenor i Kalvenor Ver 1.00.2\n\nCopyright (C) 2026 Kalvenor developers"), Boxes());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(HelpWindow, EveryWayOfQuittingEndsAtOnceWithoutAQuestion) {
  const std::function<void()> quits[] = {
      [this] { Click("Command2"); },
      [this] { QTest::keyClick(window, Qt::Key_F, Qt::AltModifier); },  // 終了(&F)
      [this] { EXPECT_TRUE(window->close()); },
  };
  for (const auto& quit : quits) {
    SetUp();
    Type("Text1", "2000/1/1");
    QTimer::singleShot(0, quit);  // the loop ends with 0 from End_Rtn, or 99 when nothing did
    QTimer::singleShot(10000, window, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(0, QApplication::exec()) << &quit - quits;
    EXPECT_TRUE(toolkit->HasEnded() && !window->isVisible() && Boxes().empty()) << &quit - quits;
    Find<QPushButton>("Command1")->click();  // nothing runs after the end: no result in Label4
    EXPECT_EQ(QString(), Shown("Label4")) << &quit - quits;
  }
}

}  // namespace
