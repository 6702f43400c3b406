#include "catalog/ordering.h"

#include "config/utf16.h"
#include "shell/shell_link.h"

#include <algorithm>
#include <cstdlib>

bool comesBeforeByName(const ImageEntry& a, const ImageEntry& b) {
    const std::string& x = a.path;
    const std::string& y = b.path;
    const size_t common = std::min(x.size(), y.size());
    size_t at = 0;
    while (at < common && x[at] == y[at]) ++at;
    if (at == common) return x.size() < y.size();
    const auto byteX = static_cast<unsigned char>(x[at]), byteY = static_cast<unsigned char>(y[at]);
    // Below 0x80 byte order is code-unit order; past it (characters above U+FFFF, bytes that are
    // not UTF-8) compare the rest as UTF-16, from the start of the character that differs.
    if (byteX < 0x80 && byteY < 0x80) return byteX < byteY;
    const auto continues = [](const std::string& s, size_t i) {
        return i < s.size() && (static_cast<unsigned char>(s[i]) & 0xc0) == 0x80;
    };
    while (at > 0 && (continues(x, at) || continues(y, at))) --at;
    return toUtf16(std::string_view(x).substr(at)) < toUtf16(std::string_view(y).substr(at));
}

bool comesBeforeByCreated(const ImageEntry& a, const ImageEntry& b) { return a.created < b.created; }
bool comesBeforeByModified(const ImageEntry& a, const ImageEntry& b) { return a.modified < b.modified; }

namespace {
bool comesBeforeByAccessed(const ImageEntry& a, const ImageEntry& b) { return a.accessed < b.accessed; }

using Comparator = bool (*)(const ImageEntry&, const ImageEntry&);

Comparator comparatorFor(SortKey key) {
    switch (key) {
    case SortKey::Name: return comesBeforeByName;
    case SortKey::Created: return comesBeforeByCreated;
    case SortKey::Modified: return comesBeforeByModified;
    case SortKey::Accessed: return comesBeforeByAccessed;
    }
    return nullptr;
}
}  // namespace

void shuffleList(ImageList& list) {
    for (size_t i = 1; i < list.size(); ++i) std::swap(list[i], list[size_t(std::rand()) % (i + 1)]);
}

void orderList(ImageList& list, uint32_t& currentIndex, const std::string& currentPath, SortOrder sort,
               SortKey sortby) {
    if (shuffles(sort)) {
        shuffleList(list);
    } else {
        if (const Comparator comesBefore = comparatorFor(sortby)) std::sort(list.begin(), list.end(), comesBefore);
        if (sort == SortOrder::Reverse) std::reverse(list.begin(), list.end());
    }
    findCurrent(list, currentIndex, currentPath);
}

void findCurrent(const ImageList& list, uint32_t& currentIndex, const std::string& currentPath) {
    const auto at = [&](const std::string& path) {
        return std::find_if(list.begin(), list.end(), [&](const ImageEntry& e) { return e.path == path; });
    };
    if (auto found = at(currentPath); found != list.end()) {
        currentIndex = uint32_t(found - list.begin());
        return;
    }
    const ShellLink links;
    LinkTarget target;
    if (isShortcut(currentPath)) {
        if (!links.readShortcut(currentPath, target, false)) return;
        if (auto found = at(target.path); found != list.end()) currentIndex = uint32_t(found - list.begin());
        return;
    }
    for (size_t i = 0; i < list.size(); ++i) {
        LinkTarget candidate;  // fresh for each: a damaged shortcut never matches an earlier target
        if (isShortcut(list[i].path) && links.readShortcut(list[i].path, candidate, false) &&
            candidate.path == currentPath) {
            currentIndex = uint32_t(i);
            return;
        }
    }
}
