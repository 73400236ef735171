#pragma once

namespace quillmere {

// What the program sets on its application object before the first window:
// its names, and that the shell, not Qt, decides when the program ends.
void prepareApplication();

} // namespace quillmere
