#pragma once

// The two typefaces the artwork uses, loaded from the Debian font packages
// (fonts-linuxlibertine, fonts-sil-ezra) by file, so the pictures do not depend
// on what else fontconfig happens to know.

#include <QFont>

namespace artwork {

// Loads the font files; throws with the package name when one is missing.
void loadFonts();

// Linux Libertine at a pixel size, fully hinted, for titles and banners drawn
// at final size.
QFont libertine(int pixelSize, bool bold = false);
// Linux Libertine Display for the large title lettering.
QFont libertineDisplay(int pixelSize);
// Ezra SIL for Hebrew letters and words.
QFont ezra(int pixelSize);

} // namespace artwork
