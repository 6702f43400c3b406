#pragma once
#include "catalog/image_entry.h"
#include "config/settings.h"

#include <functional>
#include <string>
#include <vector>

// Appends the pictures in the roots and, with subfolders on, below them, breadth-first: the
// roots first, then their subfolders in listing order, level by level. Files are accepted by
// extension (matchesFormat); folders whose name starts with "." are entered only with hidden
// on. A symbolic link counts as its target: a link to a picture is listed under its own path
// with the target's times, a link to a folder is entered unless it leads to the folder holding
// it or to one of that folder's ancestors. Every folder is scanned once,
// however many paths or links lead to it; folders that cannot be read add nothing.
// afterFolder, when given, runs after each folder; the scan stops when it answers false.
void scanFolders(const std::vector<std::string>& roots, const Settings& settings, ImageList& list,
                 const std::function<bool()>& afterFolder = {});
