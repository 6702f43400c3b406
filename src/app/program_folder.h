#pragma once
#include <string>

// Where the program finds its help file and keeps its settings, logs and wallpaper bitmap.
struct ProgramFolders {
    std::string executableFolder;  // the running program's folder: Vimble.txt
    std::string dataFolder;        // vimble.ini, errors.log, archived.log, vimpaper.bmp
};

// The data folder: VIMBLE_HOME when set; else the executable's folder when it is writable;
// else $XDG_CONFIG_HOME/vimble, with $HOME/.config standing in for an unset XDG_CONFIG_HOME.
std::string chooseDataFolder(const std::string& vimbleHome, const std::string& executableFolder,
                             bool executableFolderWritable, const std::string& xdgConfigHome,
                             const std::string& home);

// The folders of this process; the data folder is created when missing.
ProgramFolders locateProgramFolders();
