// The help, version and quit commands on the real window (offscreen), with
// a recording viewer as the desktop's application for HTML documents.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "help_testing.h"
#include "window_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_help::DesktopSandbox;

// Set up before main, so GIO never sees the user's own desktop.
const DesktopSandbox desktop(testing_help::Viewer::Recording);

// This test program has a folder of its own; its help.htm is the one the
// menu item looks for.
const fs::path kProgramFolder = KALVENOR_TEST_FOLDER;

class HelpWindow : public ui::testing::WindowTest {
 protected:
  void Choose(const char* menuItem) {
    window->findChild<QAction*>(QString::fromLatin1(menuItem))->trigger();
    QCoreApplication::processEvents();
  }

  void TearDown() override {
    fs::remove_all(kProgramFolder / "help.htm");
    desktop.ForgetOpened();
    WindowTest::TearDown();
  }
};

TEST_F(HelpWindow, HelpOpensTheDocumentBesideTheProgramOrSaysItIsMissing) {
  const QString missing =
      QString::fromStdString((kProgramFolder / "help.htm").string()) + "がありません。";
  const struct {
    const char* what;
    std::function<void(const fs::path&)> prepare;
    bool opens;
  } cases[] = {
      {"present", [](const fs::path& at) { testing_help::WriteFile(at, "<p>help</p>\n"); }, true},
      {"absent", [](const fs::path&) {}, false},
      {"a folder of that name", [](const fs::path& at) { fs::create_directory(at); }, false},
  };
  for (const auto& c : cases) {
    fs::remove_all(kProgramFolder / "help.htm");
    desktop.ForgetOpened();
    messages.clear();
    c.prepare(kProgramFolder / "help.htm");

    Choose("HELP");

    if (c.opens) {
      EXPECT_EQ(std::vector<std::string>{(kProgramFolder / "help.htm").string()},
                desktop.WaitForOpened(1)) << c.what;
      EXPECT_TRUE(messages.empty()) << c.what;
    } else {
      ASSERT_EQ(1u, messages.size()) << c.what;
      EXPECT_EQ(QString("Kalvenor"), messages[0].title) << c.what;
      EXPECT_EQ(missing, messages[0].text) << c.what;
      EXPECT_EQ(ui::MessageIcon::Warning, messages[0].icon) << c.what;
      EXPECT_EQ(std::vector<std::string>{}, desktop.Opened()) << c.what;
    }
  }
}

TEST_F(HelpWindow, VersionBoxShowsTheVersionAnEmptyLineAndTheNotice) {
  Choose("ABOUT");
  ASSERT_EQ(1u, messages.size());
  EXPECT_EQ(QString("Kalvenor"), messages[0].title);
  EXPECT_EQ(QString("Kalvenor Ver 1.00.2\n\nCopyright (C) 2026 Kalvenor developers"),
            messages[0].text);
  EXPECT_EQ(ui::MessageIcon::Information, messages[0].icon);
  EXPECT_TRUE(window->isVisible()) << "the version box must not end the program";
}

// Runs the event loop as the program does and reports how it was left:
// 0 from End_Rtn, 99 when nothing ended it within the safety margin.
int RunUntilEnded(const std::function<void()>& quit) {
  QTimer::singleShot(0, quit);
  QTimer safety;
  safety.setSingleShot(true);
  QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  safety.start(10000);
  return QApplication::exec();
}

TEST_F(HelpWindow, EveryWayOfQuittingEndsAtOnceWithoutAQuestion) {
  const struct {
    const char* what;
    std::function<void()> quit;
  } cases[] = {
      {"the 終了 button", [this] { Click("Command2"); }},
      {"the 終了(&F) menu entry, by its access key",
       [this] { QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier); }},
      {"closing the window", [this] { EXPECT_TRUE(window->close()); }},
  };
  for (const auto& c : cases) {
    TearDown();
    SetUp();
    Type("Text1", "2000/1/1");

    EXPECT_EQ(0, RunUntilEnded(c.quit)) << c.what;

    EXPECT_TRUE(window->HasEnded()) << c.what;
    EXPECT_FALSE(window->isVisible()) << c.what;
    EXPECT_TRUE(messages.empty()) << c.what;
    // Nothing runs after the end: a calculation would fill Label4.
    Find<QPushButton>("Command1")->click();
    EXPECT_EQ(QString(), Shown("Label4")) << c.what;
  }
}

}  // namespace
