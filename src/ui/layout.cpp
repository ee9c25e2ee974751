#include "ui/layout.h"

#include <algorithm>
#include <array>

#include "ui/texts.h"

namespace kalvenor::ui::layout {
namespace {

namespace t = texts;
using enum Control;
using enum Kind;
constexpr std::optional<Control> kClient;

constexpr std::array kControls{
    ControlRow{"Text1", Date1Box, TextBox, kClient, u"", 840, 240, 1572, 372, t::kDate1},
    ControlRow{"Frame1", TopLine, Line, kClient, u"", 0, 0, 7932, 24},
    ControlRow{"Text2", Date2Box, TextBox, kClient, u"", 840, 720, 1572, 372, t::kDate2},
    ControlRow{"Text3", DaysBox, TextBox, kClient, u"", 840, 1200, 1572, 372, t::kDays},
    ControlRow{"Command1", CalculateButton, Button, kClient, t::kCalculate, 120, 2760, 972, 372},
    ControlRow{"Command2", QuitButton, Button, kClient, t::kQuit, 1200, 2760, 972, 372},
    ControlRow{"Option1(0)", DifferenceOption, OptionButton, ModeFrame, t::kDifference, 120, 240,
               2892, 252},
    ControlRow{"Option1(1)", AdditionOption, OptionButton, ModeFrame, t::kAddition, 120, 600, 2892,
               252},
    ControlRow{"Frame2", ModeFrame, Frame, kClient, t::kMethod, 120, 1680, 3132, 972},
    ControlRow{"Label1", Date1Caption, Label, kClient, t::kDate1, 120, 240, 612, 372},
    ControlRow{"Label2", Date2Caption, Label, kClient, t::kDate2, 120, 720, 612, 372},
    ControlRow{"Label3", DaysCaption, Label, kClient, t::kDays, 120, 1200, 612, 372},
    ControlRow{"Label4", Date1Display, Label, kClient, u"", 2640, 240, 1572, 372, t::kDate1Display},
    ControlRow{"Label5", Date2Display, Label, kClient, u"", 2640, 720, 1572, 372, t::kDate2Display},
    ControlRow{"Frame3", StyleFrame, Frame, kClient, t::kStyle, 3360, 1680, 972, 972},
    ControlRow{"Option2(0)", EraOption, OptionButton, StyleFrame, t::kEra, 120, 240, 732, 252},
    ControlRow{"Option2(1)", WesternOption, OptionButton, StyleFrame, t::kWestern, 120, 600, 732,
               252},
};

constexpr std::array kMenus{
    MenuRow{Menu::Quit, std::nullopt, t::kMenuQuit, "End"},
    MenuRow{Menu::Help, std::nullopt, t::kMenuHelp, "HELP0"},
    MenuRow{Menu::HelpDocument, Menu::Help, t::kMenuHelpDocument, "HELP"},
    MenuRow{Menu::About, Menu::Help, t::kMenuAbout, "ABOUT"},
};

constexpr const ControlRow* Find(Control id) {
  const auto* found = std::find_if(kControls.begin(), kControls.end(),
                                   [id](const ControlRow& row) { return row.id == id; });
  return found == kControls.end() ? nullptr : found;
}

// Every control has its row, so RowOf always finds one.
constexpr bool EveryControlHasARow() {
  for (std::size_t c = 0; c < kControlCount; ++c) {
    if (Find(static_cast<Control>(c)) == nullptr) return false;
  }
  return kControls.size() == kControlCount;
}
static_assert(EveryControlHasARow());

}  // namespace

std::span<const ControlRow> Controls() { return kControls; }

std::span<const MenuRow> Menus() { return kMenus; }

const ControlRow& RowOf(Control control) { return *Find(control); }

Twips ContainerWidth(const ControlRow& row) {
  return row.container ? RowOf(*row.container).width : kClientSize.width;
}

}  // namespace kalvenor::ui::layout
