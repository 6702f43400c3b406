#pragma once
#include <functional>
#include <string>

// Makes path name nothing yet (no file, folder, link or other entry has it): unchanged when
// free, else with "-01" to "-99" put before its extension. False when all hundred are taken.
bool makeUniqueName(std::string& path);

enum class Placed { Done, NoFreeName, Failed };

// Runs place (which must never replace, failing with EEXIST instead) on the free name for
// path; when something takes that name first, on the next free one. path ends as the name used.
Placed placeUnderFreeName(std::string& path, const std::function<bool(const std::string& name)>& place);
