#include "catalog/formats.h"

#include "config/text.h"

#include <algorithm>

namespace {

struct Format {
    const char* extension;
    bool Settings::*enabled;
    const char* mimeType;  // empty where the extension is listed but no reader decodes it
};

const Format formats[] = {
    {".bmp", &Settings::bmp, "image/bmp"},
    {".emf", &Settings::emf, ""},
    {".gif", &Settings::gif, "image/gif"},
    {".ico", &Settings::ico, "image/vnd.microsoft.icon"},
    {".jpg", &Settings::jpg, "image/jpeg"},
    {".jpeg", &Settings::jpg, "image/jpeg"},
    {".png", &Settings::png, "image/png"},
    {".tif", &Settings::tif, "image/tiff"},
    {".tiff", &Settings::tif, "image/tiff"},
    {".webp", &Settings::webp, "image/webp"},
    {".avif", &Settings::avif, "image/avif"},
    {".heif", &Settings::heif, "image/heif"},
    {".heic", &Settings::heif, "image/heic"},
    {".hif", &Settings::heif, "image/heif"},
    {".jxl", &Settings::jxl, "image/jxl"},
    {".svg", &Settings::svg, "image/svg+xml"},
    {".svgz", &Settings::svg, "image/svg+xml-compressed"},
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

std::vector<std::string> readableMimeTypes() {
    std::vector<std::string> types;
    for (const Format& format : formats)
        if (*format.mimeType && std::find(types.begin(), types.end(), format.mimeType) == types.end())
            types.push_back(format.mimeType);
    return types;
}
