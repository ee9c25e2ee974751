#include "ui/qt/look.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>

namespace kalvenor::ui::qt {
namespace {

// Fusion, less the menu bar's overflow arrow: a menu bar builds it at once,
// and its icon alone would load Qt's image plugins (JPEG, GIF, ICO) at
// every start, while two entries never overflow the bar.
class ProgramStyle final : public QProxyStyle {
 public:
  ProgramStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (icon == SP_ToolBarHorizontalExtensionButton) return {};
    return QProxyStyle::standardIcon(icon, option, widget);
  }
};

}  // namespace

void ApplyLook(QApplication& app) {
  QApplication::setStyle(new ProgramStyle);
  QFont font(QString::fromLatin1(kFontFamily), kFontPoints);
  // The font's own hints, as a Windows desktop draws it: crisp at 9 pt, and
  // FreeType's automatic hinter is not started, which for a CJK face loads
  // a set of reference glyphs and their pages of the font file at start.
  font.setHintingPreference(QFont::PreferFullHinting);
  app.setFont(font);
}

QStyle& FrameStyle() {
  // Owned by the application, so it lives as long as any window.
  static QStyle* const style = [] {
    QStyle* windows = QStyleFactory::create(QStringLiteral("Windows"));
    windows->setParent(qApp);
    return windows;
  }();
  return *style;
}

void ShowBoxEnabled(QLineEdit& box, bool enabled) {
  box.setReadOnly(!enabled);
  box.setFocusPolicy(enabled ? Qt::StrongFocus : Qt::ClickFocus);
  if (enabled) {
    box.setPalette(QPalette());
    return;
  }
  QPalette palette = QApplication::palette(&box);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, palette.color(QPalette::Disabled, QPalette::Base));
    palette.setColor(group, QPalette::Text, QColor(QRgb{kDisabledText}));
  }
  box.setPalette(palette);
}

}  // namespace kalvenor::ui::qt
