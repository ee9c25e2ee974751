// The program's look: the widget style and the user-interface font, the same
// for the program and its tests, and how frames and disabled boxes are drawn.
#pragma once

class QApplication;
class QLineEdit;
class QStyle;

namespace kalvenor::ui::qt {

// The proportional gothic face holds every kana and kanji of the window and
// fits the mode captions at 9 pt; where it is missing Qt substitutes, and
// any control too narrow for its caption grows to it.
inline constexpr char kFontFamily[] = "IPAPGothic";
inline constexpr int kFontPoints = 9;

// The text of a disabled box: 5.5:1 against its grey background, where
// Qt's own disabled grey gives 2:1.
inline constexpr unsigned kDisabledText = 0x606060;

void ApplyLook(QApplication& app);

// The style of the frames: the caption sits on the frame's top line, which
// stops either side of it, so the options below stay clear of the line.
QStyle& FrameStyle();

// A disabled box keeps its text readable, selectable and copyable: it takes
// no typing and no Tab, and shows the window's grey behind darker grey text.
void ShowBoxEnabled(QLineEdit& box, bool enabled);

}  // namespace kalvenor::ui::qt
