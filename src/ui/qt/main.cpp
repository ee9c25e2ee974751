#include "ui/qt/module1.h"

int main(int argc, char** argv) { return kalvenor::ui::qt::Module1Main(argc, argv); }
