#include "config/settings_file.h"

#include "config/text.h"
#include "config/utf16.h"
#include "platform/regular_file.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* lineEnd = "\r\n";

// The key and the value of a line split at "=", CR and LF, as strtok splits: runs of those
// characters separate, and leading ones are skipped. Either is empty when missing.
void splitLine(std::string_view line, std::string_view& key, std::string_view& value) {
    const auto token = [&line](size_t& at) {
        while (at < line.size() && std::strchr("=\r\n", line[at]) && line[at]) ++at;
        const size_t start = at;
        while (at < line.size() && !(std::strchr("=\r\n", line[at]) && line[at])) ++at;
        return line.substr(start, at - start);
    };
    size_t at = 0;
    key = token(at);
    value = token(at);
}

// An integer as scanf reads it: blanks, an optional sign, digits of the base (hex may start
// with 0x). The value wraps like the unsigned conversion; false when no digit follows.
bool parseInteger(std::string_view text, int base, uint32_t& result) {
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (base == 16 && (text.substr(at, 2) == "0x" || text.substr(at, 2) == "0X")) at += 2;
    uint64_t value = 0;
    size_t digits = 0;
    for (; at < text.size(); ++at, ++digits) {
        const int c = std::tolower(static_cast<unsigned char>(text[at]));
        const int digit = std::isdigit(c) ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 99;
        if (digit >= base) break;
        value = value * uint64_t(base) + uint64_t(digit);
    }
    if (digits == 0) return false;
    result = uint32_t(negative ? 0 - value : value);
    return true;
}

bool parseFloating(std::string_view text, double& result) {
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (at < text.size() && text[at] == '+') ++at;
    return std::from_chars(text.data() + at, text.data() + text.size(), result).ec == std::errc();
}

// Replaces the low bits of an integer variable (all of it when narrower than width).
void setLowBits(const SettingTarget& target, uint32_t value, int width) {
    const uint32_t mask = width == 32 ? 0xffffffffu : (1u << width) - 1;
    std::visit(
        [&](auto* variable) {
            using T = std::remove_pointer_t<decltype(variable)>;
            if constexpr (std::is_same_v<T, bool>) *variable = (value & mask) != 0;
            else if constexpr (std::is_integral_v<T>) *variable = T((uint32_t(*variable) & ~mask) | (value & mask));
        },
        target);
}

uint32_t bitsOf(const SettingTarget& target) {
    return std::visit(
        [](auto* variable) -> uint32_t {
            using T = std::remove_pointer_t<decltype(variable)>;
            if constexpr (std::is_integral_v<T>) return uint32_t(*variable);
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
        double number;
        if (!parseFloating(value, number)) return;
        if (auto* f = std::get_if<float*>(&binding.target)) **f = float(number);
        if (auto* d = std::get_if<double*>(&binding.target)) **d = number;
        return;
    }
    case SettingType::String:
        if (auto* s = std::get_if<std::string*>(&binding.target))
            **s = binding.maxLength ? limitCharacters(value, binding.maxLength) : std::string(value);
        return;
    default: {
        const auto form = integerForms[int(binding.type) - 1];
        uint32_t number;
        if (parseInteger(value, form.base, number)) setLowBits(binding.target, number, form.width);
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
        const auto end = std::to_chars(text, text + sizeof text - 1, floatingOf(binding.target),
                                       std::chars_format::general, 6).ptr;
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

std::string decodeFile(const std::string& bytes) {
    if (bytes.size() >= 2 && uint8_t(bytes[0]) == 0xff && uint8_t(bytes[1]) == 0xfe) {
        std::u16string units((bytes.size() - 2) / 2, u'\0');
        for (size_t i = 0; i < units.size(); ++i)
            units[i] = char16_t(uint8_t(bytes[2 + 2 * i]) | uint8_t(bytes[3 + 2 * i]) << 8);
        return fromUtf16(units);
    }
    const bool utf8Mark = bytes.size() >= 3 && bytes.compare(0, 3, "\xef\xbb\xbf") == 0;
    return utf8Mark ? bytes.substr(3) : bytes;
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

}  // namespace

SettingsFile::SettingsFile(const std::string& path, Mode mode) : path_(path), mode_(mode) {
    if (mode == Write) {
        open_ = true;
    } else if (mode == Read) {
        std::string bytes;
        if (!readRegularFile(path, bytes)) return;
        lines_ = splitLines(decodeFile(bytes));
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
        std::string_view key, value;
        splitLine(line, key, value);
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

    // Write through a link to the file it names, so the link stays.
    std::error_code error;
    std::string target = path_;
    if (std::filesystem::is_symlink(path_, error)) {
        const auto resolved = std::filesystem::weakly_canonical(path_, error);
        if (!error) target = resolved.string();
    }
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;

    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (existed) ::fchmod(fd, old.st_mode & 07777);
    else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}
