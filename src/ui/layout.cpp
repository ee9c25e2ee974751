#include "ui/layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "ui/texts.h"

namespace ui::layout {
namespace {

namespace t = texts;

constexpr std::array kControls{
    ControlSpec{"Text1", Kind::TextBox, "", u"", 840, 240, 1572, 372, t::kDate1},
    ControlSpec{"Frame1", Kind::Line, "", u"", 0, 0, 7932, 24},
    ControlSpec{"Text2", Kind::TextBox, "", u"", 840, 720, 1572, 372, t::kDate2},
    ControlSpec{"Text3", Kind::TextBox, "", u"", 840, 1200, 1572, 372, t::kDays},
    ControlSpec{"Command1", Kind::Button, "", t::kCalculate, 120, 2760, 972, 372},
    ControlSpec{"Command2", Kind::Button, "", t::kQuit, 1200, 2760, 972, 372},
    ControlSpec{"Option1(0)", Kind::OptionButton, "Frame2", t::kDifference, 120, 240, 2892, 252},
    ControlSpec{"Option1(1)", Kind::OptionButton, "Frame2", t::kAddition, 120, 600, 2892, 252},
    ControlSpec{"Frame2", Kind::Frame, "", t::kMethod, 120, 1680, 3132, 972},
    ControlSpec{"Label1", Kind::Label, "", t::kDate1, 120, 240, 612, 372},
    ControlSpec{"Label2", Kind::Label, "", t::kDate2, 120, 720, 612, 372},
    ControlSpec{"Label3", Kind::Label, "", t::kDays, 120, 1200, 612, 372},
    ControlSpec{"Label4", Kind::Label, "", u"", 2640, 240, 1572, 372, t::kDate1Display},
    ControlSpec{"Label5", Kind::Label, "", u"", 2640, 720, 1572, 372, t::kDate2Display},
    ControlSpec{"Frame3", Kind::Frame, "", t::kStyle, 3360, 1680, 972, 972},
    ControlSpec{"Option2(0)", Kind::OptionButton, "Frame3", t::kEra, 120, 240, 732, 252},
    ControlSpec{"Option2(1)", Kind::OptionButton, "Frame3", t::kWestern, 120, 600, 732, 252},
};

constexpr std::array kMenus{
    MenuSpec{"End", "", t::kMenuQuit},
    MenuSpec{"HELP0", "", t::kMenuHelp},
    MenuSpec{"HELP", "HELP0", t::kMenuHelpDocument},
    MenuSpec{"ABOUT", "HELP0", t::kMenuAbout},
};

}  // namespace

std::span<const ControlSpec> Controls() { return kControls; }

std::span<const MenuSpec> Menus() { return kMenus; }

std::string_view NameOf(Control control) {
  switch (control) {
    case Control::Text1: return "Text1";
    case Control::Text2: return "Text2";
    case Control::Text3: return "Text3";
    case Control::Label1: return "Label1";
    case Control::Label2: return "Label2";
    case Control::Label3: return "Label3";
    case Control::Label4: return "Label4";
    case Control::Label5: return "Label5";
    case Control::Frame1: return "Frame1";
    case Control::Frame2: return "Frame2";
    case Control::Frame3: return "Frame3";
    case Control::Command1: return "Command1";
    case Control::Command2: return "Command2";
  }
  throw std::invalid_argument("unknown control");
}

std::string NameOf(OptionArray array, int index) {
  const char* base = array == OptionArray::Option1 ? "Option1" : "Option2";
  return std::string(base) + "(" + std::to_string(index) + ")";
}

const ControlSpec& Spec(std::string_view name) {
  const auto* found = std::find_if(kControls.begin(), kControls.end(),
                                   [&](const ControlSpec& c) { return c.name == name; });
  if (found == kControls.end()) throw std::invalid_argument("unknown control");
  return *found;
}

Twips ContainerWidth(const ControlSpec& spec) {
  return spec.container.empty() ? kClientSize.width : Spec(spec.container).width;
}

int Pixels(Twips twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace ui::layout
