#include "output_folder.h"

#include "bmp_encoder.h"
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

void OutputFolder::Bmp(const QString& name, const QImage& image) { Bytes(name, EncodeBmp24(image)); }

void OutputFolder::MonoBmp(const QString& name, const QImage& image) { Bytes(name, EncodeBmpMono(image)); }

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
