#pragma once

#include <QSize>

namespace quillmere {

// Every control's design rectangle is given in twips, 1/1440 of an inch: 15 to
// a pixel at 96 dots per inch. The mouse reports its position in them too.
inline constexpr int TwipsPerPixel = 15;

// The client area, in pixels, that the main, Information and Qabalistic windows
// are laid out for; the Celtic Cross window's is shorter (Form3::ReferenceSize).
inline constexpr QSize DesignSize{792, 573};

} // namespace quillmere
