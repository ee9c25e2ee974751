#include "ui/qt/look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace ui::qt {

void ApplyLook(QApplication& app) {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  app.setFont(QFont(QString::fromLatin1(kFontFamily), kFontPoints));
}

}  // namespace ui::qt
