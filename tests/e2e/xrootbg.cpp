// Leaves a background of one colour on the X root window, as a root-window setter would.
// Usage: xrootbg RRGGBB
#include <cstdlib>

#include "root_background.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    return setRootBackground(uint32_t(std::strtoul(argv[1], nullptr, 16))) ? 0 : 1;
}
