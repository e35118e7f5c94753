// BMP encoding with every byte defined (row padding zeroed), so that each
// build writes the same files: 24-bit pictures for the lighting panel and
// two-colour pictures for window masks.
#pragma once

#include <QByteArray>
#include <QImage>

namespace quovex::skin_gen {

QByteArray EncodeBmp24(const QImage& image);
// Pure white pixels stay white, every other pixel becomes black.
QByteArray EncodeBmpMono(const QImage& image);

}  // namespace quovex::skin_gen
