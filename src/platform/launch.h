#pragma once
#include <string>
#include <vector>

// Opens a file (path as bytes) or a web address with the desktop's associated program, without
// waiting for it. False when that program could not be started.
bool openWithShell(const std::string& target);

// Starts the program with the arguments, without waiting for it; false when it cannot start.
bool startProgram(const std::string& program, const std::vector<std::string>& arguments);
