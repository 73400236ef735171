#pragma once

#include <chrono>

namespace quillmere {

// What the program sets on its application object before the first window:
// its names, and that the shell, not Qt, decides when the program ends.
void prepareApplication();

// Once the event loop has ended, the program's outcome is decided and nothing
// is left to save: the process ends with that status within the bound, even
// if tearing the platform down never returns. Qt 6.4's Wayland client can
// deadlock there when the machine is busy (its event thread waits for a read
// that the main thread, waiting for that thread, never makes), which would
// leave an invisible process behind after its last window has closed.
void endProcessWithin(std::chrono::milliseconds bound, int status);

} // namespace quillmere
