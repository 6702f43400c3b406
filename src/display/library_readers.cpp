#include "display/library_readers.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace {

// The brands of an ISO base media file's leading "ftyp" box: the major one and the compatible ones.
bool hasBrand(const QByteArray& head, std::initializer_list<std::string_view> wanted) {
    if (head.size() < 16 || head.mid(4, 4) != "ftyp") return false;
    const qsizetype boxSize =
        qsizetype(uint8_t(head[0])) << 24 | uint8_t(head[1]) << 16 | uint8_t(head[2]) << 8 | uint8_t(head[3]);
    const qsizetype end = std::min(boxSize, head.size());
    const auto brandAt = [&](qsizetype at) { return std::string_view(head.constData() + at, 4); };
    const auto matches = [&](qsizetype at) {
        return std::find(wanted.begin(), wanted.end(), brandAt(at)) != wanted.end();
    };
    if (matches(8)) return true;
    for (qsizetype at = 16; at + 4 <= end; at += 4)
        if (matches(at)) return true;
    return false;
}

bool isAvif(const QByteArray& head) { return hasBrand(head, {"avif", "avis"}); }

// AVIF files often name "mif1" too; they are AVIF's.
bool isHeif(const QByteArray& head) {
    return !isAvif(head) && hasBrand(head, {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"});
}

// A bare code stream, or the container.
bool isJxl(const QByteArray& head) {
    return head.startsWith("\xff\x0a") || head.startsWith(QByteArray("\0\0\0\x0cJXL \x0d\x0a\x87\x0a", 12));
}

const LibraryReader readers[] = {{isAvif, decodeAvif}, {isHeif, decodeHeif}, {isJxl, decodeJxl}};

}  // namespace

const LibraryReader* libraryReaderFor(const QByteArray& head) {
    for (const LibraryReader& reader : readers)
        if (reader.recognises(head)) return &reader;
    return nullptr;
}
