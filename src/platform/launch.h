#pragma once
#include <string>

// Opens a file (path as bytes) or a web address with the desktop's associated program, without
// waiting for it. False when that program could not be started.
bool openWithShell(const std::string& target);
