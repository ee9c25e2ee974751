#include "cli/messages.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include "calendar/weekday_chars.h"
#include "commands/date_output.h"
#include "commands/messages.h"
#include "holidays/holidays.h"
#include "text/utf8.h"

namespace kalvenor::cli::messages {
namespace {

using commands::messages::Format;
using commands::messages::Quote;
using commands::messages::Quoted;
using commands::messages::Tr;

}  // namespace

// --help's column of what each command does.
constexpr std::size_t kSummaryColumn = 25;

std::string Usage() {
  std::string text{Tr("Usage:\n")};
  for (const commands::CommandRow& command : commands::Commands()) {
    text += Format(Tr("  kalvenor-cli [OPTION]... %s %s\n"), {command.word, command.operands});
  }
  return text + "  kalvenor-cli --help | --version\n";
}

std::string CommandList() {
  std::string text{Tr("\nCommands:\n")};
  for (const commands::CommandRow& command : commands::Commands()) {
    std::string line = Format("  %s %s", {command.word, command.operands});
    // A synopsis too long for the column puts its summary on the next line.
    if (line.size() >= kSummaryColumn) line += '\n' + std::string(kSummaryColumn, ' ');
    line.resize(std::max(line.size(), kSummaryColumn), ' ');
    std::string summary{Tr(command.summary)};
    for (auto at = summary.find('\n'); at != std::string::npos; at = summary.find('\n', at + 1)) {
      summary.insert(at + 1, kSummaryColumn, ' ');
    }
    text += line + summary + '\n';
  }
  return text;
}

// Texts of the help that are the same in every language, kept out of the
// catalogue's keys, which are plain ASCII.
constexpr std::string_view kHelpExamples =
    "  $ kalvenor-cli show h12/1/1\n"
    "    H 12/ 1/ 1(土)\n"
    "  $ kalvenor-cli --reiwa show 2026-12-07\n"
    "    R 8/ 12/ 7(月)\n"
    "  $ kalvenor-cli --kanji show r1/5/1 h31/4/30\n"
    "    令和元年5月1日(水)\n"
    "    平成31年4月30日(火)\n"
    "  $ kalvenor-cli --iso show '令和8年12月7日(月)' '２０２６／１／１ 9:30'\n"
    "    2026-12-07\n"
    "    2026-01-01\n"
    "  $ kalvenor-cli --iso add 2026/1/31 1mo\n"
    "    2026-02-28\n"
    "  $ kalvenor-cli diff h31/4/30 r1/5/1\n"
    "    1\n";

// The examples' prompt, as the user's own shell shows it.
#ifdef _WIN32
constexpr char kPrompt = '>';
#else
constexpr char kPrompt = '$';
#endif

std::string WithPrompt(std::string_view examples) {
  std::string text{examples};
  for (auto at = text.find("  $ "); at != std::string::npos; at = text.find("  $ ", at + 1)) {
    text[at + 2] = kPrompt;
  }
  return text;
}

std::string HelpBody() {
  return Format(
      Tr("\n"
         "Styles (show and add):\n"
         "  --era      era letter and year, as the window shows dates (the default):\n"
         "             %s; H stays the newest era, so 2026 is H 38\n"
         "  --reiwa    the same with R (Reiwa) from 2019-05-01: %s\n"
         "  --kanji    a date as written in Japanese documents: %s\n"
         "  --western  the Western year: %s\n"
         "  --iso      YYYY-MM-DD: 2000-01-01\n"
         "\n"
         "Options:\n"
         "  --strict           also refuse an era year outside its era (%s)\n"
         "  --window-language  read dates and add's days exactly as the window does\n"
         "  --encoding=ENC     read standard input and the --closed and --open files\n"
         "                     as cp932, utf-8 or utf-16 (found by itself otherwise);\n"
         "                     cp932 also writes CP932\n"
         "  --line-buffered    write each line at once (always when typing)\n"
         "\n"
         "Dates, each as a whole:\n"
         "  2000/1/1  r8/12/7  %s  year/month/day; eras R H S T M, by letter or name;\n"
         "                     a year of one or two digits: 0-51 is 2000-2051, 52-99\n"
         "                     1952-1999\n"
         "  12/31  4/E         month/day: the first such day from today on\n"
         "  25  E  %s         day: this month or the next; E is the last day, %s the\n"
         "                     second Monday; %s the first fifth Monday from today\n"
         "                     on, which may be months away\n"
         "  R8.12.7  2026-12-7  20261207     dot, ISO and compact dates\n"
         "  %s  kanji dates; %s is year 1; a year\n"
         "                     without its era has four digits: %s;\n"
         "                     %s gives both years, which must agree\n"
         "  today  yesterday  tomorrow  %s\n"
         "  A weekday after a date, %s, must be its own;\n"
         "  a time after it, 9:30, 3:00 PM, %s or 2026-12-07T09:30+0900, is dropped.\n"
         "  Full-width forms count as their ASCII twins, the other Unicode spaces as\n"
         "  blanks, and U+2212, U+2010 and U+2011 as \"-\".\n"
         "  Dates before 1873 are proleptic Gregorian, not the calendar Japan used then.\n"
         "\n"
         "Days (add): 10, -3 or 2.5 days (a fraction is rounded half to even), 2w\n"
         "weeks, 3mo months or 1y years (the day kept, or the month's last); also\n"
         "%s.\n"
         "\n"
         "With \"-\" as one operand, each line of standard input is used in its place\n"
         "and gives one line of output; a line that cannot be calculated gives an\n"
         "empty line and a message with its line number on standard error.\n"
         "\n"
         "Examples:\n"
         "%s"
         "\n"
         "Exit status: 0 success, 1 some input could not be calculated or the\n"
         "output could not be written, 2 a wrong command line.\n"),
      {"H 12/ 1/ 1(土)", "R 8/ 12/ 7(月)", "令和8年12月7日(月)", " 2000/ 1/ 1(土)",
       "平成31年5月1日", "令和8/12/7", "月2", "月2", "月5", "令和八年十二月七日  12月31日  31日",
       "元年", "2026年12月7日", "令和8（2026）年", "今日  昨日  明日", "(月) 月曜日 (月・祝) ㈪",
       "午後3時", "10日  2週間  3か月  1年", WithPrompt(kHelpExamples)});
}

constexpr std::string_view kCalendarExamples =
    "  $ kalvenor-cli --iso holidays 2026/11/1 2026/11/30\n"
    "    2026-11-03\t文化の日\n"
    "    2026-11-23\t勤労感謝の日\n"
    "  $ kalvenor-cli workdays 2026/12/7 2026/12/11\n"
    "    4\n"
    "  $ kalvenor-cli --iso add 2026/12/25 3営業日\n"
    "    2026-12-30\n"
    "  $ kalvenor-cli span 2026/4/1 2027/5/4\n"
    "    1年1か月3日\n"
    "  $ kalvenor-cli age 2000/2/29 2026/3/1\n"
    "    満26歳\n"
    "  $ kalvenor-cli --long age 2000/2/29 2026/2/28\n"
    "    満25歳11か月30日\n"
    "  $ kalvenor-cli --year-end=12/29 workdays 2026/12/25 2027/1/8\n"
    "    6\n"
    "  $ kalvenor-cli --inclusive diff 2026/12/1 2026/12/31\n"
    "    31\n"
    "  $ kalvenor-cli --iso --inclusive add 2026/4/1 1mo\n"
    "    2026-04-30\n";

std::string CalendarHelp() {
  return Format(
      Tr("\n"
         "Options of the calendar commands:\n"
         "  --inclusive            add, diff, workdays and span count the first day too\n"
         "  --holiday              show and add: a tab and the holiday's name after\n"
         "                         a date that is a national holiday\n"
         "  --long                 age: the months and days too (%s)\n"
         "  --rest=WEEKDAYS        the weekdays without business, in kanji: %s (the\n"
         "                         default), %s, or nothing for none\n"
         "  --holidays=jp|none     national holidays are days off (jp) or not (none)\n"
         "  --year-end=12/29|12/31 the year-end closing through January 3: from 12/29\n"
         "                         (government offices) or from 12/31 (banks)\n"
         "  --closed=FILE          the dates of FILE are days off (one a line, # comments)\n"
         "  --open=FILE            the dates of FILE are business days, whatever else says\n"
         "add counts business days as Nb or N%s; span writes %s and age %s.\n"
         "National holidays are known from %s to %s; a calculation\n"
         "that needs them elsewhere is refused unless --holidays=none is given.\n"
         "\n"
         "Examples:\n"
         "%s"),
      {"満36歳2か月3日", "土日", "日", "営業日", "1年2か月3日", "満36歳",
       commands::IsoText(kFirstHolidayDataDay), commands::IsoText(kLastHolidayDataDay),
       WithPrompt(kCalendarExamples)});
}

std::string MissingCommand() {
  std::string words;
  for (const commands::CommandRow& command : commands::Commands()) {
    words += words.empty() ? "" : ", ";
    words += command.word;
  }
  return Format(Tr("no command (%s) given"), {words});
}
std::string UnknownCommand(std::string_view word) {
  return Quoted(Tr("unknown command '%s'"), word);
}
std::string UnknownOption(std::string_view option) {
  return Quoted(Tr("unknown option '%s'"), option);
}
std::string OptionAfterCommand(std::string_view option) {
  return Quoted(Tr("option '%s' after the command word: options go before it (after -- the "
                   "word is an operand)"),
                option);
}
std::string OneStyleOnly() {
  return std::string{Tr("give one style only (--era, --reiwa, --kanji, --western, --iso)")};
}
std::string TakesNoStyle(std::string_view command) {
  return Format(Tr("%s prints a number of days and takes no style"), {command});
}
std::string UnknownEncoding(std::string_view name) {
  return Quoted(Tr("unknown encoding '%s' (cp932, utf-8 or utf-16)"), name);
}
std::string WrongOperandCount(const commands::CommandRow& command) {
  return Format(Tr(command.wrong_count), {command.word});
}
std::string StdinOnce() {
  return std::string{Tr("standard input (-) can stand for one operand only")};
}

std::string LineTooLong(std::size_t longest) {
  return Format(Tr("the line is longer than %s bytes"), {std::to_string(longest)});
}
std::string OptionNotForCommand(std::string_view option) {
  return Quoted(Tr("option '%s' does not apply to this command"), option);
}
std::string BadRest(std::string_view value) {
  return Format(Tr("--rest takes weekday kanji (%s), not '%s'"),
                {text::ToUtf8(kWeekdayChars), Quote(value)});
}
std::string NoBusinessDay() {
  return std::string(Tr("--rest names every weekday: no day would be a business day"));
}
std::string BadHolidays(std::string_view value) {
  return Quoted(Tr("--holidays takes jp or none, not '%s'"), value);
}
std::string BadYearEnd(std::string_view value) {
  return Quoted(Tr("--year-end takes 12/29 or 12/31, not '%s'"), value);
}

// The causes a stream fails with in practice, in the words of strerror,
// so that they can be translated; others are named by strerror itself.
std::string Cause(int error) {
  switch (error) {
    case EISDIR: return std::string{Tr("Is a directory")};
    case EIO: return std::string{Tr("Input/output error")};
    case ENOSPC: return std::string{Tr("No space left on device")};
    case EPIPE: return std::string{Tr("Broken pipe")};
    case EBADF: return std::string{Tr("Bad file descriptor")};
    default: return std::strerror(error);
  }
}

std::string CannotRead(int error) {
  return Format(Tr("cannot read standard input: %s"), {Cause(error)});
}
std::string CannotWrite(int error) {
  return Format(Tr("cannot write standard output: %s"), {Cause(error)});
}
std::string Aborted(std::string_view reason) { return Format(Tr("cannot go on: %s"), {reason}); }

std::string ErrorLine(std::string_view message, long long lineNumber) {
  std::string line{kProgram};
  line += ": ";
  if (lineNumber > 0) line += Format(Tr("line %s: "), {std::to_string(lineNumber)});
  line += message;
  line += '\n';
  return line;
}

}  // namespace kalvenor::cli::messages
