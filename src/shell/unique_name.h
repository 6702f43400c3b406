#pragma once
#include <string>

// Makes path name a file that cannot be opened yet: unchanged when free, else with "-01" to
// "-99" put before its extension. False when all hundred names are taken.
bool makeUniqueName(std::string& path);
