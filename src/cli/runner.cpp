#include "cli/runner.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/business_days.h"
#include "cli/commands.h"
#include "cli/line_reader.h"
#include "cli/messages.h"
#include "cli/operand_text.h"
#include "cli/output.h"
#include "numeric/checked.h"

namespace kalvenor::cli {
namespace {

Calculation CalculationOf(Command command) {
  switch (command) {
    case Command::Add: return Add;
    case Command::Diff: return Diff;
    case Command::Holidays: return Holidays;
    case Command::Workdays: return Workdays;
    case Command::Span: return Span;
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
    case Problem::NotAYear: return messages::NotAYear(arguments[failure.operand]);
    case Problem::HolidaysUnknown: return messages::HolidaysUnknown();
  }
  return {};
}

void Complain(std::string_view message, long long lineNumber) {
  const std::string line = messages::ErrorLine(message, lineNumber);
  std::fwrite(line.data(), 1, line.size(), stderr);
}

// --help and --version.
int WriteAll(std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0) {
    return 0;
  }
  Complain(messages::CannotWrite(), 0);
  std::fflush(stderr);
  return 1;
}

class Runner {
 public:
  Runner(const Invocation& invocation, const BlockSizes& blocks, const Settings& settings)
      : settings_(settings),
        calculation_(CalculationOf(invocation.command)),
        readBytes_(blocks.read),
        output_(stdout, blocks.write) {}

  // One calculation per set of operands, or one per input line where an
  // operand is "-". False once the output has failed.
  bool Calculate(Arguments arguments);

  int Finish();

 private:
  // arguments: the operands' bytes as given, for the messages. False once
  // the output has failed.
  bool CalculateOnce(Arguments arguments, long long lineNumber);
  void Refuse(std::string_view message, long long lineNumber);

  Settings settings_;
  Calculation calculation_;
  std::size_t readBytes_;
  Output output_;
  std::vector<Operand> operands_;  // decoded; reused from line to line
  bool failed_ = false;
};

bool Runner::Calculate(Arguments arguments) {
  std::vector<std::string_view> current(arguments.begin(), arguments.end());
  operands_.assign(current.size(), Operand{});
  for (std::size_t i = 0; i < current.size(); ++i) {
    DecodeOperand(current[i], operands_[i].text);
  }
  const auto stdinAt = std::ranges::find(current, kStdinOperand);
  if (stdinAt == current.end()) return CalculateOnce(current, 0);
  Operand& line = operands_[stdinAt - current.begin()];
  LineReader reader(stdin, readBytes_);
  long long lineNumber = 0;
  while (reader.Next(*stdinAt)) {
    DecodeOperand(*stdinAt, line.text);
    line.date.reset();
    if (!CalculateOnce(current, ++lineNumber)) return false;
  }
  if (reader.Failed()) Refuse(messages::CannotRead(), 0);
  return true;
}

bool Runner::CalculateOnce(Arguments arguments, long long lineNumber) {
  std::string& line = output_.Line();
  const std::size_t lineStart = line.size();
  std::optional<Failure> failure;
  try {
    failure = calculation_(operands_, settings_, line);
  } catch (const checked::OverflowError&) {
    failure = Failure{Problem::Overflow};
  } catch (const HolidaysUnknownError&) {
    failure = Failure{Problem::HolidaysUnknown};
  }
  if (failure) {
    line.resize(lineStart);  // nothing half-written stays
    Refuse(Describe(*failure, arguments), lineNumber);
  }
  // In a stream a refused line still gets its (empty) line, so the output
  // stays aligned with the input.
  return (failure && lineNumber == 0) || output_.EndLine();
}

void Runner::Refuse(std::string_view message, long long lineNumber) {
  Complain(message, lineNumber);
  failed_ = true;
}

int Runner::Finish() {
  if (!output_.Flush()) Refuse(messages::CannotWrite(), 0);
  std::fflush(stderr);
  return failed_ ? 1 : 0;
}

}  // namespace

int Run(const Invocation& invocation, const DateParts& today, const BlockSizes& blocks) {
  switch (invocation.command) {
    case Command::Help:
      return WriteAll(messages::Usage() + messages::HelpBody() + messages::CalendarHelp());
    case Command::Version: return WriteAll(messages::kVersion);
    default: break;
  }
  std::optional<BusinessDays> business;
  if (invocation.command == Command::Workdays || invocation.command == Command::Add) {
    std::vector<std::string> errors;
    auto rules = LoadBusinessRules(invocation.business, today, errors);
    // Nothing is calculated on a wrong calendar.
    for (const std::string& error : errors) Complain(error, 0);
    if (!rules) return 1;
    business.emplace(std::move(*rules));
  }
  const Settings settings{today, invocation.style, invocation.inclusive, invocation.holiday_names,
                          business ? &*business : nullptr};
  Runner runner(invocation, blocks, settings);
  if (invocation.command == Command::Show) {
    // Each text of show is a calculation of its own.
    for (const std::string_view& text : invocation.operands) {
      if (!runner.Calculate(Arguments(&text, 1))) break;
    }
  } else {
    runner.Calculate(invocation.operands);
  }
  return runner.Finish();
}

}  // namespace kalvenor::cli
