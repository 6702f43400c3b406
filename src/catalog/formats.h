#pragma once
#include "config/settings.h"

#include <string>
#include <string_view>
#include <vector>

// The text of a name or path from its last "." on, dot included; empty when the last path
// component has no ".".
std::string_view extensionOf(std::string_view path);

// Whether the folder scan accepts a file with this extension (".jpg", any letter case) under
// the enabled formats: bmp, emf, gif, ico, jpg/jpeg, png, tif/tiff, webp, avif, heif/heic/hif,
// jxl, svg/svgz.
bool matchesFormat(std::string_view extension, const Settings& settings);

// The MIME type of every format the program decodes, each once: what the desktop may hand it.
std::vector<std::string> readableMimeTypes();
