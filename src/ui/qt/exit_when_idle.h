// For start-up measurements: with KALVENOR_EXIT_WHEN_IDLE=1 in the
// environment a program quits the first time its event loop runs out of
// work, that is once its window is shown and idle, so a benchmark can time
// the whole process (bench/startup). Without the variable nothing changes.
#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <cstdlib>
#include <string_view>

namespace ui::qt {

// Call after showing the window, before entering the event loop.
inline void ExitWhenIdleIfAsked() {
  const char* asked = std::getenv("KALVENOR_EXIT_WHEN_IDLE");
  if (asked == nullptr || std::string_view(asked) != "1") return;
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                   QCoreApplication::instance(), &QCoreApplication::quit);
}

}  // namespace ui::qt
