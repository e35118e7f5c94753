#include "bmp_encoder.h"

#include <QtEndian>
#include <cstdint>

namespace quovex::skin_gen {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void Put16(QByteArray& bytes, int offset, uint16_t value) { qToLittleEndian(value, bytes.data() + offset); }
void Put32(QByteArray& bytes, int offset, uint32_t value) { qToLittleEndian(value, bytes.data() + offset); }

// File and info headers for a bottom-up picture; rows start at `pixel_offset`.
QByteArray Headers(const QImage& image, int bits, int palette_entries, int row_bytes) {
    const int pixel_offset = kFileHeaderSize + kInfoHeaderSize + 4 * palette_entries;
    const int pixel_bytes = row_bytes * image.height();
    QByteArray bytes(pixel_offset + pixel_bytes, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
    Put32(bytes, 10, static_cast<uint32_t>(pixel_offset));
    Put32(bytes, 14, kInfoHeaderSize);
    Put32(bytes, 18, static_cast<uint32_t>(image.width()));
    Put32(bytes, 22, static_cast<uint32_t>(image.height()));
    Put16(bytes, 26, 1);  // planes
    Put16(bytes, 28, static_cast<uint16_t>(bits));
    Put32(bytes, 34, static_cast<uint32_t>(pixel_bytes));
    Put32(bytes, 38, 2835);  // 72 dots per inch
    Put32(bytes, 42, 2835);
    Put32(bytes, 46, static_cast<uint32_t>(palette_entries));
    return bytes;
}

int RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

}  // namespace

QByteArray EncodeBmp24(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int row_bytes = RowBytes(rgb.width(), 24);
    QByteArray bytes = Headers(rgb, 24, 0, row_bytes);
    char* pixels = bytes.data() + kFileHeaderSize + kInfoHeaderSize;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        char* row = pixels + static_cast<qsizetype>(rgb.height() - 1 - y) * row_bytes;
        for (int x = 0; x < rgb.width(); ++x) {
            row[3 * x] = static_cast<char>(qBlue(line[x]));
            row[3 * x + 1] = static_cast<char>(qGreen(line[x]));
            row[3 * x + 2] = static_cast<char>(qRed(line[x]));
        }
    }
    return bytes;
}

QByteArray EncodeBmpMono(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int row_bytes = RowBytes(rgb.width(), 1);
    QByteArray bytes = Headers(rgb, 1, 2, row_bytes);
    // Palette: 0 black, 1 white (blue, green, red, reserved).
    const int palette = kFileHeaderSize + kInfoHeaderSize;
    for (int i = 0; i < 3; ++i) bytes[palette + 4 + i] = '\xFF';
    char* pixels = bytes.data() + palette + 8;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        char* row = pixels + static_cast<qsizetype>(rgb.height() - 1 - y) * row_bytes;
        for (int x = 0; x < rgb.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
    }
    return bytes;
}

}  // namespace quovex::skin_gen
