// Every text the command line shows its user, in one place.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "version.h"

namespace cli::messages {

inline constexpr std::string_view kProgram = "kalvenor-cli";
inline constexpr std::string_view kVersion = "Kalvenor Ver " KALVENOR_VERSION_TEXT "\n";

inline constexpr std::string_view kUsage =
    "使い方:\n"
    "  kalvenor-cli [--era | --western | --iso] show TEXT...\n"
    "  kalvenor-cli [--era | --western | --iso] add DATE DAYS\n"
    "  kalvenor-cli diff DATE1 DATE2\n"
    "  kalvenor-cli --help | --version\n";

inline constexpr std::string_view kHelpBody =
    "\n"
    "コマンド:\n"
    "  show   TEXT ごとに、その日付を曜日付きで一行に表示します。\n"
    "  add    DATE に DAYS 日を足した日付を表示します（小数は偶数丸め）。\n"
    "  diff   DATE2 － DATE1 の日数を表示します。\n"
    "\n"
    "表示形式（show と add）:\n"
    "  --era      和暦で表示します（既定）。例: H 12/ 1/ 1(土)\n"
    "  --western  西暦で表示します。例:  2000/ 1/ 1(土)\n"
    "  --iso      YYYY-MM-DD で表示します。例: 2000-01-01\n"
    "\n"
    "日付の書き方:\n"
    "  2000/1/1  h12/1/1  S64/1/7   年/月/日（元号 H S T M、二桁の年も可）\n"
    "  12/31  4/E                   月/日（今日以降で最初のその日）\n"
    "  25  E  月2                   日のみ（E は月末、月2 は第2月曜日）\n"
    "  空の TEXT                    今日\n"
    "\n"
    "引数を一つだけ \"-\" にすると、標準入力を一行ずつその位置に使い、\n"
    "一行ごとに結果を一行出力します。読めない行には空行を出力し、\n"
    "行番号付きのメッセージを標準エラーに出します。\n"
    "\n"
    "終了コード: 0 成功、1 読めない入力があった、2 使い方の誤り\n";

// Usage errors: the reason printed above the usage.
std::string MissingCommand();
std::string UnknownCommand(std::string_view word);
std::string UnknownOption(std::string_view option);
std::string OneStyleOnly();
std::string DiffTakesNoStyle();
std::string HelpVersionAlone();
std::string ShowNeedsText();
std::string AddNeedsTwo();
std::string DiffNeedsTwo();
std::string StdinOnce();

// Input that cannot be calculated; texts are the user's own bytes.
std::string NotADate(std::string_view text);
std::string NotANumber(std::string_view text);
std::string OutOfRange(std::string_view date, std::string_view days);
std::string Overflow(std::span<const std::string_view> texts);

// Trouble with the streams themselves.
std::string CannotRead();
std::string CannotWrite();
std::string Aborted(std::string_view reason);

// One line for stderr: the program, the input line number when there is
// one (0: none), the message.
std::string ErrorLine(std::string_view message, long long lineNumber);

}  // namespace cli::messages
