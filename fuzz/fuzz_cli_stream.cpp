// kalvenor-cli's stream mode ("-" read line by line from standard input)
// on arbitrary bytes, invalid UTF-8 included. Every input line must give
// exactly one output line: a well-formed result, or an empty line with one
// message on standard error; the exit status says whether any line failed.
//
// Input: one byte choosing the command line, then the bytes of standard
// input. The streams are swapped for memory ones, which glibc allows by
// plain assignment to stdin, stdout and stderr.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "support/display_shape.h"
#include "cli/arguments.h"
#include "cli/runner.h"
#include "target_support.h"
#include "text/utf8.h"

namespace {

struct CommandLine {
  cli::Command command;
  std::vector<std::string_view> operands;
};

// The stream stands in each place an operand can take.
const CommandLine kCommandLines[] = {
    {cli::Command::Show, {"-"}},
    {cli::Command::Add, {"-", "365"}},
    {cli::Command::Add, {"2000/1/1", "-"}},
    {cli::Command::Diff, {"-", "2000/1/1"}},
    {cli::Command::Diff, {"h12/1/1", "-"}},
};
constexpr cli::OutputStyle kStyles[] = {cli::OutputStyle::Era, cli::OutputStyle::Western,
                                        cli::OutputStyle::Iso};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "-31", "365": diff's day count.
bool IsInteger(std::string_view text) {
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  return !text.empty() && std::ranges::all_of(text, IsDigit);
}

// "2000-01-01", "-0100-12-31", "32767-12-31".
bool IsIsoDate(std::string_view text) {
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  if (text.size() < 10 || text.size() > 11) return false;
  const std::size_t month = text.size() - 6;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool dash = i == month || i == month + 3;
    if (dash ? text[i] != '-' : !IsDigit(text[i])) return false;
  }
  return true;
}

bool IsResult(std::string_view line, const cli::Invocation& invocation) {
  if (invocation.command == cli::Command::Diff) return IsInteger(line);
  if (invocation.style == cli::OutputStyle::Iso) return IsIsoDate(line);
  return shape::IsDisplayText(chars::FromUtf8(line));
}

std::size_t CountLines(std::string_view text) {
  const auto ends = static_cast<std::size_t>(std::ranges::count(text, '\n'));
  return ends + (!text.empty() && text.back() != '\n');
}

// The lines of a program's output, which must end each one with "\n".
std::vector<std::string_view> Lines(std::string_view text) {
  fuzz::Require(text.empty() || text.back() == '\n');
  std::vector<std::string_view> lines;
  for (std::size_t begin = 0; begin < text.size();) {
    const std::size_t end = text.find('\n', begin);
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

// Runs the command line with input as standard input; returns the status
// and fills out and err.
int RunOnStreams(const cli::Invocation& invocation, std::string_view input, std::string& out,
                 std::string& err) {
  char* outBytes = nullptr;
  char* errBytes = nullptr;
  std::size_t outSize = 0;
  std::size_t errSize = 0;
  FILE* const savedIn = stdin;
  FILE* const savedOut = stdout;
  FILE* const savedErr = stderr;
  static char none;  // fmemopen wants a buffer even for no bytes
  stdin = fmemopen(input.empty() ? &none : const_cast<char*>(input.data()), input.size(), "r");
  stdout = open_memstream(&outBytes, &outSize);
  stderr = open_memstream(&errBytes, &errSize);
  const int status = cli::Run(invocation);
  for (FILE* stream : {stdin, stdout, stderr}) std::fclose(stream);
  stdin = savedIn;
  stdout = savedOut;
  stderr = savedErr;
  out.assign(outBytes, outSize);
  err.assign(errBytes, errSize);
  std::free(outBytes);
  std::free(errBytes);
  return status;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FixToday();
  if (size == 0) return 0;
  const CommandLine& line = kCommandLines[data[0] % std::size(kCommandLines)];
  cli::Invocation invocation;
  invocation.command = line.command;
  invocation.style = kStyles[(data[0] / std::size(kCommandLines)) % 3];
  invocation.operands = line.operands;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::string out;
  std::string err;
  const int status = RunOnStreams(invocation, input, out, err);

  const std::vector<std::string_view> results = Lines(out);
  fuzz::Require(results.size() == CountLines(input));
  std::size_t refused = 0;
  for (std::string_view result : results) {
    if (result.empty()) {
      ++refused;
    } else {
      fuzz::Require(IsResult(result, invocation));
    }
  }
  const std::vector<std::string_view> complaints = Lines(err);
  fuzz::Require(complaints.size() == refused);
  for (std::string_view complaint : complaints) {
    fuzz::Require(complaint.starts_with("kalvenor-cli: "));
  }
  fuzz::Require(status == (refused > 0 ? 1 : 0));
  return 0;
}
