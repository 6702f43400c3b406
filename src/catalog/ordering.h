#pragma once
#include "catalog/image_entry.h"
#include "config/setting_values.h"

#include <cstdint>
#include <string>

// Whether a's path comes before b's: by UTF-16 code unit over the whole path, case-sensitive,
// a shorter path first when it is the other's beginning (the order stored lists have).
bool comesBeforeByName(const ImageEntry& a, const ImageEntry& b);
bool comesBeforeByCreated(const ImageEntry& a, const ImageEntry& b);
bool comesBeforeByModified(const ImageEntry& a, const ImageEntry& b);

// Swaps each position i = 1 .. count-1 with position rand() mod (i + 1).
void shuffleList(ImageList& list);

// Orders the list by sort and sortby (a number outside the keys keeps the order), then finds
// the current picture.
void orderList(ImageList& list, uint32_t& currentIndex, const std::string& currentPath, SortOrder sort, SortKey sortby);

// Points currentIndex at the picture last shown: the entry with its path; else, when it was
// a shortcut, the entry with the shortcut's target; else a shortcut entry whose target it is.
// Without a match currentIndex stays.
void findCurrent(const ImageList& list, uint32_t& currentIndex, const std::string& currentPath);
