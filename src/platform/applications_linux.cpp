#include "platform/applications.h"

#include "platform/regular_file.h"
#include "platform/system.h"

#include <QFile>
#include <QMimeDatabase>
#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <unistd.h>

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        if (!part.empty()) parts.push_back(part);
    return parts;
}

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The keys of one group of a key file ("[Desktop Entry]", "[Default Applications]").
std::map<std::string, std::string> readGroup(const std::filesystem::path& file, const std::string& group) {
    std::map<std::string, std::string> keys;
    const std::optional<std::string> text = readRegularFile(file.string());
    if (!text) return keys;
    std::istringstream in(*text);
    bool inGroup = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inGroup = line == group;
            continue;
        }
        const size_t equals = line.find('=');
        if (!inGroup || equals == std::string::npos || line.front() == '#') continue;
        auto trim = [](std::string t) {
            t.erase(0, t.find_first_not_of(" \t"));
            t.erase(t.find_last_not_of(" \t") + 1);
            return t;
        };
        keys.emplace(trim(line.substr(0, equals)), trim(line.substr(equals + 1)));
    }
    return keys;
}

// An XDG base-folder list: the variable's absolute folders, or the fallback.
std::vector<std::string> folderList(const char* variable, const std::string& fallback) {
    std::vector<std::string> folders;
    for (const std::string& folder : split(environmentValue(variable), ':'))
        if (folder.front() == '/') folders.push_back(folder);
    return folders.empty() ? split(fallback, ':') : folders;
}

std::string homeFolder(const char* variable, const std::string& fallback) {
    const std::string value = environmentValue(variable);
    return !value.empty() && value.front() == '/' ? value : environmentValue("HOME") + fallback;
}

bool onPath(const std::string& program) {
    if (program.find('/') != std::string::npos) return ::access(program.c_str(), X_OK) == 0;
    for (const std::string& folder : split(environmentValue("PATH"), ':'))
        if (::access((folder + "/" + program).c_str(), X_OK) == 0) return true;
    return false;
}

// Whether the entry may run here: not deleted (Hidden), its TryExec program present, and
// shown in the current desktop by OnlyShowIn and NotShowIn. NoDisplay only keeps an entry
// out of menus, not from the types it opens.
bool usable(const std::map<std::string, std::string>& entry) {
    const auto value = [&](const char* key) {
        const auto found = entry.find(key);
        return found == entry.end() ? std::string() : found->second;
    };
    if (value("Hidden") == "true" || value("Exec").empty()) return false;
    if (const std::string type = value("Type"); !type.empty() && type != "Application") return false;
    if (const std::string tryExec = value("TryExec"); !tryExec.empty() && !onPath(tryExec)) return false;
    const std::vector<std::string> desktops = split(environmentValue("XDG_CURRENT_DESKTOP"), ':');
    const auto shownIn = [&](const char* key) {
        return std::any_of(desktops.begin(), desktops.end(),
                           [&](const std::string& d) { return contains(split(value(key), ';'), d); });
    };
    if (!value("OnlyShowIn").empty() && !shownIn("OnlyShowIn")) return false;
    return !shownIn("NotShowIn");
}

// The desktop files by desktop id (the path below applications/ with "/" as "-"); an id found
// in an earlier folder hides the later ones.
std::map<std::string, std::filesystem::path> desktopFiles(const std::vector<std::string>& dataFolders) {
    std::map<std::string, std::filesystem::path> files;
    for (const std::string& folder : dataFolders) {
        const std::filesystem::path root = folder + "/applications";
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(root, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            if (it->path().extension() != ".desktop") continue;
            std::string id = it->path().lexically_relative(root).string();
            std::replace(id.begin(), id.end(), '/', '-');
            files.emplace(id, it->path());
        }
    }
    return files;
}

// The mimeapps.list files, most important first, as the association rules order them.
std::vector<std::filesystem::path> associationFiles(const std::vector<std::string>& dataFolders) {
    std::vector<std::string> folders{homeFolder("XDG_CONFIG_HOME", "/.config")};
    for (const std::string& folder : folderList("XDG_CONFIG_DIRS", "/etc/xdg")) folders.push_back(folder);
    for (const std::string& folder : dataFolders) folders.push_back(folder + "/applications");
    std::vector<std::filesystem::path> files;
    for (const std::string& folder : folders) {
        for (const std::string& desktop : split(environmentValue("XDG_CURRENT_DESKTOP"), ':')) {
            std::string lower = desktop;
            std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
            files.push_back(folder + "/" + lower + "-mimeapps.list");
        }
        files.push_back(folder + "/mimeapps.list");
    }
    return files;
}

}  // namespace

std::vector<Application> applicationsFor(const std::string& mimeType) {
    std::vector<std::string> dataFolders{homeFolder("XDG_DATA_HOME", "/.local/share")};
    for (const std::string& folder : folderList("XDG_DATA_DIRS", "/usr/local/share:/usr/share"))
        dataFolders.push_back(folder);
    const std::map<std::string, std::filesystem::path> files = desktopFiles(dataFolders);

    // What the association files say of the type: the defaults in order, and the programs
    // added to it or removed from it (the most important file that names a program decides).
    std::vector<std::string> defaults;
    std::map<std::string, bool> associated;
    for (const std::filesystem::path& list : associationFiles(dataFolders)) {
        for (const std::string& id : split(readGroup(list, "[Default Applications]")[mimeType], ';'))
            defaults.push_back(id);
        for (const std::string& id : split(readGroup(list, "[Added Associations]")[mimeType], ';'))
            associated.emplace(id, true);
        for (const std::string& id : split(readGroup(list, "[Removed Associations]")[mimeType], ';'))
            associated.emplace(id, false);
    }

    std::vector<Application> found;
    std::string defaultId;  // the first default that is installed and usable
    std::map<std::string, Application> byId;
    for (const auto& [id, file] : files) {
        const std::map<std::string, std::string> entry = readGroup(file, "[Desktop Entry]");
        if (!usable(entry)) continue;
        const auto declared = entry.find("MimeType");
        const bool takes = declared != entry.end() && contains(split(declared->second, ';'), mimeType);
        const auto association = associated.find(id);
        const bool listed = association != associated.end() ? association->second : takes;
        const bool isDefault = contains(defaults, id);
        if (!listed && !isDefault) continue;
        const auto name = entry.find("Name");
        byId[id] = {name == entry.end() || name->second.empty() ? id : name->second, entry.at("Exec")};
    }
    for (const std::string& id : defaults)
        if (byId.count(id)) {
            defaultId = id;
            break;
        }
    for (const auto& [id, application] : byId)
        if (id != defaultId) found.push_back(application);
    std::sort(found.begin(), found.end(), [](const Application& a, const Application& b) { return a.name < b.name; });
    if (!defaultId.empty()) found.insert(found.begin(), byId[defaultId]);
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
