// kalvenor-cli's stream mode on arbitrary bytes (a byte for the command line and style, one each
// for the read and write block, then standard input): each input line gives one output line, empty
// exactly when a message names that line, and the status says whether any did.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/arguments.h"
#include "cli/runner.h"
#include "target_support.h"

namespace {

using kalvenor::testing::Require;

// The stream stands in each place an operand can take. Every holiday list
// from 2000-01-01 holds its 元日, so only a refused line is empty.
// clang-format off
const std::pair<std::string_view, std::vector<std::string_view>> kCommandLines[] = {
    {"show", {"-"}}, {"add", {"-", "365"}}, {"add", {"2000/1/1", "-"}},
    {"diff", {"-", "h12/1/1"}}, {"workdays", {"h12/1/1", "-"}}, {"span", {"2000/1/31", "-"}},
    {"holidays", {"2000/1/1", "-"}}, {"age", {"-"}}, {"age", {"1990/2/28", "-"}}};
// clang-format on

// The lines of text, without their "\n"; an unended last line counts.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
    end = std::min(text.find('\n', at), text.size());
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  kalvenor::cli::Invocation invocation;
  const std::size_t lines = std::size(kCommandLines), styles = 5;  // Era .. Iso
  const auto& [word, operands] = kCommandLines[data[0] % lines];
  invocation.action = kalvenor::cli::Action::Calculate;
  invocation.command = kalvenor::commands::FindCommand(word);
  invocation.operands = operands;
  invocation.style = static_cast<kalvenor::commands::OutputStyle>(data[0] / lines % styles);
  invocation.long_form = data[0] / lines / styles % 2 == 1;
  invocation.inclusive =
      data[0] / lines / styles / 2 % 2 == 1 && invocation.command->takes.inclusive;
  invocation.encoding = kalvenor::cli::Encoding::Utf8;  // lines countable by their "\n" bytes
  const std::string_view input(reinterpret_cast<const char*>(data) + 3, size - 3);
  char *out = nullptr, *err = nullptr;
  std::size_t outSize = 0, errSize = 0;
  FILE *const savedOut = stdout, *const savedErr = stderr;
  // Standard input is read from descriptor 0: a file in memory for the run.
  const int savedIn = dup(0), in = memfd_create("input", 0);
  Require(write(in, input.data(), input.size()) == std::ssize(input) &&
          lseek(in, 0, SEEK_SET) == 0 && dup2(in, 0) == 0 && close(in) == 0);
  stdout = open_memstream(&out, &outSize);
  stderr = open_memstream(&err, &errSize);
  const int status =
      kalvenor::cli::Run(invocation, kalvenor::testing::kToday, {data[1] + 1u, data[2] + 1u});
  for (FILE* stream : {stdout, stderr}) std::fclose(stream);
  stdout = savedOut, stderr = savedErr;
  dup2(savedIn, 0);
  close(savedIn);
  const std::string written(out, outSize), told(err, errSize);
  std::free(out), std::free(err);

  std::set<std::size_t> named;
  for (const std::string_view message : Lines(told)) {
    Require(message.starts_with("kalvenor-cli: line "));
    named.insert(std::atol(message.data() + 19));
  }
  const auto results = Lines(written);
  Require((written.empty() || written.back() == '\n') && results.size() == Lines(input).size());
  for (std::size_t line = 1; line <= results.size(); ++line)
    Require(results[line - 1].empty() == named.contains(line));
  Require(named.empty() ? status == 0 : status == 1 && *named.rbegin() <= results.size());
  return 0;
}
