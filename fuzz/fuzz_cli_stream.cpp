// kalvenor-cli's stream mode on arbitrary bytes, with read and write blocks
// of the fuzzer's choosing and maybe an output that fails after some bytes.
// The output stays aligned with the input: line k is empty exactly when a
// message names line k; without a failure every input line gives its line,
// with one the run ends with one "cannot write" message and status 1.
// Input: a byte for the command line and style, a byte each for the read
// and write block (1..256), two for the failure point (high bit: none), then
// standard input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/runner.h"
#include "support/display_shape.h"
#include "target_support.h"
#include "text/utf8.h"

namespace {

struct CommandLine {
  kalvenor::cli::Command command;
  std::vector<std::string_view> operands;
};

// The stream stands in each place an operand can take.
const CommandLine kCommandLines[] = {
    {kalvenor::cli::Command::Show, {"-"}},
    {kalvenor::cli::Command::Add, {"-", "365"}},
    {kalvenor::cli::Command::Add, {"2000/1/1", "-"}},
    {kalvenor::cli::Command::Diff, {"-", "2000/1/1"}},
    {kalvenor::cli::Command::Diff, {"h12/1/1", "-"}},
    {kalvenor::cli::Command::Workdays, {"-", "2026/12/7"}},
    {kalvenor::cli::Command::Workdays, {"h12/1/1", "-"}},
    {kalvenor::cli::Command::Span, {"2000/1/31", "-"}},
};
constexpr std::size_t kStyles = 5;  // Era .. Iso
constexpr std::string_view kCannotWrite = "kalvenor-cli: cannot write standard output";

// Takes limit bytes, then fails like a full disk (a cookie stream's error is
// writing 0 bytes).
struct Sink {
  std::string bytes;
  std::size_t limit;
  bool refused = false;
};
ssize_t WriteToSink(void* cookie, const char* data, std::size_t size) {
  auto& sink = *static_cast<Sink*>(cookie);
  const std::size_t room = sink.limit - sink.bytes.size();
  sink.bytes.append(data, std::min(size, room));
  sink.refused = sink.refused || size > room;
  return sink.refused ? 0 : static_cast<ssize_t>(size);
}

// Results by shape alone: "-31" for diff and workdays, "P1Y2M3D" or
// "1年2か月3日" for span, "2000-01-01" for --iso, and for the other styles a
// text that ends in a weekday in parentheses.
bool IsResult(std::string_view line, const kalvenor::cli::Invocation& invocation) {
  using enum kalvenor::cli::OutputStyle;
  using enum kalvenor::cli::Command;
  if (invocation.command == Diff || invocation.command == Workdays)
    return line == std::to_string(std::atoi(line.data()));
  if (invocation.command == Span) return line.ends_with(invocation.style == Iso ? "D" : "日");
  if (invocation.style == Iso) return line.size() >= 10 && line[line.size() - 3] == '-';
  if (invocation.style == Reiwa || invocation.style == Kanji) return line.ends_with(")");
  return shape::IsDisplayText(kalvenor::text::FromUtf8(line));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  const CommandLine& line = kCommandLines[data[0] % std::size(kCommandLines)];
  kalvenor::cli::Invocation invocation;
  invocation.command = line.command;
  invocation.style = static_cast<kalvenor::cli::OutputStyle>(data[0] / 5 % kStyles);
  invocation.operands = line.operands;
  // Lines must stay countable by their "\n" bytes: no UTF-16.
  invocation.encoding = kalvenor::cli::Encoding::Utf8;
  const kalvenor::cli::BlockSizes blocks{data[1] + 1u, data[2] + 1u};
  const bool fails = data[3] < 0x80;
  Sink sink{{}, fails ? (data[3] << 8 | data[4]) : SIZE_MAX};
  std::string input(reinterpret_cast<const char*>(data) + 5, size - 5);

  char* errBytes = nullptr;
  std::size_t errSize = 0;
  FILE *const savedIn = stdin, *const savedOut = stdout, *const savedErr = stderr;
  static char none;  // fmemopen wants a buffer even for no bytes
  stdin = fmemopen(input.empty() ? &none : input.data(), input.size(), "r");
  stdout = fopencookie(&sink, "w", {nullptr, WriteToSink, nullptr, nullptr});
  stderr = open_memstream(&errBytes, &errSize);
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const int status = kalvenor::cli::Run(invocation, kalvenor::testing::kToday, blocks);
  for (FILE* stream : {stdin, stdout, stderr}) std::fclose(stream);
  stdin = savedIn, stdout = savedOut, stderr = savedErr;
  const std::string err(errBytes, errSize);
  std::free(errBytes);

  // The lines the messages name, and whether the write failure was told.
  std::set<long> named;
  bool toldFailure = false;
  for (std::size_t at = 0, end; at < err.size(); at = end + 1) {
    end = err.find('\n', at);
    const std::string_view message(err.data() + at, end - at);
    kalvenor::testing::Require(!toldFailure && message.starts_with("kalvenor-cli: "));
    toldFailure = message.starts_with(kCannotWrite);
    if (message.starts_with("kalvenor-cli: line ")) named.insert(std::atol(message.data() + 19));
  }
  const auto inputLines =
      std::count(input.begin(), input.end(), '\n') + (!input.empty() && input.back() != '\n');
  long written = 0;
  for (std::size_t at = 0, end; (end = sink.bytes.find('\n', at)) != std::string::npos;
       at = end + 1) {
    const std::string_view result(sink.bytes.data() + at, end - at);
    kalvenor::testing::Require(result.empty() == named.contains(++written));
    kalvenor::testing::Require(result.empty() || IsResult(result, invocation));
  }
  kalvenor::testing::Require(toldFailure == sink.refused);
  kalvenor::testing::Require(status == (toldFailure || !named.empty() ? 1 : 0));
  if (!toldFailure) {  // every line written, whole, and no message beyond them
    kalvenor::testing::Require(written == inputLines &&
                               sink.bytes.size() == sink.bytes.rfind('\n') + 1);
    kalvenor::testing::Require(named.empty() || *named.rbegin() <= written);
  }
  return 0;
}
