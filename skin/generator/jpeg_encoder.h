// JPEG encoding without chroma subsampling: the state pictures carry thin
// coloured lines and small legends that 4:2:0 subsampling would blur.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quovex::skin_gen {

// Empty on failure, with `error` set.
QByteArray EncodeJpeg444(const QImage& image, int quality, QString& error);

}  // namespace quovex::skin_gen
