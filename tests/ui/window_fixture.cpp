#include "window_fixture.h"

#include "ui/qt/look.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  ui::qt::ApplyLook(app);
  return RUN_ALL_TESTS();
}
