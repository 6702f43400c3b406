#include "app/program_folder.h"

#include "config/paths.h"
#include "platform/system.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

std::string chooseDataFolder(const std::string& vimbleHome, const std::string& executableFolder,
                             bool executableFolderWritable, const std::string& xdgConfigHome,
                             const std::string& home) {
    if (!vimbleHome.empty()) return vimbleHome;
    if (executableFolderWritable) return executableFolder;
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
    const std::string config = !xdgConfigHome.empty() && xdgConfigHome[0] == '/' ? xdgConfigHome : home + "/.config";
    return config + "/vimble";
}

ProgramFolders locateProgramFolders() {
    ProgramFolders folders;
    folders.executableFolder = folderOf(executablePath());
    folders.dataFolder = chooseDataFolder(environmentValue("VIMBLE_HOME"), folders.executableFolder,
                                          isWritableFolder(folders.executableFolder),
                                          environmentValue("XDG_CONFIG_HOME"), environmentValue("HOME"));
    makeFolders(folders.dataFolder);
    return folders;
}

std::string readOnlyNotice(const std::string& dataFolder, const std::string& xdgConfigHome, const std::string& home) {
    const std::string config = chooseDataFolder("", "", false, xdgConfigHome, home);
    return "Settings and logs cannot be saved in " + dataFolder + ": the folder cannot be written. " +
           (config != dataFolder ? "Without VIMBLE_HOME they would go to " + config + "."
                                 : "Set VIMBLE_HOME to a writable folder to keep them there.");
}

void removeStaleTemporaries(const std::string& dataFolder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(dataFolder.c_str()), closedir);
    if (!listing) return;
    // Six letters and digits as mkstemp makes them; a word that names a copy kept by hand
    // ("vimble.ini.backup") has neither a digit nor a capital and is left alone.
    const auto isTemporary = [](const std::string& name) {
        for (const std::string kept : {"vimble.ini.", "wallpaper.ini."}) {
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
