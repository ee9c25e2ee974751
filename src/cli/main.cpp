// kalvenor-cli: the window's calculator from the shell.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/arguments.h"
#include "cli/messages.h"
#include "cli/runner.h"
#include "clock/system_clock.h"
#include "commands/translation.h"

namespace {

constexpr int kUsageStatus = 2;

int RefuseUsage(const kalvenor::cli::UsageError& error) {
  const std::string text =
      kalvenor::cli::messages::ErrorLine(error.reason, 0) + kalvenor::cli::messages::Usage();
  std::fputs(text.c_str(), stderr);
  return kUsageStatus;
}

}  // namespace

int main(int argc, char** argv) {
  // Messages of a long stream go out in blocks too; Run flushes at the end.
  static char stderrBuffer[1 << 16];
  std::setvbuf(stderr, stderrBuffer, _IOFBF, sizeof stderrBuffer);
  kalvenor::commands::translation::Load(kalvenor::commands::translation::LocaleDir());

  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const auto parsed = kalvenor::cli::ParseArguments(args);
  if (const auto* error = std::get_if<kalvenor::cli::UsageError>(&parsed)) {
    return RefuseUsage(*error);
  }
  try {
    // The clock is read once per run.
    return kalvenor::cli::Run(std::get<kalvenor::cli::Invocation>(parsed), kalvenor::SystemToday());
  } catch (const std::exception& error) {
    // Out of memory on an absurd line, say: stop with a message, not a crash.
    std::fputs(kalvenor::cli::messages::ErrorLine(kalvenor::cli::messages::Aborted(error.what()), 0)
                   .c_str(),
               stderr);
    return 1;
  }
}
