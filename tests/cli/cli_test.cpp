// End to end: the built kalvenor-cli, run under libfaketime.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Strings = std::vector<std::string>;
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
constexpr const char* kToday = "1999-04-20";

struct CliResult {
  int status;  // exit status, or 128 + the signal that ended it
  std::string out, err;
};

std::string ReadAll(std::FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c; (c = std::getc(file)) != EOF;) text += static_cast<char>(c);
  return text;
}

CliResult RunCli(const Strings& args, const std::string& input = "",
                 const std::string& today = kToday, const char* stdoutPath = nullptr) {
  const File in(std::tmpfile(), &std::fclose), err(std::tmpfile(), &std::fclose);
  const File out(stdoutPath ? std::fopen(stdoutPath, "w") : std::tmpfile(), &std::fclose);
  std::fputs(input.c_str(), in.get());
  std::rewind(in.get());
  // A fixed time zone, and ASan told not to insist on coming first:
  // faketime's library is preloaded ahead of it in the sanitizer build.
  const char* asan = std::getenv("ASAN_OPTIONS");
  const std::string options =
      "ASAN_OPTIONS=verify_asan_link_order=0:" + std::string(asan ? asan : "");
  Strings all = {"/usr/bin/env",      "TZ=UTC",    options, KALVENOR_FAKETIME,
                 today + " 12:00:00", KALVENOR_CLI};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : all) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd = 0; std::FILE * file : {in.get(), out.get(), err.get()}) {
    posix_spawn_file_actions_adddup2(&actions, fileno(file), fd++);
  }
  pid_t pid = 0;
  int status = 0;
  EXPECT_EQ(0, posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ));
  posix_spawn_file_actions_destroy(&actions);
  waitpid(pid, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), ReadAll(out.get()),
          ReadAll(err.get())};
}

Strings Lines(const std::string& text) {
  Strings lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// One result, or ("" wanted) a refusal: nothing on stdout, status 1 and one
// message naming the text at fault.
TEST(Cli, AddAndDiffCalculateOrRefuse) {
  const struct {
    Strings args;
    std::string want;
  } cases[] = {
      {{"--iso", "add", "2000/1/1", "365"}, "2000-12-31"},
      {{"--iso", "add", "2000/1/1", "-1"}, "1999-12-31"},
      {{"--iso", "add", "", " 1e2 days"}, "1999-07-29"},
      {{"add", "h12/1/1", "365"}, "H 12/ 12/ 31(日)"},
      {{"--iso", "show", "1/1", ""}, "2000-01-01\n1999-04-20"},
      // 2000-01-01 is day 730120: a tie goes to the even day number.
      {{"--iso", "add", "2000/1/1", "0.5"}, "2000-01-01"},
      {{"--iso", "add", "2000/1/2", "0.5"}, "2000-01-03"},
      // The ends of the calendar, and day number 0, which has no date.
      {{"--iso", "add", "00/12/31", "1"}, "0001-01-01"},
      {{"--iso", "add", "32767/12/31", "0"}, "32767-12-31"},
      {{"--iso", "add", "0001/1/1", "-1"}, ""},
      {{"--iso", "add", "32767/12/31", "1"}, ""},
      {{"--iso", "add", "2000/1/1", "1e10"}, ""},
      {{"--iso", "add", "2000/1/1", "1e400"}, ""},
      // Not a day count, where the window would quietly add 0.
      {{"--iso", "add", "2000/1/1", " "}, ""},
      {{"diff", "2000/1/1", "2000/12/31"}, "365"},
      {{"diff", "", "2000/1/1"}, "256"},
      {{"diff", "32767/12/31", "00/1/1"}, "-11968265"},
      {{"diff", "2000/1/1", "4/31"}, ""},
      // After the command word even what looks like an option is a date.
      {{"diff", "-5/1/1", "2000/1/1"}, "1826"},
      {{"--iso", "show", "--era"}, ""},
  };
  for (const auto& c : cases) {
    const CliResult run = RunCli(c.args);
    EXPECT_EQ(c.want.empty() ? "" : c.want + "\n", run.out) << c.args.back();
    EXPECT_EQ(c.want.empty() ? 1 : 0, run.status) << c.args.back() << run.err;
    if (!c.want.empty()) continue;
    EXPECT_EQ(1u, Lines(run.err).size()) << c.args.back() << run.err;
    EXPECT_NE(std::string::npos, run.err.find(c.args.back())) << run.err;
  }
}

// A "-" operand reads standard input, one output line per line: a refused
// line leaves an empty line and a short message with its line number.
void ExpectStream(const Strings& args, const std::string& input, const Strings& want,
                  const std::string& today = kToday) {
  const CliResult run = RunCli(args, input, today);
  EXPECT_EQ(want, Lines(run.out)) << input.substr(0, 80);
  const Strings lines = Lines(input), errors = Lines(run.err);
  std::size_t refused = 0;
  for (std::size_t i = 0; i < want.size(); ++i) {
    if (!want[i].empty() || refused == errors.size()) continue;
    const std::string& error = errors[refused++];
    EXPECT_NE(std::string::npos, error.find(std::to_string(i + 1) + "行目"));
    EXPECT_NE(std::string::npos, error.find(lines[i].substr(0, 40))) << error;
    EXPECT_LT(error.size(), 300u);
  }
  EXPECT_EQ(refused, errors.size()) << run.err;
  EXPECT_EQ(std::ranges::count(want, "") > 0, run.status) << run.err;
}

// Each row is an input line and the line wanted for it ("" when refused);
// the last line is left without its end.
TEST(Cli, StreamsKeepOneLinePerLine) {
  using Rows = std::vector<std::pair<std::string, std::string>>;
  const Strings iso = {"--iso", "show", "-"};
  const struct {
    Strings args;
    Rows rows;
    std::string today = kToday;
  } cases[] = {
      // clang-format off
      // The styles, and a few of each form of the date language, read against
      // two todays.
      {{"show", "-"}, {{"2000/1/1", "H 12/ 1/ 1(土)"}, {"05/1/1", " 5/ 1/ 1(土)"},
          {"1867/12/31", " 1867/ 12/ 31(火)"},
          {"32767/12/31", "H 30779/ 12/ 31(日)"}}},
      {{"--era", "show", "-"}, {{"", "H 11/ 4/ 20(火)"},
          {"-2005/1/1", "-5/ 1/ 1(日)"}}},
      {{"--western", "show", "-"}, {{"2000/1/1", " 2000/ 1/ 1(土)"},
          {"-2005/1/1", "-5/ 1/ 1(日)"}, {"32767/12/31", " 32767/ 12/ 31(日)"}}},
      {iso, {{"", "1999-04-20"}, {"5", "1999-05-05"}, {"31", ""},
          {"月", "1999-04-26"}, {"E", "1999-04-30"}, {"4/19", "2000-04-19"},
          {"2/29", "2000-02-29"}, {"2/30", ""}, {"4/月3", "2000-04-17"},
          {"13/1", ""}, {"日付", ""}, {"S64/1/7", "1989-01-07"},
          {"51/1/1", "2051-01-01"}, {"52/1/1", "1952-01-01"}, {"2000/1/1/", ""},
          {"05/1/1", "0005-01-01"}, {"-2005/1/1", "-0005-01-01"},
          {"32767/12/31", "32767-12-31"}, {"2000/1/E", "2000-01-31"},
          {" 2000/ 12/ 31(日)", "2000-12-31"}}},
      {iso, {{"", "2024-02-29"}, {"30", ""}, {"1", "2024-03-01"},
          {"2/28", "2025-02-28"}}, "2024-02-29"},
      // CRLF, a lone CR (today), a line longer than any buffer.
      {iso, {{"2000/1/1\r", "2000-01-01"}, {"\r", "1999-04-20"},
          {std::string(3 << 20, 'x') + "\r", ""}, {"2000/1/2", "2000-01-02"}}},
      {{"diff", "2000/1/1", "-"}, {{"2000/12/31", "365"}, {"x", ""},
          {"1999/12/31", "-1"}}},
      {{"diff", "-", "h12/1/1"}, {{"2000/12/31", "-365"}, {"1999/12/31", "1"}}},
      {{"--iso", "add", "2000/1/1", "-"}, {{"1", "2000-01-02"}, {"none", ""},
          {"0.5", "2000-01-01"}, {"1e10", ""}, {"-1", "1999-12-31"}}},
      {{"--iso", "add", "-", "1"}, {{"2000/2/30", ""}, {"", "1999-04-21"},
          {"12/31", "2000-01-01"}}},
      {iso, {}},
      // clang-format on
  };
  for (const auto& c : cases) {
    std::string input;
    Strings want;
    for (const auto& [text, result] : c.rows) {
      input += (want.empty() ? "" : "\n") + text;
      want.push_back(result);
    }
    ExpectStream(c.args, input, want, c.today);
  }
}

// Enough lines to cross the tool's read and write blocks, some in mid-line.
TEST(Cli, LongStreamsCrossTheBlocks) {
  std::string input;
  for (int i = 0; i < 150000; ++i) input += "2000/1/1\n";
  ExpectStream({"--iso", "show", "-"}, input, Strings(150000, "2000-01-01"));
}

// A wrong command line gets the usage and status 2; --help and --version
// stand alone; a failed write is status 1.
TEST(Cli, CommandLinesAndExitStatus) {
  // clang-format off
  const Strings cases[] = {{}, {"--iso"}, {"frob", "1"}, {"-x", "show", "1"},
      {"--iso", "--era", "show", "1"}, {"--iso", "diff", "1", "2"}, {"show"},
      {"add", "1"}, {"diff", "1", "2", "3"}, {"diff", "-", "-"},
      {"--help", "show", "1"}, {"--version", "x"}};
  // clang-format on
  for (const Strings& args : cases) {
    const CliResult run = RunCli(args);
    EXPECT_EQ(2, run.status) << args.size();
    EXPECT_EQ("", run.out) << args.size();
    EXPECT_NE(std::string::npos, run.err.find("使い方:")) << run.err;
  }
  const CliResult version = RunCli({"--version"});
  EXPECT_EQ("Kalvenor Ver 1.00.2\n", version.out);
  EXPECT_EQ(0, version.status);
  const CliResult help = RunCli({"--help"});
  EXPECT_EQ(0, help.status);
  EXPECT_EQ("", help.err);
  for (const char* part :
       {"使い方:", "show TEXT...", "add DATE DAYS", "diff DATE1 DATE2", "--iso", "和暦"}) {
    EXPECT_NE(std::string::npos, help.out.find(part)) << part;
  }
  const CliResult full = RunCli({"--iso", "show", "-"}, "1\n", kToday, "/dev/full");
  EXPECT_EQ(1, full.status);
  EXPECT_EQ(1u, Lines(full.err).size()) << full.err;
}

}  // namespace
