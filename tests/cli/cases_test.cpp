// End to end: the real kalvenor-cli on the case tables cases/*.txt, its
// stdout, stderr and exit status compared byte for byte. A case is a run of
// lines up to a blank line ("#": comments): "$ ARGS" after the program,
// split at blanks ('' is empty); "< IN" a line of stdin, "< IN => OUT" with
// its output line, "< IN =! ERR" refused: an empty output line and ERR on
// stderr; "> OUT" and "! ERR"; "= N" the status (2, a wrong command line,
// brings usage.en on stderr); "@ today YYYY-MM-DD"; "@ env NAME=VALUE" (the
// locale's are unset otherwise). "<*N IN" is N lines. \xNN is a byte, \r,
// \t, \s (blank) and \\ as named; a final \c drops the line end.
// Usage: cli_cases_test PATH/TO/kalvenor-cli PATH/TO/cases [gtest flags]
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "process.h"

namespace kalvenor::testing {
namespace {

std::string program;

struct Case {
  std::string where;              // file:line, for the failure messages
  std::vector<std::string> args;  // the program first
  std::vector<std::pair<std::string, std::string>> variables;  // set for the case
  std::string today, input, out, err;
  int status = 0;
};

bool Unescape(std::string_view text, std::string& bytes) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      bytes += text[i];
      continue;
    }
    const char c = text[++i];
    if (c == 'c') return false;
    if (c == 'x') {
      bytes += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      const std::size_t named = std::string_view("rts").find(c);  // \r \t \s
      bytes += named == std::string_view::npos ? c : "\r\t "[named];
    }
  }
  return true;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words{program};
  std::istringstream in(line);
  for (std::string raw; in >> raw;) Unescape(raw == "''" ? "" : raw, words.emplace_back());
  return words;
}

void AddLine(std::string_view rest, std::string& bytes) {
  int times = 1;
  if (rest.starts_with('*')) {
    const std::size_t blank = rest.find(' ');
    times = std::stoi(std::string(rest.substr(1, blank - 1)));
    rest.remove_prefix(blank == rest.npos ? rest.size() : blank);
  }
  if (rest.starts_with(' ')) rest.remove_prefix(1);
  std::string line;
  if (Unescape(rest, line)) line += '\n';
  for (int i = 0; i < times; ++i) bytes += line;
}

void AddInput(std::string_view rest, Case& c) {
  const std::size_t arrow = std::min(rest.find(" => "), rest.find(" =! "));
  AddLine(rest.substr(0, arrow), c.input);
  if (arrow == rest.npos) return;
  const bool refused = rest[arrow + 2] == '!';
  AddLine(refused ? "" : rest.substr(arrow + 3), c.out);
  if (refused) AddLine(rest.substr(arrow + 3), c.err);
}

void AddStatus(const std::string& rest, Case& c) {
  c.status = std::stoi(rest);
  std::ifstream usage("usage.en");
  for (std::string line; c.status == 2 && std::getline(usage, line);) c.err += line + '\n';
}

void AddSetting(const std::string& rest, Case& c) {
  if (rest.starts_with("today ")) {
    c.today = rest.substr(6);
#ifdef KALVENOR_FAKETIME_LIB  // fixed for this case alone
    c.variables.insert(c.variables.end(), {{"FAKETIME", "@" + c.today + " 12:00:00"},
                                           {"LD_PRELOAD", KALVENOR_FAKETIME_LIB}});
#endif
  } else {  // env NAME=VALUE
    const std::size_t equals = rest.find('=');
    c.variables.emplace_back(rest.substr(4, equals - 4), rest.substr(equals + 1));
  }
}

std::vector<Case> ReadCases(const std::filesystem::path& file) {
  std::vector<Case> cases;
  std::ifstream in(file);
  bool open = false;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.empty() || line[0] == '#') {
      open = open && !line.empty();
      continue;
    }
    if (!open) cases.emplace_back().where = file.filename().string() + ":" + std::to_string(number);
    open = true;
    Case& c = cases.back();
    const std::string rest = line.size() > 2 ? line.substr(2) : "";
    switch (line[0]) {
      case '$': c.args = Words(rest); break;
      case '<': AddInput(line.substr(1), c); break;
      case '>': AddLine(line.substr(1), c.out); break;
      case '!': AddLine(line.substr(1), c.err); break;
      case '=': AddStatus(rest, c); break;
      case '@': AddSetting(rest, c); break;
      default: ADD_FAILURE() << c.where << ": a line the runner does not know: " << line;
    }
  }
  return cases;
}

// A case's variables are set in this process's environment, which the
// program inherits, and removed after it. Where today cannot be fixed
// (Windows), the cases that need a fixed today are left out.
TEST(CliCases, EveryTableGivesItsOutputErrorsAndStatus) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    if (entry.path().extension() != ".txt") continue;
    for (const Case& c : ReadCases(entry.path())) {
      ++count;
#ifndef KALVENOR_FAKETIME_LIB
      if (!c.today.empty()) continue;
#endif
      SCOPED_TRACE(c.where);
      for (const auto& [name, value] : c.variables) SetVariable(name, value.c_str());
      const Finished run = RunProgram(c.args, c.input);
      for (const auto& [name, value] : c.variables) SetVariable(name, nullptr);
      EXPECT_EQ(c.out, run.out);
      EXPECT_EQ(c.err, run.err);
      EXPECT_EQ(c.status, run.status);
    }
  }
  EXPECT_LT(50u, count) << "no tables in " << std::filesystem::current_path();
}

}  // namespace
}  // namespace kalvenor::testing

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PATH/TO/kalvenor-cli PATH/TO/cases\n", argv[0]);
    return 2;
  }
  kalvenor::testing::program = std::filesystem::absolute(argv[1]).string();
  std::filesystem::current_path(argv[2]);  // the tables', and the files cases name
  // Messages in English and times in UTC unless a case says otherwise.
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"}) {
    kalvenor::testing::SetVariable(name, nullptr);
  }
  kalvenor::testing::SetVariable("TZ", "UTC");
  return RUN_ALL_TESTS();
}
