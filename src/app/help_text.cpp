#include "app/help_text.h"

#include "app/menus.h"
#include "config/command_line.h"
#include "config/settings_tables.h"
#include "config/utf16.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

// "Sort > Re&verse\tAlt+V" becomes a line "  Alt+V          Sort > Reverse".
void listKeys(const MenuItem& menu, const std::string& path, std::string& out) {
    for (const MenuItem& item : menu.items) {
        std::string text = item.text, shortcut;
        if (const size_t tab = text.find('\t'); tab != std::string::npos) {
            shortcut = text.substr(tab + 1);
            text.erase(tab);
        }
        std::erase(text, '&');
        if (item.kind == MenuItem::Kind::SubMenu) {
            listKeys(item, path + text + " > ", out);
            continue;
        }
        // Information rows name modifiers, which the help explains in words.
        if (item.kind != MenuItem::Kind::Command || shortcut.empty() || shortcut.front() == '(') continue;
        char line[160];
        std::snprintf(line, sizeof line, "  %-16s %s%s\n", shortcut.c_str(), path.c_str(), text.c_str());
        out += line;
    }
}

std::string defaultSettingsFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vimble-help-XXXXXX").string();
    char* path = pattern.data();
    const int fd = mkstemp(path);
    if (fd < 0) return {};
    close(fd);
    Settings defaults;
    defaults.enabledTransitions = allTransitions();
    defaults.version = programVersion;
    loadOrSaveSettings(defaults, path, true);
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    unlink(path);
    std::string raw = bytes.str();
    std::u16string text;
    for (size_t i = 2; i + 1 < raw.size(); i += 2)  // past the byte-order mark
        text += char16_t(uint8_t(raw[i]) | uint8_t(raw[i + 1]) << 8);
    std::string utf8 = fromUtf16(text);
    std::erase(utf8, '\r');
    std::string indented;
    for (std::istringstream lines(utf8); std::getline(lines, utf8);) indented += (utf8.empty() ? "" : "    ") + utf8 + "\n";
    return indented;
}

void replace(std::string& text, const std::string& mark, const std::string& with) {
    if (const size_t at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), with);
}

}  // namespace

std::string helpText(const std::string& helpTemplate) {
    std::string keys;
    listKeys(loadMainMenu(), "", keys);
    std::string text = helpTemplate;
    replace(text, "@KEYS@", keys);
    replace(text, "@SWITCHES@", usageText());
    replace(text, "@SETTINGS@", defaultSettingsFile());
    return text;
}
