#pragma once

#include "platform/fakes/FakeServices.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <string>

namespace guitest {

// A one-colour picture "<name>.bmp" in base folder + "/Graphics/800x600/<folder>".
void WritePicture(const platform::fakes::FakePlatform& fakes, const std::string& folder,
                  const std::string& name, QSize size, QColor colour);

// The whole error log of the fake base folder ("" when there is none).
std::string ReadErrorLog(const platform::fakes::FakePlatform& fakes);

// How many records in `log` carry `message`.
int CountRecords(const std::string& log, const std::string& message);

// The pictures the build generated, visible from the fake base folder.
void LinkInstalledGraphics(const platform::fakes::FakePlatform& fakes);

// What the widget shows now, as its own paint draws it.
QImage Snapshot(QWidget& widget);

} // namespace guitest
