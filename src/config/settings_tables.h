#pragma once
#include "config/settings.h"

#include <string>

// Reads the settings file at path into settings (save false): keys the file lacks, and values
// that do not parse, keep what settings held; enabledTransitions is rebuilt in ascending order.
// Or writes settings to it (save true), all fourteen sections in their order. Answers whether
// the file was read or written.
bool loadOrSaveSettings(Settings& settings, const std::string& path, bool save);
