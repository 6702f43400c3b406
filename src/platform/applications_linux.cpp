#include "platform/applications.h"

#include "platform/regular_file.h"
#include "platform/system.h"

#include <QFile>
#include <QMimeDatabase>
#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        if (!part.empty()) parts.push_back(part);
    return parts;
}

// The [Desktop Entry] keys of a .desktop file that matter here.
struct Entry {
    std::string name, exec, mimeTypes;
    bool hidden = false;
};

Entry readEntry(const std::filesystem::path& file) {
    Entry entry;
    std::string text;
    if (!readRegularFile(file.string(), text)) return entry;
    std::istringstream in(text);
    bool inMain = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '[') {
            inMain = line == "[Desktop Entry]";
            continue;
        }
        const size_t equals = line.find('=');
        if (!inMain || equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "Name") entry.name = value;
        else if (key == "Exec") entry.exec = value;
        else if (key == "MimeType") entry.mimeTypes = value;
        else if ((key == "NoDisplay" || key == "Hidden") && value == "true") entry.hidden = true;
    }
    return entry;
}

}  // namespace

std::vector<Application> applicationsFor(const std::string& mimeType) {
    std::string home = environmentValue("XDG_DATA_HOME");
    if (home.empty()) home = environmentValue("HOME") + "/.local/share";
    std::string system = environmentValue("XDG_DATA_DIRS");
    if (system.empty()) system = "/usr/local/share:/usr/share";
    std::vector<std::string> folders{home};
    for (const std::string& folder : split(system, ':')) folders.push_back(folder);

    std::vector<Application> found;
    std::set<std::string> seen;  // a desktop id found first hides the later ones
    for (const std::string& folder : folders) {
        std::error_code error;
        for (const auto& item : std::filesystem::directory_iterator(folder + "/applications", error)) {
            const std::string id = item.path().filename().string();
            if (item.path().extension() != ".desktop" || !seen.insert(id).second) continue;
            const Entry entry = readEntry(item.path());
            const std::vector<std::string> types = split(entry.mimeTypes, ';');
            if (entry.hidden || entry.exec.empty() || std::find(types.begin(), types.end(), mimeType) == types.end())
                continue;
            found.push_back({entry.name.empty() ? id : entry.name, entry.exec});
        }
    }
    std::sort(found.begin(), found.end(), [](const Application& a, const Application& b) { return a.name < b.name; });
    return found;
}

std::string mimeTypeOf(const std::string& path) {
    return QMimeDatabase().mimeTypeForFile(QFile::decodeName(path.c_str())).name().toStdString();
}

std::vector<std::string> commandFor(const std::string& exec, const std::string& file) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, started = false;
    for (size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '"') {
            quoted = !quoted;
            started = true;
        } else if (c == '\\' && quoted && i + 1 < exec.size()) {
            word += exec[++i];
        } else if (c == ' ' && !quoted) {
            if (started) words.push_back(word);
            word.clear();
            started = false;
        } else if (c == '%' && i + 1 < exec.size()) {
            const char code = exec[++i];
            if (code == '%') word += '%';
            else if (code == 'f' || code == 'F' || code == 'u' || code == 'U') word += file;
            started = started || code == '%' || code == 'f' || code == 'F' || code == 'u' || code == 'U';
        } else {
            word += c;
            started = true;
        }
    }
    if (started) words.push_back(word);
    return words;
}
