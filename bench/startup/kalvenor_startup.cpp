// kalvenor's own start routine, quitting once its window is shown and idle.
#include "exit_when_idle.h"
#include "ui/qt/run_window.h"

int main(int argc, char** argv) {
  return kalvenor::ui::qt::RunWindow(argc, argv, kalvenor::bench::ExitWhenIdle);
}
