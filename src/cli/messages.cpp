#include "cli/messages.h"

#include <cstddef>

namespace cli::messages {
namespace {

// Long enough to recognise a line, short enough that a megabyte of input
// still gives a one-line message.
constexpr std::size_t kQuotedBytes = 60;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The user's text in corner brackets, cut short (never inside a UTF-8
// sequence) and with control characters shown as "?", so the message stays
// on one line.
std::string Quote(std::string_view text) {
  std::size_t length = text.size();
  if (length > kQuotedBytes) {
    length = kQuotedBytes;
    while (length > 0 && IsContinuationByte(text[length])) --length;
  }
  std::string quoted = "「";
  for (char c : text.substr(0, length)) {
    const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    quoted += control ? '?' : c;
  }
  if (length < text.size()) quoted += "…";
  return quoted + "」";
}

}  // namespace

std::string MissingCommand() { return "コマンド (show, add, diff) がありません。"; }
std::string UnknownCommand(std::string_view word) { return "不明なコマンドです: " + Quote(word); }
std::string UnknownOption(std::string_view option) {
  return "不明なオプションです: " + Quote(option);
}
std::string OneStyleOnly() {
  return "表示形式 (--era, --western, --iso) は一つだけ指定してください。";
}
std::string DiffTakesNoStyle() { return "diff は日数を表示するので、表示形式は指定できません。"; }
std::string HelpVersionAlone() { return "--help と --version は単独で指定してください。"; }
std::string ShowNeedsText() { return "show には日付を一つ以上指定してください。"; }
std::string AddNeedsTwo() { return "add には日付と日数の二つを指定してください。"; }
std::string DiffNeedsTwo() { return "diff には日付を二つ指定してください。"; }
std::string StdinOnce() { return "標準入力 (-) は一つの引数にしか使えません。"; }

std::string NotADate(std::string_view text) { return Quote(text) + "は日付として読めません。"; }
std::string NotANumber(std::string_view text) {
  return Quote(text) + "は日数として読めません（数で始まっていません）。";
}
std::string OutOfRange(std::string_view date, std::string_view days) {
  return Quote(date) + "に" + Quote(days) +
         "日を足した日付は 0001-01-01 から 32767-12-31 の範囲外です。";
}
std::string Overflow(std::span<const std::string_view> texts) {
  std::string quoted;
  for (const std::string_view text : texts) {
    quoted += (quoted.empty() ? "" : "と") + Quote(text);
  }
  return quoted + "の計算で数があふれました。";
}

std::string CannotRead() { return "標準入力を読めません。"; }
std::string CannotWrite() { return "標準出力に書き込めません。"; }
std::string Aborted(std::string_view reason) {
  return "処理を続けられません: " + std::string{reason};
}

std::string ErrorLine(std::string_view message, long long lineNumber) {
  std::string line{kProgram};
  line += ": ";
  if (lineNumber > 0) line += std::to_string(lineNumber) + "行目: ";
  line += message;
  line += '\n';
  return line;
}

}  // namespace cli::messages
