#pragma once
#include "config/settings.h"

#include <string_view>

// The text of a name or path from its last "." on, dot included; empty when the last path
// component has no ".".
std::string_view extensionOf(std::string_view path);

// Whether the folder scan accepts a file with this extension (".jpg", any letter case) under
// the enabled formats: bmp, emf, gif, ico, jpg/jpeg, png, tif/tiff.
bool matchesFormat(std::string_view extension, const Settings& settings);
