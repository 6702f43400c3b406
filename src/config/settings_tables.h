#pragma once
#include "config/settings.h"

#include <string>

// Reads the settings file at path into settings (save false): keys the file lacks, and values
// that do not parse, keep what settings held; numbers outside their range are taken as its
// nearer end; enabledTransitions is rebuilt in ascending order.
// Or writes settings to it (save true), all fourteen sections in their order. Answers whether
// the file was read or written.
bool loadOrSaveSettings(Settings& settings, const std::string& path, bool save);

// Brings every numeric setting into the range its row of the settings table gives.
void clampSettings(Settings& settings);
