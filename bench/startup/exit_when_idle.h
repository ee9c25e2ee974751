// For start-up measurements only: makes a program quit the first time its
// event loop runs out of work, that is once its window is shown and idle,
// so bench/startup can time the whole process. Built into the benchmark's
// programs, never into the installed one.
#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

namespace kalvenor::bench {

// Call after showing the window, before entering the event loop.
inline void ExitWhenIdle() {
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                   QCoreApplication::instance(), &QCoreApplication::quit);
}

}  // namespace kalvenor::bench
