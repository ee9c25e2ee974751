// End to end: the real kalvenor-cli on the case tables of tests/cli/cases
// (their format is described in cases/README.md).
// Usage: cli_cases_test PATH/TO/kalvenor-cli PATH/TO/cases [gtest flags]
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "process.h"

namespace {

std::string program;
std::filesystem::path casesDir;
// Stands for casesDir in a table, for the files that cases read.
constexpr std::string_view kCasesToken = "{cases}";

struct Case {
  std::string where;  // file:line, for the failure messages
  kalvenor::testing::Process process;
  std::string out, err;
  int status = 0;
};

// Turns \xNN, \r, \t, \s (a blank), \\ and a final \c (no line end) into
// bytes; returns false for \c.
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

// "--iso show '' 'a b'": words at blanks; '' quotes, escapes as above.
std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::string word, raw;
  bool quoted = false, started = false;
  for (const char c : std::string(line) + ' ') {
    if (c == '\'') {
      quoted = !quoted;
      started = true;
    } else if (c == ' ' && !quoted) {
      if (started) Unescape(raw, word), words.push_back(word);
      word.clear(), raw.clear(), started = false;
    } else {
      raw += c, started = true;
    }
  }
  return words;
}

// "<*3 text": text and its line end, three times, onto bytes.
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

// "< in => out" is an input line and its output line; "< in =! message"
// one that is refused: an empty output line and the message.
void AddInput(std::string_view rest, Case& c) {
  const std::size_t arrow = std::min(rest.find(" => "), rest.find(" =! "));
  AddLine(rest.substr(0, arrow), c.process.input);
  if (arrow == rest.npos) return;
  const bool refused = rest[arrow + 2] == '!';
  AddLine(refused ? "" : rest.substr(arrow + 3), c.out);
  if (refused) AddLine(rest.substr(arrow + 3), c.err);
}

// The "!" lines of a file such as usage.en, onto bytes.
void AddFile(const std::filesystem::path& file, std::string& bytes) {
  std::ifstream in(file);
  ASSERT_TRUE(in) << file;
  for (std::string line; std::getline(in, line);) AddLine(line.substr(1), bytes);
}

std::vector<Case> ReadCases(const std::filesystem::path& file) {
  std::vector<Case> cases;
  std::ifstream in(file);
  bool open = false;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    for (std::size_t at; (at = line.find(kCasesToken)) != line.npos;) {
      line.replace(at, kCasesToken.size(), casesDir.string());
    }
    if (line.empty() || line[0] == '#') {
      open = open && !line.empty();
      continue;
    }
    if (!open) cases.emplace_back().where = file.filename().string() + ":" + std::to_string(number);
    open = true;
    Case& c = cases.back();
    const std::string rest = line.size() > 2 ? line.substr(2) : "";
    switch (line[0]) {
      case '$': c.process.args = Words(rest); break;
      case '<': AddInput(line.substr(1), c); break;
      case '>': AddLine(line.substr(1), c.out); break;
      case '!': AddLine(line.substr(1), c.err); break;
      case '=': c.status = std::stoi(rest); break;
      case '@': {
        const auto words = Words(rest);
        if (words.at(0) == "usage") {
          AddFile(file.parent_path() / ("usage." + (words.size() > 1 ? words[1] : "en")), c.err);
        } else {
          (words.at(0) == "today" ? c.process.today : c.process.environment.emplace_back()) =
              words.at(1);
        }
        break;
      }
      default: ADD_FAILURE() << c.where << ": a line the runner does not know: " << line;
    }
  }
  return cases;
}

TEST(CliCases, EveryTableGivesItsOutputErrorsAndStatus) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(casesDir)) {
    if (entry.path().extension() != ".txt") continue;
    for (Case& c : ReadCases(entry.path())) {
      ++count;
      if (!kalvenor::testing::CanStart(c.process)) continue;
      SCOPED_TRACE(c.where);
      c.process.args.insert(c.process.args.begin(), program);
      const kalvenor::testing::Finished run = kalvenor::testing::Start(c.process);
      EXPECT_EQ(c.out, run.out);
      EXPECT_EQ(c.err, run.err);
      EXPECT_EQ(c.status, run.status);
    }
  }
  EXPECT_LT(50u, count) << "the tables were not found in " << casesDir;
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PATH/TO/kalvenor-cli PATH/TO/cases\n", argv[0]);
    return 2;
  }
  program = argv[1];
  casesDir = argv[2];
  return RUN_ALL_TESTS();
}
