#include "ui/qt/look.h"
#include "window_fixture.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  ui::qt::ApplyLook(app);
  return RUN_ALL_TESTS();
}
