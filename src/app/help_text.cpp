#include "app/help_text.h"

#include "app/menus.h"
#include "catalog/formats.h"
#include "config/command_line.h"
#include "config/settings_tables.h"
#include "config/utf16.h"
#include "platform/regular_file.h"

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

struct KeyRow {
    std::string key;   // "Alt+V"
    std::string item;  // "Sort > Reverse"
};

// Every command of the menu that has a key, as "Sort > Re&verse\tAlt+V" gives "Alt+V" and
// "Sort > Reverse".
void listKeys(const MenuItem& menu, const std::string& path, std::vector<KeyRow>& out) {
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
        out.push_back({shortcut, path + text});
    }
}

std::vector<KeyRow> keyRows() {
    std::vector<KeyRow> rows;
    listKeys(loadMainMenu(), "", rows);
    return rows;
}

// Text as roff prints it: dashes and backslashes as themselves, no line taken for a request.
std::string roff(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '-' || c == '\\') out += '\\';
        out += c;
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
    return out;
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
    const std::string raw = readRegularFile(path).value_or("");
    unlink(path);
    std::u16string text;
    for (size_t i = 2; i + 1 < raw.size(); i += 2)  // past the byte-order mark
        text += char16_t(uint8_t(raw[i]) | uint8_t(raw[i + 1]) << 8);
    std::string utf8 = fromUtf16(text);
    std::erase(utf8, '\r');
    std::string indented;
    for (std::istringstream lines(utf8); std::getline(lines, utf8);)
        indented += (utf8.empty() ? "" : "    ") + utf8 + "\n";
    return indented;
}

void replace(std::string& text, const std::string& mark, const std::string& with) {
    if (const size_t at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), with);
}

}  // namespace

std::string helpText(const std::string& helpTemplate) {
    std::string keys;
    for (const KeyRow& row : keyRows()) {
        char line[160];
        std::snprintf(line, sizeof line, "  %-16s %s\n", row.key.c_str(), row.item.c_str());
        keys += line;
    }
    std::string text = helpTemplate;
    replace(text, "@KEYS@", keys);
    replace(text, "@SWITCHES@", usageText());
    replace(text, "@SETTINGS@", defaultSettingsFile());
    return text;
}

std::string manPage() {
    std::string page = ".TH VIMBLE 1 \"\" \"Vimble " + std::string(programVersion) +
                       "\" \"User Commands\"\n"
                       ".SH NAME\nvimble \\- picture viewer and slideshow\n"
                       ".SH SYNOPSIS\n.B vimble\n[\\fIFOLDER\\-OR\\-PICTURE\\fR] [\\fISWITCHES\\fR...]\n"
                       ".SH DESCRIPTION\n"
                       "Vimble shows the pictures of a folder and its subfolders one at a time, in a window that "
                       "wraps itself around each picture, and moves on every few seconds. With a picture it shows "
                       "that picture's folder, starting at the picture. Everything it does is on one popup menu: "
                       "right-click the window or press F1.\n"
                       ".SH OPTIONS\n"
                       "Switches override the settings file for this run and are saved with it on exit.\n";
    std::string named;
    for (const SwitchDescription& row : switchDescriptions()) {
        if (row.meaning.empty()) named += (named.empty() ? "" : ", ") + ("\\fB" + roff(row.name) + "\\fR");
        else page += ".TP\n.B " + roff(row.name) + "\n" + roff(row.meaning) + "\n";
    }
    page += ".PP\nSwitches that set a setting each, named after it, the \\fBno\\fR form turning it off:\n" + named +
            ".\n.SH KEYS\n";
    for (const KeyRow& row : keyRows()) page += ".TP\n.B " + roff(row.key) + "\n" + roff(row.item) + "\n";
    page +=
        ".SH FILES\n"
        "The settings (vimble.ini) and the logs (errors.log, archived.log) are kept in "
        "\\fI$XDG_CONFIG_HOME/vimble\\fR, the desktop wallpaper Vimble made (vimpaper.bmp, wallpaper.ini) in "
        "\\fI$XDG_STATE_HOME/vimble\\fR. A copy of Vimble run from a folder it can write, such as its "
        "build folder or a USB stick, keeps all of them beside itself.\n"
        ".SH ENVIRONMENT\n"
        ".TP\n.B VIMBLE_HOME\nanother folder for all of Vimble's files\n"
        ".TP\n.B DISPLAY\nthe X display to show the window on\n"
        ".SH SEE ALSO\nThe help file Vimble.txt, installed in \\fIshare/vimble\\fR, which Help (?) opens.\n";
    return page;
}

std::string desktopEntry(const std::string& entryTemplate) {
    std::string types;
    for (const std::string& type : readableMimeTypes()) types += type + ";";
    std::string text = entryTemplate;
    replace(text, "@MIMETYPES@", types);
    return text;
}
