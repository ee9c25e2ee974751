#include "cli/runner.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/date_files.h"
#include "cli/input_file.h"
#include "cli/line_reader.h"
#include "cli/messages.h"
#include "cli/output.h"
#include "cli/result_text.h"
#include "commands/business_days.h"
#include "commands/commands.h"

namespace kalvenor::cli {
namespace {

using commands::BusinessDays;
using commands::DescribeFailure;
using commands::Failure;
using commands::Operand;
using commands::SetOperand;
using commands::Settings;
using reader::ReadOptions;

using Arguments = std::span<const std::string_view>;

void Complain(std::string_view message, long long lineNumber) {
  const std::string line = messages::ErrorLine(message, lineNumber);
  std::fwrite(line.data(), 1, line.size(), stderr);
}

// --help and --version.
int WriteAll(std::string_view text) {
  Output output(stdout, text.size() + 1);
  output.Line() = text;
  if (output.Flush()) return 0;
  Complain(messages::CannotWrite(output.Error()), 0);
  std::fflush(stderr);
  return 1;
}

class Runner {
 public:
  Runner(const Invocation& invocation, const BlockSizes& blocks, const ReadOptions& read,
         BusinessDays* business)
      : invocation_(invocation),
        command_(*invocation.command),
        settings_{read, invocation.inclusive, invocation.holiday_names, false, business},
        format_{invocation.style, invocation.long_form, false},
        readBytes_(blocks.read),
        flushEachLine_(invocation.lineBuffered || IsTerminal(kStandardInput)),
        output_(stdout, blocks.write, invocation.encoding == Encoding::Cp932) {}

  // One calculation per set of operands, or one per input line where an
  // operand is "-". False once the output has failed.
  bool Calculate(Arguments arguments);

  int Finish();

 private:
  // arguments: the operands' bytes as given, for the messages. False once
  // the output has failed.
  bool CalculateOnce(Arguments arguments, long long lineNumber);
  bool EndLine();
  void Refuse(std::string_view message, long long lineNumber);

  const Invocation& invocation_;
  const CommandRow& command_;
  Settings settings_;
  ResultFormat format_;
  commands::Result result_;  // reused from line to line
  std::size_t readBytes_;
  bool flushEachLine_;
  Output output_;
  std::vector<Operand> operands_;  // decoded; reused from line to line
  bool failed_ = false;
};

bool Runner::Calculate(Arguments arguments) {
  std::vector<std::string_view> current(arguments.begin(), arguments.end());
  operands_.assign(current.size(), Operand{});
  for (std::size_t i = 0; i < current.size(); ++i) {
    SetOperand(current[i], settings_.read, operands_[i]);
  }
  const auto stdinAt = std::ranges::find(current, kStdinOperand);
  if (stdinAt == current.end()) return CalculateOnce(current, 0);
  Operand& line = operands_[stdinAt - current.begin()];
  format_.one_line = true;  // a line for a line
  LineReader reader(kStandardInput, readBytes_, invocation_.encoding);
  long long lineNumber = 0;
  std::string_view bytes;
  for (bool tooLong = false; reader.Next(bytes, tooLong);) {
    ++lineNumber;
    if (tooLong) {
      Refuse(messages::LineTooLong(LineReader::kLongestLine), lineNumber);
      if (!EndLine()) return false;
      continue;
    }
    *stdinAt = bytes;
    SetOperand(bytes, settings_.read, line);
    if (!CalculateOnce(current, lineNumber)) return false;
  }
  if (reader.Error() != 0) Refuse(messages::CannotRead(reader.Error()), 0);
  return true;
}

bool Runner::CalculateOnce(Arguments arguments, long long lineNumber) {
  const std::optional<Failure> failure = Run(command_.calculation, operands_, settings_, result_);
  if (!failure) return !AppendResult(result_, format_, output_.Line()) || EndLine();
  Refuse(DescribeFailure(*failure, arguments), lineNumber);
  // A refused stream line or operand of its own still gets its (empty)
  // line, so the output stays aligned with the input.
  return !(lineNumber > 0 || command_.each_operand) || EndLine();
}

bool Runner::EndLine() {
  // Someone typing at a terminal wants each answer at once.
  return output_.EndLine() && (!flushEachLine_ || output_.Flush());
}

void Runner::Refuse(std::string_view message, long long lineNumber) {
  Complain(message, lineNumber);
  if (flushEachLine_) std::fflush(stderr);
  failed_ = true;
}

int Runner::Finish() {
  if (!output_.Flush()) Refuse(messages::CannotWrite(output_.Error()), 0);
  std::fflush(stderr);
  return failed_ ? 1 : 0;
}

}  // namespace

int Run(const Invocation& invocation, const DateParts& today, const BlockSizes& blocks) {
  switch (invocation.action) {
    case Action::Help:
      return WriteAll(messages::Usage() + messages::CommandList() + messages::HelpBody() +
                      messages::CalendarHelp());
    case Action::Version: return WriteAll(messages::kVersion);
    case Action::Calculate: break;
  }
  const ReadOptions read{today, invocation.windowLanguage, invocation.strict};
  std::optional<BusinessDays> business;
  if (invocation.command->takes.business_days) {
    std::vector<std::string> errors;
    auto rules = LoadBusinessRules(invocation.business, invocation.encoding, read, errors);
    // Nothing is calculated on a wrong calendar.
    for (const std::string& error : errors) Complain(error, 0);
    if (!rules) return 1;
    business.emplace(std::move(*rules));
  }
  Runner runner(invocation, blocks, read, business ? &*business : nullptr);
  if (invocation.command->each_operand) {
    for (const std::string_view& text : invocation.operands) {
      if (!runner.Calculate(Arguments(&text, 1))) break;
    }
  } else {
    runner.Calculate(invocation.operands);
  }
  return runner.Finish();
}

}  // namespace kalvenor::cli
