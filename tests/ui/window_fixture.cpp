// One QApplication for every window test, with the program's own look.
#include "ui/qt/look.h"
#include "window_fixture.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  ui::qt::ApplyLook(app);
  // The offscreen platform warns of every window it cannot hint to a window manager.
  static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains("propagateSizeHints")) standard(type, context, text);
  });
  return RUN_ALL_TESTS();
}
