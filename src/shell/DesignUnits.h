#pragma once

namespace quillmere {

// Every control's design rectangle is given in twips, 1/1440 of an inch: 15 to
// a pixel at 96 dots per inch. The mouse reports its position in them too.
inline constexpr int TwipsPerPixel = 15;

} // namespace quillmere
