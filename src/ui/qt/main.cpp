#include "ui/qt/module1.h"

int main(int argc, char** argv) { return ui::qt::Module1Main(argc, argv); }
