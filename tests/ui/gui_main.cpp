// One QApplication for every GUI test, with the program's own look.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/look.h"

namespace {

// The offscreen platform warns on every window it cannot size-hint to a
// window manager; nothing to act on, so keep the test output readable.
QtMessageHandler standardHandler = nullptr;

void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QStringLiteral("propagateSizeHints"))) return;
  standardHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  ui::qt::ApplyLook(app);
  standardHandler = qInstallMessageHandler(QuietOffscreenWarnings);
  return RUN_ALL_TESTS();
}
