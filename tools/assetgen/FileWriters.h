// The two file formats the program reads: 24-bit BMP pictures and 16-bit PCM mono WAV sounds.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace assetgen {

// Writes an uncompressed bottom-up 24-bit BMP. Returns false (with a reason) on failure.
bool writeBmp24(const QImage& image, const QString& path, QString& error);

// Writes samples in -1..1 as 16-bit PCM mono. Samples outside that range are refused,
// never clipped: a sound that clips is a bug in its recipe.
bool writeWav16(const std::vector<float>& samples, int sampleRate, const QString& path,
                QString& error);

} // namespace assetgen
