// The program started for real where there is no display to open on.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
  int status;
  std::string stderrText;
};

Outcome RunWithoutDisplay() {
  const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") +
                              KALVENOR_EXE + " 2>&1 >/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string text;
  std::array<char, 256> chunk{};
  while (fgets(chunk.data(), chunk.size(), pipe) != nullptr) text += chunk.data();
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

TEST(Start, WithoutADisplaySaysSoInOneLineAndFails) {
  const Outcome run = RunWithoutDisplay();
  EXPECT_EQ(1, run.status);
  ASSERT_FALSE(run.stderrText.empty());
  EXPECT_EQ(run.stderrText.size() - 1, run.stderrText.find('\n')) << run.stderrText;
  EXPECT_NE(std::string::npos, run.stderrText.find("no display")) << run.stderrText;
}

}  // namespace
