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
  const std::string dead_display = ":" + std::to_string(dead);
  for (const auto& [set, named] :
       {std::pair<std::string, std::string>{"-u DISPLAY", "DISPLAY is not set"},
        {"DISPLAY=", "DISPLAY is empty"},
        {"DISPLAY=" + dead_display, "DISPLAY=\"" + dead_display + "\""}}) {
    FILE* run = popen(
        ("env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + set + " " KALVENOR_EXE " 2>&1 >/dev/null")
            .c_str(),
        "r");
    std::string said;
    for (int c = fgetc(run); c != EOF; c = fgetc(run)) said += static_cast<char>(c);
    const int status = pclose(run);
    EXPECT_EQ(1, WIFEXITED(status) ? WEXITSTATUS(status) : -1) << set;
    EXPECT_EQ("kalvenor: no display to open the window on (" + named + ")\n", said) << set;
  }
}
