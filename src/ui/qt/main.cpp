#include "ui/qt/run_window.h"

int main(int argc, char** argv) { return kalvenor::ui::qt::RunWindow(argc, argv); }
