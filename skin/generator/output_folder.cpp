#include "output_folder.h"

#include "jpeg_encoder.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>

namespace quovex::skin_gen {

namespace {
// High enough, and without chroma subsampling, that legends and captions stay
// crisp at 100 % scale.
constexpr int kJpegQuality = 95;
}  // namespace

OutputFolder::OutputFolder(const QString& path) : dir_(path) {
    if (!dir_.mkpath(QStringLiteral("."))) errors_ << QStringLiteral("cannot create the folder %1").arg(path);
}

QByteArray OutputFolder::Encode(const QString& name, const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    if (!writer.write(image)) {
        errors_ << QStringLiteral("cannot encode %1: %2").arg(name, writer.errorString());
        return {};
    }
    return bytes;
}

void OutputFolder::Jpeg(const QString& name, const QImage& image) {
    QString error;
    const QByteArray bytes = EncodeJpeg444(image, kJpegQuality, error);
    if (bytes.isEmpty()) {
        errors_ << QStringLiteral("cannot encode %1: %2").arg(name, error);
        return;
    }
    Bytes(name, bytes);
}

void OutputFolder::Bmp(const QString& name, const QImage& image) {
    const QByteArray bytes = Encode(name, image.convertToFormat(QImage::Format_RGB888), "bmp", -1);
    if (!bytes.isEmpty()) Bytes(name, bytes);
}

void OutputFolder::MonoBmp(const QString& name, const QImage& image) {
    // Two colours only: pure white stays white, everything else turns black.
    QImage mono(image.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) mono.setPixel(x, y, (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF ? 1 : 0);
    }
    const QByteArray bytes = Encode(name, mono, "bmp", -1);
    if (!bytes.isEmpty()) Bytes(name, bytes);
}

void OutputFolder::Png(const QString& name, const QImage& image) {
    const QByteArray bytes = Encode(name, image, "png", -1);
    if (!bytes.isEmpty()) Bytes(name, bytes);
}

void OutputFolder::Text(const QString& name, const QString& text) { Bytes(name, text.toUtf8()); }

void OutputFolder::Bytes(const QString& name, const QByteArray& bytes) {
    QSaveFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        errors_ << QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
    }
}

}  // namespace quovex::skin_gen
