// The start routine: shows the one window, then the program runs on its
// events until quitting leaves the event loop.
#pragma once

namespace kalvenor::ui::qt {

// The program's main. whenShown, if given, runs once the window is shown,
// before the event loop starts (the start-up benchmark's hook).
int RunWindow(int argc, char** argv, void (*whenShown)() = nullptr);

}  // namespace kalvenor::ui::qt
