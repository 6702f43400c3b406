#pragma once
#include "config/utf16.h"

#include <string>

// The bytes of a settings file holding this text: UTF-16LE with its byte-order mark.
inline std::string utf16File(const std::string& text) {
    std::string bytes = "\xff\xfe";
    for (char16_t unit : toUtf16(text)) {
        bytes += char(unit & 0xff);
        bytes += char(unit >> 8);
    }
    return bytes;
}

// The text of a settings file's bytes (after the byte-order mark).
inline std::string textOfUtf16File(const std::string& bytes) {
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) units += char16_t(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8);
    return fromUtf16(units);
}
