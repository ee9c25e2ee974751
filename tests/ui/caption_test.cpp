// Nothing clipped: every caption and the longest display texts fit their
// controls in the font the program really uses.
#include <QRadioButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>

#include "ui/qt/caption_fit.h"
#include "ui/qt/look.h"
#include "window_fixture.h"

namespace ui::testing {
namespace {

using namespace Qt::StringLiterals;

TEST_F(WindowTest, TheFontIsTheChosenOneAndHoldsEveryCaption) {
  const QFont font = QApplication::font();
  EXPECT_EQ(QString::fromLatin1(qt::kFontFamily), QFontInfo(font).family());
  EXPECT_EQ(qt::kFontPoints, font.pointSize());
  const QFontMetrics metrics(font);
  for (const auto& spec : layout::Controls()) {
    for (char16_t ch : spec.caption) {
      EXPECT_TRUE(metrics.inFont(QChar(ch))) << spec.name << " U+" << std::hex << int(ch);
    }
  }
}

TEST_F(WindowTest, EveryCaptionFitsItsControl) {
  for (const auto& spec : layout::Controls()) {
    if (spec.caption.empty()) continue;
    const QWidget* control = Find(QString::fromLatin1(spec.name.data(), spec.name.size()));
    const int text = control->fontMetrics().horizontalAdvance(
        QString::fromStdU16String(std::u16string(spec.caption)));
    EXPECT_LE(qt::CaptionWidth(*control), control->width()) << spec.name;
    EXPECT_LT(text, control->width()) << spec.name;
    if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
      EXPECT_LE(option->sizeHint().width(), control->width()) << spec.name;
    }
  }
}

// The widest dates each style can show, years up to 9999.
TEST_F(WindowTest, LongestDisplayTextsFitTheLabels) {
  const char* dates[] = {"9999/12/31", "8888/8/28", "1988/12/28", "100/1/1"};
  for (const char* style : {"Option2(0)", "Option2(1)"}) {
    Click(style);
    for (const char* date : dates) {
      Type("Text1", QString::fromLatin1(date));
      Type("Text2", QString::fromLatin1(date));
      Click("Command1");
      for (const char* name : {"Label4", "Label5"}) {
        const auto* label = Find<QLabel>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << style << " " << date << " " << name << " " << label->text().toStdString();
        EXPECT_LE(label->x() + label->width(), label->parentWidget()->width()) << name;
      }
    }
  }
}

}  // namespace
}  // namespace ui::testing
