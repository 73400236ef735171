#pragma once

// A sampler of the figure kit (figures in each pose, the throne, the horse and
// rider, the animals, wings and the landscape parts), for the painters who use
// the kit: quillmere-artwork --kit <file.png> writes it. It is not a resource
// of the program.

#include <QImage>

namespace artwork {

QImage kitSheet();

} // namespace artwork
