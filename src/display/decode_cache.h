#pragma once
#include "display/picture.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Pictures decoded ahead of their turn, each under the key it was asked for by, bounded by
// their number and by the bytes of their pixels: the oldest go first.
class DecodeCache {
public:
    DecodeCache(size_t mostPictures, int64_t mostBytes) : mostPictures_(mostPictures), mostBytes_(mostBytes) {}

    // Keeps a decoded picture; one that did not decode, or takes more than the bound alone, is
    // not kept.
    void put(const std::string& key, DecodedPicture picture);
    // The picture kept under key, taken out of the cache.
    std::optional<DecodedPicture> take(const std::string& key);
    bool holds(const std::string& key) const;
    // Drops the pictures kept under keys other than these.
    void keepOnly(const std::vector<std::string>& keys);
    void clear() { entries_.clear(); }
    void setMostBytes(int64_t mostBytes);

    size_t size() const { return entries_.size(); }
    int64_t bytes() const;

private:
    struct Entry {
        std::string key;
        DecodedPicture picture;
    };
    void trim();

    size_t mostPictures_;
    int64_t mostBytes_;
    std::vector<Entry> entries_;  // oldest first
};
