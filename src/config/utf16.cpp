#include "config/utf16.h"

namespace {

// Length of the valid UTF-8 sequence at the start of s and its code point; 0 when invalid.
size_t decodeUtf8(std::string_view s, char32_t& code) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    size_t length;
    char32_t minimum;
    if (lead >= 0xc2 && lead <= 0xdf) length = 2, code = lead & 0x1f, minimum = 0x80;
    else if (lead >= 0xe0 && lead <= 0xef) length = 3, code = lead & 0x0f, minimum = 0x800;
    else if (lead >= 0xf0 && lead <= 0xf4) length = 4, code = lead & 0x07, minimum = 0x10000;
    else return 0;
    if (s.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3f);
    }
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    return code < minimum || code > 0x10ffff || surrogate ? 0 : length;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xc0 | (code >> 6));
        out += char(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
        out += char(0xe0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3f));
        out += char(0x80 | (code & 0x3f));
    } else {
        out += char(0xf0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3f));
        out += char(0x80 | ((code >> 6) & 0x3f));
        out += char(0x80 | (code & 0x3f));
    }
}

}  // namespace

std::u16string toUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t code;
        size_t length = decodeUtf8(bytes, code);
        if (length == 0) {
            code = 0xdc00 + static_cast<unsigned char>(bytes[0]);
            length = 1;
        }
        if (code >= 0x10000) {
            out += char16_t(0xd800 + ((code - 0x10000) >> 10));
            out += char16_t(0xdc00 + ((code - 0x10000) & 0x3ff));
        } else {
            out += char16_t(code);
        }
        bytes.remove_prefix(length);
    }
    return out;
}

std::string fromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xd800 && unit <= 0xdbff && i + 1 < text.size() && text[i + 1] >= 0xdc00 && text[i + 1] <= 0xdfff) {
            appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xd800) << 10) + (text[i + 1] - 0xdc00));
            ++i;
        } else if (unit >= 0xdc80 && unit <= 0xdcff) {
            out += char(unit - 0xdc00);  // a byte that was not UTF-8
        } else if (unit >= 0xd800 && unit <= 0xdfff) {
            appendUtf8(out, 0xfffd);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}
