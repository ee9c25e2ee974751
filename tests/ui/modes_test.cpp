// Switching the mode moves rows and enabled states only; switching the
// style rewrites the two display labels only.
#include <map>

#include "window_fixture.h"

namespace ui::testing {
namespace {

using namespace Qt::StringLiterals;

const char* const kShown[] = {"Text1", "Text2", "Text3", "Label1", "Label2",
                              "Label3", "Label4", "Label5"};

struct ModeCase {
  const char* option;
  int date2Top, daysTop;  // pixels
  bool text2Enabled, text3Enabled;
};

class ModesTest : public WindowTest {
 protected:
  std::map<QString, QString> Texts() const {
    std::map<QString, QString> texts;
    for (const char* name : kShown) texts[name] = Shown(name);
    return texts;
  }
};

TEST_F(ModesTest, ModeSwitchMovesRowsAndEnablesBoxesOnly) {
  TypeAndEnter("Text1", "2000/1/1");
  TypeAndEnter("Text2", "2000/12/31");
  const auto before = Texts();
  const ModeCase table[] = {
      {"Option1(1)", 80, 48, false, true},
      {"Option1(1)", 80, 48, false, true},  // selecting it again changes nothing
      {"Option1(0)", 48, 80, true, false},
      {"Option1(0)", 48, 80, true, false},
      {"Option1(1)", 80, 48, false, true},
  };
  for (const auto& row : table) {
    Click(row.option);
    for (const char* name : {"Label2", "Text2", "Label5"}) {
      EXPECT_EQ(row.date2Top, Find(name)->y()) << row.option << " " << name;
    }
    for (const char* name : {"Label3", "Text3"}) {
      EXPECT_EQ(row.daysTop, Find(name)->y()) << row.option << " " << name;
    }
    EXPECT_EQ(16, Find("Text1")->y());
    EXPECT_TRUE(Find("Text1")->isEnabled());
    EXPECT_EQ(row.text2Enabled, Find("Text2")->isEnabled()) << row.option;
    EXPECT_EQ(row.text3Enabled, Find("Text3")->isEnabled()) << row.option;
    EXPECT_EQ(before, Texts()) << row.option;
    EXPECT_EQ(56, Find("Text2")->x());
    EXPECT_EQ(105, Find("Text3")->width());
  }
}

struct StyleCase {
  const char* option;
  QString label4, label5;
};

TEST_F(ModesTest, StyleSwitchRewritesOnlyTheLabels) {
  Click("Option1(1)");
  TypeAndEnter("Text1", "1989/1/7");
  TypeAndEnter("Text3", "1");
  const QString text2 = Shown("Text2");
  ASSERT_EQ(u"H 1/ 1/ 8(日)"_s, text2);
  const StyleCase table[] = {
      {"Option2(1)", u" 1989/ 1/ 7(土)"_s, u" 1989/ 1/ 8(日)"_s},
      {"Option2(0)", u"S 64/ 1/ 7(土)"_s, u"H 1/ 1/ 8(日)"_s},
      {"Option2(1)", u" 1989/ 1/ 7(土)"_s, u" 1989/ 1/ 8(日)"_s},
  };
  for (const auto& row : table) {
    Click(row.option);
    EXPECT_EQ(row.label4, Shown("Label4")) << row.option;
    EXPECT_EQ(row.label5, Shown("Label5")) << row.option;
    EXPECT_EQ(text2, Shown("Text2")) << row.option;
    EXPECT_EQ("1", Shown("Text3")) << row.option;
    EXPECT_EQ("1989/1/7", Shown("Text1")) << row.option;
  }
}

TEST_F(ModesTest, StyleSwitchWithEmptyBoxesShowsTodayTwice) {
  Click("Option2(1)");
  EXPECT_EQ(u" 1999/ 4/ 20(火)"_s, Shown("Label4"));
  EXPECT_EQ(u" 1999/ 4/ 20(火)"_s, Shown("Label5"));
  Click("Option2(0)");
  EXPECT_EQ(u"H 11/ 4/ 20(火)"_s, Shown("Label4"));
  EXPECT_EQ(u"H 11/ 4/ 20(火)"_s, Shown("Label5"));
  EXPECT_EQ(QString(), Shown("Text3"));
}

}  // namespace
}  // namespace ui::testing
