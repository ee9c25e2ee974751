// Prints AppDirectory, so a test can run this executable from anywhere.
#include <cstdio>

#include "text/utf8.h"
#include "ui/hhelp.h"

int main() {
  std::puts(chars::ToUtf8(hhelp::AppDirectory()).c_str());
}
