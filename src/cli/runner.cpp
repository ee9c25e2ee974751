#include "cli/runner.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/line_reader.h"
#include "cli/messages.h"
#include "cli/operand_text.h"
#include "cli/output.h"
#include "numeric/checked.h"

namespace cli {
namespace {

Calculation CalculationOf(Command command) {
  switch (command) {
    case Command::Add: return Add;
    case Command::Diff: return Diff;
    default: return Show;
  }
}

using Arguments = std::span<const std::string_view>;

// The message for a failure, quoting the user's own bytes.
std::string Describe(const Failure& failure, Arguments arguments) {
  switch (failure.problem) {
    case Problem::NotADate: return messages::NotADate(arguments[failure.operand]);
    case Problem::NotANumber: return messages::NotANumber(arguments[failure.operand]);
    case Problem::OutOfRange: return messages::OutOfRange(arguments[0], arguments[1]);
    case Problem::Overflow: return messages::Overflow(arguments);
  }
  return {};
}

bool WriteAll(std::FILE* stream, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
         std::fflush(stream) == 0;
}

class Runner {
 public:
  explicit Runner(const Invocation& invocation)
      : style_(invocation.style),
        calculation_(CalculationOf(invocation.command)),
        output_(stdout) {}

  // One calculation per set of operands, or one per input line where an
  // operand is "-".
  void Calculate(Arguments arguments);

  int Finish();

 private:
  // arguments: the operands' bytes as given, for the messages.
  void CalculateOnce(Arguments arguments, long long lineNumber);
  void Complain(std::string_view message, long long lineNumber);

  OutputStyle style_;
  Calculation calculation_;
  Output output_;
  std::vector<Operand> operands_;  // decoded; reused from line to line
  bool failed_ = false;
};

void Runner::Calculate(Arguments arguments) {
  std::vector<std::string_view> current(arguments.begin(), arguments.end());
  operands_.assign(current.size(), Operand{});
  for (std::size_t i = 0; i < current.size(); ++i) {
    DecodeOperand(current[i], operands_[i].text);
  }
  const auto stdinAt = std::ranges::find(current, kStdinOperand);
  if (stdinAt == current.end()) {
    CalculateOnce(current, 0);
    return;
  }
  Operand& line = operands_[stdinAt - current.begin()];
  LineReader reader(stdin);
  long long lineNumber = 0;
  while (reader.Next(*stdinAt)) {
    DecodeOperand(*stdinAt, line.text);
    line.date.reset();
    CalculateOnce(current, ++lineNumber);
  }
  if (reader.Failed()) Complain(messages::CannotRead(), 0);
}

void Runner::CalculateOnce(Arguments arguments, long long lineNumber) {
  std::string& line = output_.Line();
  const std::size_t lineStart = line.size();
  std::optional<Failure> failure;
  try {
    failure = calculation_(operands_, style_, line);
  } catch (const checked::OverflowError&) {
    line.resize(lineStart);  // nothing half-written stays
    failure = Failure{Problem::Overflow};
  }
  if (failure) Complain(Describe(*failure, arguments), lineNumber);
  // In a stream a refused line still gets its (empty) line, so the output
  // stays aligned with the input.
  if (!failure || lineNumber > 0) output_.EndLine();
}

void Runner::Complain(std::string_view message, long long lineNumber) {
  const std::string line = messages::ErrorLine(message, lineNumber);
  std::fwrite(line.data(), 1, line.size(), stderr);
  failed_ = true;
}

int Runner::Finish() {
  if (!output_.Flush()) Complain(messages::CannotWrite(), 0);
  std::fflush(stderr);
  return failed_ ? 1 : 0;
}

}  // namespace

int Run(const Invocation& invocation) {
  switch (invocation.command) {
    case Command::Help:
      return WriteAll(stdout, std::string{messages::kUsage} + std::string{messages::kHelpBody}) ? 0
                                                                                                : 1;
    case Command::Version: return WriteAll(stdout, messages::kVersion) ? 0 : 1;
    default: break;
  }
  Runner runner(invocation);
  if (invocation.command == Command::Show) {
    // Each text of show is a calculation of its own.
    for (const std::string_view& text : invocation.operands) {
      runner.Calculate(Arguments(&text, 1));
    }
  } else {
    runner.Calculate(invocation.operands);
  }
  return runner.Finish();
}

}  // namespace cli
