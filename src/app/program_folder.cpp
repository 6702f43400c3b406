#include "app/program_folder.h"

#include "config/paths.h"
#include "platform/system.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

// The installed help file, relative to the prefix's bin folder.
constexpr const char* installedHelp = "/../share/vimble/Vimble.txt";

// A relative XDG folder is invalid and ignored, as the base-directory rules say.
std::string xdgFolder(const std::string& value, const std::string& fallback) {
    return !value.empty() && value[0] == '/' ? value : fallback;
}

std::string configFolder(const std::string& xdgConfigHome, const std::string& home) {
    return xdgFolder(xdgConfigHome, home + "/.config") + "/vimble";
}

}  // namespace

ProgramFolders chooseProgramFolders(const FolderFacts& facts) {
    ProgramFolders folders;
    folders.executableFolder = facts.executableFolder;
    folders.helpFile = std::filesystem::path(facts.executableFolder + (facts.installed ? installedHelp : "/Vimble.txt"))
                           .lexically_normal()
                           .string();
    const std::string config = configFolder(facts.xdgConfigHome, facts.home);
    if (!facts.vimbleHome.empty()) {
        folders.dataFolder = folders.stateFolder = facts.vimbleHome;
    } else if (facts.installed) {
        folders.dataFolder = config;
        folders.stateFolder = xdgFolder(facts.xdgStateHome, facts.home + "/.local/state") + "/vimble";
    } else {
        folders.dataFolder = folders.stateFolder = facts.executableFolderWritable ? facts.executableFolder : config;
    }
    return folders;
}

bool isInstalledProgram(const std::string& executableFolder, const std::string& installBinFolder) {
    if (executableFolder == installBinFolder) return true;
    std::error_code error;
    return std::filesystem::path(executableFolder).filename() == "bin" &&
           std::filesystem::is_regular_file(executableFolder + installedHelp, error);
}

ProgramFolders locateProgramFolders() {
    FolderFacts facts;
    facts.vimbleHome = environmentValue("VIMBLE_HOME");
    facts.executableFolder = folderOf(executablePath());
    facts.executableFolderWritable = isWritableFolder(facts.executableFolder);
    facts.installed = isInstalledProgram(facts.executableFolder, VIMBLE_INSTALL_BINDIR);
    facts.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
    facts.xdgStateHome = environmentValue("XDG_STATE_HOME");
    facts.home = environmentValue("HOME");
    const ProgramFolders folders = chooseProgramFolders(facts);
    makeFolders(folders.dataFolder);
    makeFolders(folders.stateFolder);
    return folders;
}

std::string readOnlyNotice(const std::string& dataFolder, const std::string& xdgConfigHome, const std::string& home) {
    const std::string config = configFolder(xdgConfigHome, home);
    return "Settings and logs cannot be saved in " + dataFolder + ": the folder cannot be written. " +
           (config != dataFolder ? "Without VIMBLE_HOME they would go to " + config + "."
                                 : "Set VIMBLE_HOME to a writable folder to keep them there.");
}

void removeStaleTemporaries(const std::string& dataFolder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(dataFolder.c_str()), closedir);
    if (!listing) return;
    // Six letters and digits as mkstemp makes them; a word that names a copy kept by hand
    // ("vimble.ini.backup") has neither a digit nor a capital and is left alone. Saves write
    // ".vimble-XXXXXX"; earlier versions wrote "vimble.ini.XXXXXX" and "wallpaper.ini.XXXXXX".
    const auto isTemporary = [](const std::string& name) {
        for (const std::string kept : {".vimble-", "vimble.ini.", "wallpaper.ini."}) {
            if (name.size() != kept.size() + 6 || !name.starts_with(kept)) continue;
            const std::string_view suffix = std::string_view(name).substr(kept.size());
            const auto is = [suffix](int (*test)(int)) {
                return std::ranges::any_of(suffix, [test](char c) { return test((unsigned char)c) != 0; });
            };
            if (std::ranges::all_of(suffix, [](char c) { return std::isalnum((unsigned char)c) != 0; }) &&
                (is(std::isdigit) || is(std::isupper)))
                return true;
        }
        return false;
    };
    const time_t aMinuteAgo = time(nullptr) - 60;
    while (const dirent* item = readdir(listing.get())) {
        const std::string path = dataFolder + "/" + item->d_name;
        struct stat st {};
        if (isTemporary(item->d_name) && lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            st.st_mtime < aMinuteAgo)
            unlink(path.c_str());
    }
}
