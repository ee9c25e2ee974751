#include "ui/qt/look.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace ui::qt {

void ApplyLook(QApplication& app) {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  app.setFont(QFont(QString::fromLatin1(kFontFamily), kFontPoints));
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

}  // namespace ui::qt
