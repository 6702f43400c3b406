// Build step: writes the help file Vimble.txt from its template and the program's tables.
#include "app/help_text.h"

#include <fstream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream helpTemplate;
    helpTemplate << in.rdbuf();
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << helpText(helpTemplate.str());
    return in && out ? 0 : 1;
}
