// Overview sheets of the generated pictures, for a person to look at.
#pragma once

#include <QString>

namespace assetgen {

// Reads the pictures back from programFolder and writes buttons.png (each button beside its
// roll-over picture), pictures.png (everything else), frog.png (the buddy frames) and home.png
// (the home screen as the program composes it) and pad.png (both number pad layouts) into
// outFolder.
bool writeContactSheets(const QString& programFolder, const QString& outFolder, QString& error);

} // namespace assetgen
