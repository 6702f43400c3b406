#include "config/settings_file.h"

#include "config/text.h"
#include "config/utf16.h"
#include "platform/file_ops.h"
#include "platform/regular_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr const char* lineEnd = "\r\n";

struct KeyAndValue {
    std::string_view key, value;
};

// The key and the value of a line. The key is split off as strtok splits: leading "=", CR and
// LF are skipped and the key ends at the next of them. The value is the rest of the line after
// that "=", up to its line end, so a path or a command may hold "=". Either is empty when missing.
KeyAndValue splitLine(std::string_view line) {
    const size_t start = line.find_first_not_of("=\r\n");
    const size_t end = std::min(line.find_first_of("=\r\n", start), line.size());
    const std::string_view key = start == std::string_view::npos ? std::string_view() : line.substr(start, end - start);
    if (end == line.size() || line[end] != '=') return {key, {}};
    const std::string_view rest = line.substr(end + 1);
    return {key, rest.substr(0, std::min(rest.find_first_of("\r\n"), rest.size()))};
}

// An integer as scanf reads it: blanks, an optional sign, digits of the base (hex may start
// with 0x). The value is the one written, held at the 64-bit limits; none when no digit follows.
std::optional<int64_t> parseInteger(std::string_view text, int base) {
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (base == 16 && (text.substr(at, 2) == "0x" || text.substr(at, 2) == "0X")) at += 2;
    int64_t value = 0;
    size_t digits = 0;
    for (; at < text.size(); ++at, ++digits) {
        const int c = std::tolower(static_cast<unsigned char>(text[at]));
        const int digit = std::isdigit(c) ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 99;
        if (digit >= base) break;
        value = value > (INT64_MAX - digit) / base ? INT64_MAX : value * base + digit;
    }
    if (digits == 0) return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> parseFloating(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (at < text.size() && text[at] == '+') ++at;
    double result;
    if (std::from_chars(text.data() + at, text.data() + text.size(), result).ec != std::errc()) return std::nullopt;
    return result;
}

// Replaces the low bits of an integer variable (all of it when narrower than width).
void setLowBits(const SettingTarget& target, uint32_t value, int width) {
    const uint32_t mask = width == 32 ? 0xffffffffu : (1u << width) - 1;
    std::visit(
        [&](auto variable) {
            using T = std::remove_pointer_t<decltype(variable)>;
            if constexpr (std::is_same_v<T, EnumTarget>)
                variable.set(int32_t((uint32_t(variable.get()) & ~mask) | (value & mask)));
            else if constexpr (std::is_same_v<T, bool>) *variable = (value & mask) != 0;
            else if constexpr (std::is_integral_v<T>) *variable = T((uint32_t(*variable) & ~mask) | (value & mask));
        },
        target);
}

uint32_t bitsOf(const SettingTarget& target) {
    return std::visit(
        [](auto variable) -> uint32_t {
            using T = std::remove_pointer_t<decltype(variable)>;
            if constexpr (std::is_same_v<T, EnumTarget>) return uint32_t(variable.get());
            else if constexpr (std::is_integral_v<T>) return uint32_t(*variable);
            else return 0;
        },
        target);
}

double floatingOf(const SettingTarget& target) {
    if (auto* f = std::get_if<float*>(&target)) return **f;
    if (auto* d = std::get_if<double*>(&target)) return **d;
    return 0;
}

// Cuts a UTF-8 text after maxLength characters.
std::string limitCharacters(std::string_view text, size_t maxLength) {
    size_t characters = 0, at = 0;
    for (; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xc0) == 0x80) continue;
        if (characters++ == maxLength) break;
    }
    return std::string(text.substr(0, at));
}

void store(const SettingBinding& binding, std::string_view value) {
    static constexpr struct {
        int base, width;
    } integerForms[] = {{10, 16}, {0, 0}, {10, 16}, {10, 32}, {8, 16}, {8, 32}, {16, 16}, {16, 32}};
    switch (binding.type) {
    case SettingType::Bool:
        if (equalsIgnoringCase(value, "TRUE")) setLowBits(binding.target, 1, 8);
        else if (equalsIgnoringCase(value, "FALSE")) setLowBits(binding.target, 0, 8);
        return;
    case SettingType::Float:
    case SettingType::Double: {
        const std::optional<double> number = parseFloating(value);
        if (!number) return;
        if (auto* f = std::get_if<float*>(&binding.target)) **f = float(*number);
        if (auto* d = std::get_if<double*>(&binding.target)) **d = *number;
        return;
    }
    case SettingType::String:
        if (auto* s = std::get_if<std::string*>(&binding.target))
            **s = binding.maxLength ? limitCharacters(value, binding.maxLength) : std::string(value);
        return;
    default: {
        const auto form = integerForms[int(binding.type) - 1];
        const std::optional<int64_t> read = parseInteger(value, form.base);
        if (!read) return;
        const int64_t number = std::clamp(*read, binding.range.least, binding.range.most);
        // A signed 16-bit value keeps its sign in a wider variable; the others wrap to their width.
        if (binding.type == SettingType::Short) setLowBits(binding.target, uint32_t(int32_t(int16_t(number))), 32);
        else setLowBits(binding.target, uint32_t(number), form.width);
        return;
    }
    }
}

std::string format(const SettingBinding& binding) {
    const uint32_t bits = bitsOf(binding.target);
    char text[64];
    switch (binding.type) {
    case SettingType::Word:
    case SettingType::Short: std::snprintf(text, sizeof text, "%hd", int16_t(bits)); break;
    case SettingType::Bool: return (bits & 0xff) ? "TRUE" : "FALSE";
    case SettingType::Long: std::snprintf(text, sizeof text, "%d", int32_t(bits)); break;
    case SettingType::ShortOctal: std::snprintf(text, sizeof text, "%ho", uint16_t(bits)); break;
    case SettingType::LongOctal: std::snprintf(text, sizeof text, "%o", bits); break;
    case SettingType::ShortHex: std::snprintf(text, sizeof text, "%hx", uint16_t(bits)); break;
    case SettingType::LongHex: std::snprintf(text, sizeof text, "%x", bits); break;
    case SettingType::Float:
    case SettingType::Double: {
        // As "%g" writes it, but with a point whatever the locale.
        const auto end =
            std::to_chars(text, text + sizeof text - 1, floatingOf(binding.target), std::chars_format::general, 6).ptr;
        *end = '\0';
        break;
    }
    case SettingType::String: {
        auto* s = std::get_if<std::string*>(&binding.target);
        return s ? **s : std::string();
    }
    }
    return text;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// UTF-16LE, with its mark or without one: some editors and scripts leave the mark out. Without
// it the file is known by its first line, where every second byte is zero.
bool hasUtf16Mark(const std::string& bytes) {
    return bytes.size() >= 2 && uint8_t(bytes[0]) == 0xff && uint8_t(bytes[1]) == 0xfe;
}

bool isUtf16(const std::string& bytes) {
    if (hasUtf16Mark(bytes)) return true;
    const size_t newline = bytes.find(std::string_view("\n\0", 2));
    const size_t firstLine =
        std::min({newline == std::string::npos ? bytes.size() : newline + 2, bytes.size(), size_t(512)}) & ~size_t(1);
    if (firstLine < 2) return false;
    for (size_t i = 0; i < firstLine; i += 2)
        if (bytes[i] == '\0' || bytes[i + 1] != '\0') return false;
    return true;
}

std::string decodeFile(const std::string& bytes) {
    if (isUtf16(bytes)) {
        const size_t mark = hasUtf16Mark(bytes) ? 2 : 0;
        std::u16string units((bytes.size() - mark) / 2, u'\0');
        for (size_t i = 0; i < units.size(); ++i)
            units[i] = char16_t(uint8_t(bytes[mark + 2 * i]) | uint8_t(bytes[mark + 1 + 2 * i]) << 8);
        return fromUtf16(units);
    }
    const bool utf8Mark = bytes.size() >= 3 && bytes.compare(0, 3, "\xef\xbb\xbf") == 0;
    return utf8Mark ? bytes.substr(3) : bytes;
}

}  // namespace

SettingsFile::SettingsFile(const std::string& path, Mode mode) : path_(path), mode_(mode) {
    if (mode == Write) {
        open_ = true;
    } else if (mode == Read) {
        const std::optional<std::string> bytes = readRegularFile(path);
        if (!bytes) return;
        lines_ = splitLines(decodeFile(*bytes));
        open_ = true;
    }
}

void SettingsFile::readSection(std::span<const SettingBinding> table, const char* section) {
    if (!open_ || mode_ != Read) return;
    size_t at = 0;
    if (section) {
        const size_t length = std::strlen(section);
        while (at < lines_.size() && lines_[at].compare(0, length, section) != 0) ++at;
        if (at == lines_.size()) return;
        ++at;
    }
    for (; at < lines_.size(); ++at) {
        const std::string& line = lines_[at];
        if (!line.empty() && line[0] == '[') return;
        if (!line.empty() && line[0] == '#') continue;
        const auto [key, value] = splitLine(line);
        if (key.empty() || value.empty()) continue;
        for (const SettingBinding& binding : table)
            if (equalsIgnoringCase(key, binding.key)) store(binding, value);
    }
}

void SettingsFile::writeSection(std::span<const SettingBinding> table, const char* section) {
    if (!open_ || mode_ != Write) return;
    if (!written_.empty()) written_ += lineEnd;
    if (section) written_ += std::string(section) + lineEnd;
    for (const SettingBinding& binding : table) written_ += std::string(binding.key) + "=" + format(binding) + lineEnd;
}

bool SettingsFile::commit() {
    if (!open_ || mode_ != Write) return false;
    std::string bytes = "\xff\xfe";
    for (char16_t unit : toUtf16(written_)) {
        bytes += char(unit & 0xff);
        bytes += char(unit >> 8);
    }
    return writeWholeFile(path_, Existing::Replace, bytes);
}
