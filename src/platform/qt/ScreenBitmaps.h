#pragma once

#include "GdiDc.h"

#include <QImage>
#include <QSize>
#include <string>
#include <string_view>

namespace platform {

// The screens' pictures lie in base folder + "/Graphics/800x600/<screen folder>/". A folder may
// be given with backslashes between its levels ("Review\\Buddy"). A file named
// "<name> 800x600.bmp" wins over "<name>.bmp"; names are matched ignoring case.
//
// Reads the file afresh at each call. When neither file exists, one record naming the plain file
// goes to the error log and the picture returned is null: callers draw without it.
QImage LoadScreenBitmap(std::string_view screenFolder, std::string_view pictureName);

// The pictures of a language other than English (their captions in its words) lie beside the
// English ones, in base folder + "/Graphics/<code>/800x600/<screen folder>/". From this call on
// LoadScreenBitmap prefers the language's picture where there is one, and the English one
// serves otherwise. False when the language has no pictures at all; an empty code goes back to
// English.
bool UseLanguagePictures(const std::string& code);

// A null picture measures 0 x 0.
QSize GetBitmapSize(const QImage& picture);

// Opaque, unscaled copy with the picture's top-left corner at (x, y); what falls outside the
// target is clipped. A null picture draws nothing.
void DrawBitmap(GdiDc& dc, const QImage& picture, int x, int y);

} // namespace platform
