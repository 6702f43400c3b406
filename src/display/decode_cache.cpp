#include "display/decode_cache.h"

#include <algorithm>

namespace {
int64_t bytesOf(const DecodedPicture& picture) { return int64_t(picture.image.sizeInBytes()); }
}  // namespace

void DecodeCache::put(const std::string& key, DecodedPicture picture) {
    if (!picture.loaded() || bytesOf(picture) > mostBytes_) return;
    std::erase_if(entries_, [&key](const Entry& entry) { return entry.key == key; });
    entries_.push_back({key, std::move(picture)});
    trim();
}

std::optional<DecodedPicture> DecodeCache::take(const std::string& key) {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&key](const Entry& e) { return e.key == key; });
    if (found == entries_.end()) return std::nullopt;
    DecodedPicture picture = std::move(found->picture);
    entries_.erase(found);
    return picture;
}

bool DecodeCache::holds(const std::string& key) const {
    return std::any_of(entries_.begin(), entries_.end(), [&key](const Entry& e) { return e.key == key; });
}

void DecodeCache::keepOnly(const std::vector<std::string>& keys) {
    std::erase_if(entries_,
                  [&keys](const Entry& e) { return std::find(keys.begin(), keys.end(), e.key) == keys.end(); });
}

void DecodeCache::setMostBytes(int64_t mostBytes) {
    mostBytes_ = mostBytes;
    trim();
}

int64_t DecodeCache::bytes() const {
    int64_t total = 0;
    for (const Entry& entry : entries_) total += bytesOf(entry.picture);
    return total;
}

void DecodeCache::trim() {
    while (!entries_.empty() && (entries_.size() > mostPictures_ || bytes() > mostBytes_))
        entries_.erase(entries_.begin());
}
