#include "app/program_folder.h"

#include "config/paths.h"
#include "platform/system.h"

#include <filesystem>

namespace {

// The installed help file, relative to the prefix's bin folder.
constexpr const char* installedHelp = "/../share/vimble/Vimble.txt";

// A relative XDG folder is invalid and ignored, as the base-directory rules say.
std::string xdgFolder(const std::string& value, const std::string& fallback) {
    return !value.empty() && value[0] == '/' ? value : fallback;
}

}  // namespace

ProgramFolders chooseProgramFolders(const FolderFacts& facts) {
    ProgramFolders folders;
    folders.executableFolder = facts.executableFolder;
    folders.helpFile =
        std::filesystem::path(facts.executableFolder + (facts.installed ? installedHelp : "/Vimble.txt"))
            .lexically_normal()
            .string();
    const std::string config = xdgFolder(facts.xdgConfigHome, facts.home + "/.config") + "/vimble";
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
