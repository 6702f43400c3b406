// Build step: writes the files that describe the program from its own tables.
//   write_help help TEMPLATE OUT      the help file Vimble.txt
//   write_help desktop TEMPLATE OUT   the desktop entry vimble.desktop
//   write_help man OUT                the manual page vimble.1
//   write_help icon SVG SIZE OUT      the icon drawn at SIZE x SIZE pixels as PNG
#include "app/help_text.h"
#include "platform/regular_file.h"

#include <QImage>
#include <QImageReader>
#include <string>

#include <fstream>
#include <optional>
#include <string_view>

int main(int argc, char** argv) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    // The help file and the desktop entry fill in a template; one that cannot be read still
    // gives its file, and the run fails.
    const bool fromTemplate = (mode == "help" || mode == "desktop") && argc == 4;
    const std::optional<std::string> templateText = fromTemplate ? readRegularFile(argv[2]) : std::nullopt;
    const bool ok = !fromTemplate || templateText;
    std::string text;
    if (mode == "help" && argc == 4) text = helpText(templateText.value_or(""));
    else if (mode == "desktop" && argc == 4) text = desktopEntry(templateText.value_or(""));
    else if (mode == "man" && argc == 3) text = manPage();
    else if (mode == "icon" && argc == 5) {
        QImageReader reader(argv[2]);
        reader.setScaledSize(QSize(std::stoi(argv[3]), std::stoi(argv[3])));
        return reader.read().save(argv[4], "png") ? 0 : 1;
    } else return 2;
    std::ofstream out(argv[argc - 1], std::ios::binary | std::ios::trunc);
    out << text;
    return ok && out ? 0 : 1;
}
