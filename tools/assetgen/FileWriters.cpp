#include "FileWriters.h"

#include <QFile>
#include <cmath>
#include <cstdint>
#include <string>

namespace assetgen {

namespace {

void put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

bool writeAll(const std::string& bytes, const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        error = path + ": " + file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool writeBmp24(const QImage& image, const QString& path, QString& error) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(rgb.width()) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(rgb.height());
    constexpr std::uint32_t headerBytes = 14 + 40;

    std::string out;
    out.reserve(headerBytes + pixelBytes);
    out += "BM";
    put32(out, headerBytes + pixelBytes);
    put32(out, 0);
    put32(out, headerBytes);
    put32(out, 40); // BITMAPINFOHEADER
    put32(out, static_cast<std::uint32_t>(rgb.width()));
    put32(out, static_cast<std::uint32_t>(rgb.height())); // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // no compression
    put32(out, pixelBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            out += static_cast<char>(line[3 * x + 2]); // BMP stores blue, green, red
            out += static_cast<char>(line[3 * x + 1]);
            out += static_cast<char>(line[3 * x]);
        }
        out.append(rowBytes - static_cast<std::uint32_t>(rgb.width()) * 3, '\0');
    }
    return writeAll(out, path, error);
}

bool writeWav16(const std::vector<float>& samples, int sampleRate, const QString& path,
                QString& error) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size()) * 2;
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (float sample : samples) {
        if (!(std::fabs(sample) <= 1.0f)) {
            error = path + ": a sample lies outside -1..1 and would clip";
            return false;
        }
        put16(out, static_cast<std::uint16_t>(
                       static_cast<std::int16_t>(std::lround(sample * 32767.0f))));
    }
    return writeAll(out, path, error);
}

} // namespace assetgen
