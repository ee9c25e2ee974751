// kalvenor's own start routine, quitting once its window is shown and idle.
#include "exit_when_idle.h"
#include "ui/qt/module1.h"

int main(int argc, char** argv) {
  return kalvenor::ui::qt::Module1Main(argc, argv, kalvenor::bench::ExitWhenIdle);
}
