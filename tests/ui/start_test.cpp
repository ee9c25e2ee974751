// The program started for real where there is no display to open on.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

TEST(Start, WithoutADisplaySaysSoInOneLineAndFails) {
  FILE* run = popen(
      "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " KALVENOR_EXE " 2>&1 >/dev/null", "r");
  std::string said;
  for (int c = fgetc(run); c != EOF; c = fgetc(run)) said += static_cast<char>(c);
  const int status = pclose(run);
  EXPECT_EQ(1, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  EXPECT_EQ(said.size() - 1, said.find('\n')) << said;
  EXPECT_NE(std::string::npos, said.find("no display")) << said;
}
