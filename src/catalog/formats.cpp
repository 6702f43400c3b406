#include "catalog/formats.h"

#include "config/text.h"

namespace {

struct Format {
    const char* extension;
    bool Settings::*enabled;
};

const Format formats[] = {
    {".bmp", &Settings::bmp}, {".emf", &Settings::emf},  {".gif", &Settings::gif}, {".ico", &Settings::ico},
    {".jpg", &Settings::jpg}, {".jpeg", &Settings::jpg}, {".png", &Settings::png}, {".tif", &Settings::tif},
    {".tiff", &Settings::tif},
};

}  // namespace

std::string_view extensionOf(std::string_view path) {
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
    return path.substr(dot);
}

bool matchesFormat(std::string_view extension, const Settings& settings) {
    for (const Format& format : formats)
        if (equalsIgnoringCase(extension, format.extension)) return settings.*format.enabled;
    return false;
}
