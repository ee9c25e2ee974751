// Every text the window shows, exactly as the user sees it. A carriage
// return inside a message is a line break.
#pragma once

#include <string_view>

#include "version.h"

namespace kalvenor::ui::texts {

inline constexpr std::u16string_view kTitle = u"Kalvenor";

inline constexpr std::u16string_view kDate1 = u"日付１";
inline constexpr std::u16string_view kDate2 = u"日付２";
inline constexpr std::u16string_view kDays = u"日数";
inline constexpr std::u16string_view kDate1Display = u"日付１の表示";
inline constexpr std::u16string_view kDate2Display = u"日付２の表示";

inline constexpr std::u16string_view kCalculate = u"計算実行";
inline constexpr std::u16string_view kQuit = u"終了";
inline constexpr std::u16string_view kMethod = u"計算方法";
inline constexpr std::u16string_view kDifference = u"日付２　－　日付１　＝＝＞日数";
inline constexpr std::u16string_view kAddition = u"日付１　＋　日数　　＝＝＞日付２";
inline constexpr std::u16string_view kStyle = u"表示";
inline constexpr std::u16string_view kEra = u"和暦";
inline constexpr std::u16string_view kWestern = u"西暦";

inline constexpr std::u16string_view kMenuQuit = u"終了(&F)";
inline constexpr std::u16string_view kMenuHelp = u"ヘルプ(&H)";
inline constexpr std::u16string_view kMenuHelpDocument = u"Kalvenorについて(&H)";
inline constexpr std::u16string_view kMenuAbout = u"バージョン情報(&A)";
// The shortcut menu of a display label where the toolkit gives it none.
inline constexpr std::u16string_view kMenuCopy = u"コピー(&C)";

inline constexpr std::u16string_view kOverflow = u"オーバーフローしました。";
inline constexpr std::u16string_view kOutOfRange = u"計算結果が範囲外です。";
inline constexpr std::u16string_view kVersion =
    u"Kalvenor Ver " KALVENOR_VERSION_TEXT "\r\r" KALVENOR_COPYRIGHT_TEXT;

// The missing-file box: the tested path, then this.
inline constexpr std::u16string_view kHelpMissing = u"がありません。";
// Stands for the program's folder in that box when the system cannot tell
// where the program lies.
inline constexpr std::u16string_view kUnknownFolder = u"（プログラムのフォルダ）";
// Shown when the desktop opens neither name of the help document.
inline constexpr std::u16string_view kBrowserWarning =
    u"ヘルプを表示するにはＨＴＭＬ対応のブラウザが必要です。\r"
    u" インターネットエクスプローラなどを準備してください。\r"
    u"   とりあえず 表示しますが、正しく表示できません";

// The help document beside the program: the name handed to the desktop,
// which gets ".HTM" appended, and the file tested for.
inline constexpr std::string_view kHelpBase = "help";
inline constexpr std::string_view kHelpFile = "help.htm";

}  // namespace kalvenor::ui::texts
