#include "catalog/find.h"

#include "config/utf16.h"

#include <QChar>
#include <algorithm>

namespace {
// Case folding character by character, by Unicode's lower-case mapping: the same whatever the
// locale, and beyond ASCII.
std::u16string folded(std::u16string text) {
    for (char16_t& c : text) c = char16_t(QChar::toLower(char32_t(c)));
    return text;
}
}  // namespace

bool FindState::matches(const std::string& path) const {
    std::u16string subject = toUtf16(path);
    if (nameOnly) {
        const size_t slash = subject.rfind(u'/');
        if (slash != std::u16string::npos) subject.erase(0, slash + 1);
        if (const size_t dot = subject.rfind(u'.'); dot != std::u16string::npos) subject.erase(dot);
    }
    const std::u16string wanted = toUtf16(text);
    if (matchCase) return subject.find(wanted) != std::u16string::npos;
    return folded(subject).find(folded(wanted)) != std::u16string::npos;
}

std::optional<uint32_t> findMatch(const ImageList& list, uint32_t start, const FindState& find) {
    const size_t count = list.size();
    for (size_t i = 0; i < count; ++i) {
        const size_t at = (size_t(start) + i) % count;
        if (find.matches(list[at].path)) return uint32_t(at);
    }
    return std::nullopt;
}

void filterList(ImageList& list, uint32_t& currentIndex, const std::string& currentPath, const FindState& find,
                bool keep) {
    std::erase_if(list, [&](const ImageEntry& entry) { return find.matches(entry.path) != keep; });
    currentIndex = 0;
    const auto found =
        std::find_if(list.begin(), list.end(), [&](const ImageEntry& e) { return e.path == currentPath; });
    if (found != list.end()) currentIndex = uint32_t(found - list.begin());
}
