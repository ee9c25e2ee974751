#include "ui/qt/quiet_start.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace kalvenor::ui::qt {
namespace {

struct Held {
  QtMsgType type;
  QString text;
};

std::vector<Held>& HeldMessages() {
  static std::vector<Held> held;
  return held;
}

QtMessageHandler previous = nullptr;

// "DISPLAY=":98"", "DISPLAY is not set", "DISPLAY is empty".
std::string Describe(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr) return std::string(variable) + " is not set";
  if (*value == '\0') return std::string(variable) + " is empty";
  return std::string(variable) + "=\"" + value + "\"";
}

void Hold(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
  if (type != QtFatalMsg) {
    HeldMessages().push_back({type, text});
    return;
  }
  std::string line = "kalvenor: no display to open the window on (" + Describe("DISPLAY");
  if (std::getenv("WAYLAND_DISPLAY") != nullptr) line += ", " + Describe("WAYLAND_DISPLAY");
  line += ")\n";
  std::fputs(line.c_str(), stderr);
  std::_Exit(1);
}

}  // namespace

void HoldStartMessages() { previous = qInstallMessageHandler(Hold); }

void ReleaseStartMessages() {
  qInstallMessageHandler(previous);
  for (const Held& message : HeldMessages()) {
    if (previous != nullptr) {
      previous(message.type, QMessageLogContext(), message.text);
    } else {
      std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
  }
  HeldMessages().clear();
}

}  // namespace kalvenor::ui::qt
