#pragma once
#include <string>
#include <string_view>

// Conversions between the program's byte strings (UTF-8 text, paths of any bytes) and UTF-16.
// A byte that is not part of valid UTF-8 becomes the lone surrogate U+DC80..U+DCFF and turns
// back into the same byte, so a file name of any bytes survives the round trip.
std::u16string toUtf16(std::string_view bytes);
// A lone surrogate outside U+DC80..U+DCFF becomes U+FFFD.
std::string fromUtf16(std::u16string_view text);
