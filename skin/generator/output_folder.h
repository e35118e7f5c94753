// Writes the generated files into one folder, each atomically (temporary file
// in the same folder, then renamed), and keeps a list of what failed.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

namespace quovex::skin_gen {

class OutputFolder {
public:
    explicit OutputFolder(const QString& path);

    void Jpeg(const QString& name, const QImage& image);
    void Bmp(const QString& name, const QImage& image);
    // A two-colour BMP, for window masks.
    void MonoBmp(const QString& name, const QImage& image);
    void Png(const QString& name, const QImage& image);
    void Text(const QString& name, const QString& text);
    void Fail(const QString& message) { errors_ << message; }

    const QStringList& Errors() const { return errors_; }
    QString PathOf(const QString& name) const { return dir_.filePath(name); }

private:
    void Bytes(const QString& name, const QByteArray& bytes);
    QByteArray Encode(const QString& name, const QImage& image, const char* format, int quality);

    QDir dir_;
    QStringList errors_;
};

}  // namespace quovex::skin_gen
