// The program started for real where no window can open (DISPLAY unset, empty, or naming no
// server): one line naming the display and status 1, not Qt's report and abort.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

TEST(Start, WithoutAWorkingDisplaySaysWhichInOneLineAndFails) {
  int dead = 90;
  while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(dead))) ++dead;
  const std::string display = ":" + std::to_string(dead);
  const std::string set[] = {"-u DISPLAY", "DISPLAY=", "DISPLAY=" + display};
  const std::string named[] = {" is not set", " is empty", "=\"" + display + "\""};
  for (int i = 0; i < 3; ++i) {
    const std::string command =
        "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + set[i] + " " KALVENOR_EXE " 2>&1 >/dev/null";
    FILE* run = popen(command.c_str(), "r");
    std::string said;
    for (int c = fgetc(run); c != EOF; c = fgetc(run)) said += static_cast<char>(c);
    const int status = pclose(run);
    EXPECT_EQ(1, WIFEXITED(status) ? WEXITSTATUS(status) : -1) << command;
    EXPECT_EQ("kalvenor: no display to open the window on (DISPLAY" + named[i] + ")\n", said)
        << command;
  }
}
