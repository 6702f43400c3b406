#include "shell/shell_link.h"

#include "catalog/file_info.h"
#include "catalog/formats.h"
#include "config/paths.h"
#include "config/text.h"
#include "config/utf16.h"
#include "platform/file_ops.h"
#include "platform/regular_file.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace {

constexpr uint32_t headerSize = 0x4c;
constexpr uint8_t linkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                   0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
enum LinkFlags : uint32_t {
    HasTargetIdList = 0x1,
    HasLinkInfo = 0x2,
    HasName = 0x4,
    HasRelativePath = 0x8,
    IsUnicode = 0x80,
};
constexpr uint32_t volumeIdAndLocalBasePath = 0x1;
constexpr uint32_t attributeDirectory = 0x10, attributeHidden = 0x02, attributeNormal = 0x80;

// Little-endian reading that answers false past the end instead of reading outside.
class Reader {
public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}
    bool has(size_t at, size_t count) const { return at <= bytes_.size() && count <= bytes_.size() - at; }
    bool u16(size_t at, uint16_t& v) const { return number(at, 2, v); }
    bool u32(size_t at, uint32_t& v) const { return number(at, 4, v); }
    bool u64(size_t at, uint64_t& v) const { return number(at, 8, v); }
    // A string ended by a zero byte (or, wide, a zero unit), from at but not beyond end.
    bool narrowString(size_t at, size_t end, std::string& s) const {
        for (size_t i = at; i < end && i < bytes_.size(); ++i)
            if (bytes_[i] == '\0') return s = bytes_.substr(at, i - at), true;
        return false;
    }
    bool wideString(size_t at, size_t end, std::string& s) const {
        std::u16string units;
        for (size_t i = at; i + 1 < end && i + 1 < bytes_.size(); i += 2) {
            const char16_t unit = char16_t(uint8_t(bytes_[i]) | uint8_t(bytes_[i + 1]) << 8);
            if (unit == 0) return s = fromUtf16(units), true;
            units += unit;
        }
        return false;
    }
    size_t size() const { return bytes_.size(); }

private:
    template <typename T>
    bool number(size_t at, size_t count, T& v) const {
        if (!has(at, count)) return false;
        v = 0;
        for (size_t i = 0; i < count; ++i) v = T(v | T(uint8_t(bytes_[at + i])) << (8 * i));
        return true;
    }
    const std::string& bytes_;
};

// Little-endian, count of at most 8 bytes.
void put(std::string& out, uint64_t value, size_t count) {
    for (size_t i = 0; i < count; ++i) out += char((value >> (8 * i)) & 0xff);
}

void putWide(std::string& out, const std::u16string& text) {
    for (char16_t unit : text) put(out, unit, 2);
}

// A shortcut holds a header, an item list and a link info of at most 64 KiB each, and a few
// strings of at most 64 Ki characters: a larger file is no shortcut and is not read.
constexpr size_t largestShortcut = 512 * 1024;

// The shortcut's folder, "." for a name without one.
std::string folderOfShortcut(const std::string& path) {
    const std::string folder = folderOf(path);
    return folder.empty() ? "." : folder;
}

bool readSymbolicLink(const std::string& path, LinkTarget& target) {
    std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
    FileInfo info;
    if (!real || !readFileInfo(real.get(), info)) return false;
    const std::string name = real.get();
    target = {name,
              (info.directory ? attributeDirectory : attributeNormal) |
                  (name.substr(name.rfind('/') + 1).starts_with(".") ? attributeHidden : 0u),
              info.created,
              info.accessed,
              info.modified,
              uint32_t(info.size)};
    return true;
}

}  // namespace

bool isShortcut(const std::string& path) { return equalsIgnoringCase(extensionOf(path), ".lnk"); }

bool ShellLink::readShortcut(const std::string& shortcutPath, LinkTarget& target, bool resolve) const {
    struct stat st {};
    if (lstat(shortcutPath.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) return readSymbolicLink(shortcutPath, target);

    const std::optional<std::string> content = readRegularFile(shortcutPath, largestShortcut);
    if (!content) return false;
    const std::string& bytes = *content;
    const Reader in(bytes);
    uint32_t size = 0, flags = 0;
    if (!in.has(0, headerSize) || !in.u32(0, size) || size != headerSize ||
        std::memcmp(bytes.data() + 4, linkClsid, 16) != 0)
        return false;
    LinkTarget read;
    if (!in.u32(20, flags) || !in.u32(24, read.attributes) || !in.u64(28, read.created) || !in.u64(36, read.accessed) ||
        !in.u64(44, read.modified) || !in.u32(52, read.size))
        return false;

    size_t at = headerSize;
    if (flags & HasTargetIdList) {
        uint16_t idListSize = 0;
        if (!in.u16(at, idListSize)) return false;
        at += 2 + idListSize;
    }
    if (flags & HasLinkInfo) {
        uint32_t infoSize = 0, infoHeaderSize = 0, infoFlags = 0, baseOffset = 0, wideBaseOffset = 0;
        if (!in.u32(at, infoSize) || !in.u32(at + 4, infoHeaderSize) || !in.u32(at + 8, infoFlags) ||
            !in.u32(at + 16, baseOffset) || !in.has(at, infoSize))
            return false;
        if (infoFlags & volumeIdAndLocalBasePath) {
            if (infoHeaderSize >= 0x24 && in.u32(at + 28, wideBaseOffset) && wideBaseOffset)
                in.wideString(at + wideBaseOffset, at + infoSize, read.path);
            if (read.path.empty()) in.narrowString(at + baseOffset, at + infoSize, read.path);
        }
        at += infoSize;
    }
    // String data: the name (comment), then the relative path, each a count and its characters.
    const size_t unit = (flags & IsUnicode) ? 2 : 1;
    for (uint32_t field : {uint32_t(HasName), uint32_t(HasRelativePath)}) {
        if (!(flags & field)) continue;
        uint16_t count = 0;
        if (!in.u16(at, count) || !in.has(at + 2, count * unit)) return false;
        if (field == HasRelativePath) {
            std::string relative = bytes.substr(at + 2, count * unit);
            if (unit == 2) {
                std::u16string units;
                for (size_t i = 0; i + 1 < relative.size(); i += 2)
                    units += char16_t(uint8_t(relative[i]) | uint8_t(relative[i + 1]) << 8);
                relative = fromUtf16(units);
            }
            std::replace(relative.begin(), relative.end(), '\\', '/');  // as written on Windows
            const std::string fromHere = folderOfShortcut(shortcutPath) + "/" + relative;
            // A base path such as "C:\pics\a.jpg" cannot exist here: the relative path is what
            // still leads to the target after the shortcut has travelled with it.
            const bool foreign = !read.path.starts_with('/');
            struct stat there {};
            const bool baseMissing = foreign || stat(read.path.c_str(), &there) != 0;
            if (foreign || (resolve && baseMissing && stat(fromHere.c_str(), &there) == 0))
                read.path = std::filesystem::path(fromHere).lexically_normal().string();
        }
        at += 2 + count * unit;
    }
    if (read.path.empty()) return false;
    read.path = withoutTrailingSlash(std::move(read.path));
    target = std::move(read);
    return true;
}

bool ShellLink::createShortcut(const std::string& targetPath, const std::string& shortcutPath) const {
    FileInfo info;
    if (!readFileInfo(targetPath, info)) return false;
    const std::string absolute = std::filesystem::absolute(targetPath).lexically_normal().string();

    std::string out;
    put(out, headerSize, 4);
    out.append(reinterpret_cast<const char*>(linkClsid), 16);
    put(out, HasLinkInfo | HasRelativePath | IsUnicode, 4);
    put(out, info.directory ? attributeDirectory : attributeNormal, 4);
    put(out, info.created, 8);
    put(out, info.accessed, 8);
    put(out, info.modified, 8);
    put(out, uint32_t(info.size), 4);
    put(out, 0, 4);                   // icon index
    put(out, 1, 4);                   // shown normally
    out.append(2 + 2 + 4 + 4, '\0');  // hotkey, reserved

    // Link info: header, volume id, local base path as bytes and as UTF-16.
    constexpr uint32_t infoHeader = 0x24, volumeSize = 0x11;
    const std::u16string wide = toUtf16(absolute);
    const uint32_t baseOffset = infoHeader + volumeSize;
    const uint32_t suffixOffset = baseOffset + uint32_t(absolute.size()) + 1;
    const uint32_t wideOffset = suffixOffset + 1;
    const uint32_t infoSize = wideOffset + uint32_t(wide.size() + 1) * 2;
    for (uint32_t field :
         {infoSize, infoHeader, volumeIdAndLocalBasePath, infoHeader, baseOffset, 0u, suffixOffset, wideOffset, 0u})
        put(out, field, 4);
    put(out, volumeSize, 4);
    put(out, 3, 4);     // a fixed drive
    put(out, 0, 4);     // serial number
    put(out, 0x10, 4);  // label offset: the empty label below
    out += '\0';
    out += absolute + '\0';
    out += '\0';  // common path suffix
    putWide(out, wide + u'\0');

    const std::u16string relative =
        toUtf16(std::filesystem::path(absolute)
                    .lexically_relative(std::filesystem::absolute(folderOfShortcut(shortcutPath)))
                    .string());
    put(out, relative.size(), 2);
    putWide(out, relative);
    put(out, 0, 4);  // no extra data blocks

    return writeWholeFile(shortcutPath, Existing::Keep, out);
}
