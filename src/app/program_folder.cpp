#include "app/program_folder.h"

#include "config/paths.h"
#include "platform/system.h"

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
