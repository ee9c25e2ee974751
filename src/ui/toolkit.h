// What the window's logic needs of a window toolkit, and nothing more.
// Form1 is written against this interface alone; the Qt backend implements
// it. Positions and sizes are twips (15 per logical pixel).
#pragma once

#include <cstdint>
#include <string>

namespace ui {

enum class Control {
  Text1, Text2, Text3,
  Label1, Label2, Label3, Label4, Label5,
  Frame1, Frame2, Frame3,
  Command1, Command2,
};

enum class OptionArray { Option1, Option2 };

enum class MessageIcon { Warning, Information };

using Twips = std::int32_t;

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // A modal box with one OK button and the title "Kalvenor"; returns when it
  // is closed. A carriage return in text is a line break.
  virtual void ShowMessage(const std::u16string& text, MessageIcon icon) = 0;
};

}  // namespace ui
