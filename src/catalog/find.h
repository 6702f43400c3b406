#pragma once
#include "catalog/image_entry.h"

#include <cstdint>
#include <optional>
#include <string>

// What the Find/Filter dialog last asked for; kept for the whole run so F3 repeats it.
struct FindState {
    static constexpr size_t maxText = 79;  // characters
    enum Action : int32_t { Find = 0, Filter = 1, Exclude = 2, Cancelled = 3 };

    std::string text;
    bool nameOnly = false;  // only the file name without its extension is searched
    bool matchCase = false;
    int32_t action = Cancelled;  // how the dialog was closed last

    // Whether the text occurs in the path (or its name), with or without regard to case.
    bool matches(const std::string& path) const;
};

// The first entry that matches, looking from start to the end and then from the first entry
// up to start; none when nothing matches.
std::optional<uint32_t> findMatch(const ImageList& list, uint32_t start, const FindState& find);

// Keeps the entries that match (keep true) or those that do not, in their order; currentIndex
// becomes the first entry whose path is currentPath, else 0.
void filterList(ImageList& list, uint32_t& currentIndex, const std::string& currentPath, const FindState& find,
                bool keep);
