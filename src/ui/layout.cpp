#include "ui/layout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/texts.h"

namespace kalvenor::ui::layout {
namespace {

namespace t = texts;
using enum Control;
using enum Kind;
constexpr Member Option1_0{OptionArray::Option1, 0};
constexpr Member Option1_1{OptionArray::Option1, 1};
constexpr Member Option2_0{OptionArray::Option2, 0};
constexpr Member Option2_1{OptionArray::Option2, 1};
constexpr std::optional<Control> kClient;

constexpr std::array kControls{
    ControlSpec{"Text1", Text1, TextBox, kClient, u"", 840, 240, 1572, 372, t::kDate1},
    ControlSpec{"Frame1", Frame1, Line, kClient, u"", 0, 0, 7932, 24},
    ControlSpec{"Text2", Text2, TextBox, kClient, u"", 840, 720, 1572, 372, t::kDate2},
    ControlSpec{"Text3", Text3, TextBox, kClient, u"", 840, 1200, 1572, 372, t::kDays},
    ControlSpec{"Command1", Command1, Button, kClient, t::kCalculate, 120, 2760, 972, 372},
    ControlSpec{"Command2", Command2, Button, kClient, t::kQuit, 1200, 2760, 972, 372},
    ControlSpec{"Option1(0)", Option1_0, OptionButton, Frame2, t::kDifference, 120, 240, 2892, 252},
    ControlSpec{"Option1(1)", Option1_1, OptionButton, Frame2, t::kAddition, 120, 600, 2892, 252},
    ControlSpec{"Frame2", Frame2, Frame, kClient, t::kMethod, 120, 1680, 3132, 972},
    ControlSpec{"Label1", Label1, Label, kClient, t::kDate1, 120, 240, 612, 372},
    ControlSpec{"Label2", Label2, Label, kClient, t::kDate2, 120, 720, 612, 372},
    ControlSpec{"Label3", Label3, Label, kClient, t::kDays, 120, 1200, 612, 372},
    ControlSpec{"Label4", Label4, Label, kClient, u"", 2640, 240, 1572, 372, t::kDate1Display},
    ControlSpec{"Label5", Label5, Label, kClient, u"", 2640, 720, 1572, 372, t::kDate2Display},
    ControlSpec{"Frame3", Frame3, Frame, kClient, t::kStyle, 3360, 1680, 972, 972},
    ControlSpec{"Option2(0)", Option2_0, OptionButton, Frame3, t::kEra, 120, 240, 732, 252},
    ControlSpec{"Option2(1)", Option2_1, OptionButton, Frame3, t::kWestern, 120, 600, 732, 252},
};

constexpr std::array kMenus{
    MenuSpec{Menu::End, std::nullopt, t::kMenuQuit, "End"},
    MenuSpec{Menu::HELP0, std::nullopt, t::kMenuHelp, "HELP0"},
    MenuSpec{Menu::HELP, Menu::HELP0, t::kMenuHelpDocument, "HELP"},
    MenuSpec{Menu::ABOUT, Menu::HELP0, t::kMenuAbout, "ABOUT"},
};

constexpr bool operator==(const Member& a, const Member& b) {
  return a.array == b.array && a.index == b.index;
}

template <typename Id>
constexpr const ControlSpec* Find(const Id& id) {
  const auto* found = std::find_if(kControls.begin(), kControls.end(), [&](const ControlSpec& c) {
    return std::holds_alternative<Id>(c.id) && std::get<Id>(c.id) == id;
  });
  return found == kControls.end() ? nullptr : found;
}

// Every control and every option member has its row, so the lookups below
// always find one.
constexpr bool EveryIdHasARow() {
  for (std::size_t c = 0; c < kControlCount; ++c) {
    if (Find(static_cast<Control>(c)) == nullptr) return false;
  }
  for (const Member& member : {Option1_0, Option1_1, Option2_0, Option2_1}) {
    if (Find(member) == nullptr) return false;
  }
  return true;
}
static_assert(EveryIdHasARow());
static_assert(kControls.size() == kControlCount + 4);

}  // namespace

std::span<const ControlSpec> Controls() { return kControls; }

std::span<const MenuSpec> Menus() { return kMenus; }

const ControlSpec& Spec(Control control) { return *Find(control); }

const ControlSpec& Spec(OptionArray array, int index) { return *Find(Member{array, index}); }

Twips ContainerWidth(const ControlSpec& spec) {
  return spec.container ? Spec(*spec.container).width : kClientSize.width;
}

int Pixels(Twips twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace kalvenor::ui::layout
