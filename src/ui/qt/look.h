// The program's look: the widget style and the user-interface font, the same
// for the program and its tests.
#pragma once

class QApplication;

namespace ui::qt {

// The proportional gothic face holds every kana and kanji of the window and
// fits the mode captions at 9 pt; where it is missing Qt substitutes, and
// any control too narrow for its caption grows to it.
inline constexpr char kFontFamily[] = "IPAPGothic";
inline constexpr int kFontPoints = 9;

void ApplyLook(QApplication& app);

}  // namespace ui::qt
