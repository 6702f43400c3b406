#pragma once
#include <string_view>

// One input of each fuzz target, tried through the program's own code; shared by the fuzz
// targets and by the unit tests, which run every input kept under tests/data/fuzz/. Each
// answers false when the input broke a promise the code makes (a crash or a sanitizer report
// ends the process instead).

// The bytes as a picture file: loaded with the memory limit, at a shown size and with a turn
// the first two bytes choose, then drawn smaller and larger than it was decoded.
bool tryPicture(std::string_view bytes);

// A source picture of random size and pixels scaled by the bicubic resampler to a random size.
bool tryResample(std::string_view bytes);

// The bytes, split at zero bytes, as command-line switches applied one after the other.
bool trySwitches(std::string_view bytes);
