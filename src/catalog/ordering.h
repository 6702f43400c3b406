#pragma once
#include "catalog/image_entry.h"

#include <cstdint>
#include <string>

// Whether a's path comes before b's: by UTF-16 code unit over the whole path, case-sensitive,
// a shorter path first when it is the other's beginning (the order stored lists have).
bool comesBeforeByName(const ImageEntry& a, const ImageEntry& b);
bool comesBeforeByCreated(const ImageEntry& a, const ImageEntry& b);
bool comesBeforeByModified(const ImageEntry& a, const ImageEntry& b);

// Swaps each position i = 1 .. count-1 with position rand() mod (i + 1).
void shuffleList(ImageList& list);

// Orders the list by sort (0 forward, 1 reverse, above 1 shuffled) and sortby (0 name,
// 1 created, 2 modified, 3 accessed; others keep the order), then finds the current picture.

void orderList(ImageList& list, uint32_t& currentIndex, const std::string& currentPath, int32_t sort, int32_t sortby);

// Points currentIndex at the picture last shown: the entry with its path; else, when it was
// a shortcut, the entry with the shortcut's target; else a shortcut entry whose target it is.
// Without a match currentIndex stays.
void findCurrent(const ImageList& list, uint32_t& currentIndex, const std::string& currentPath);
