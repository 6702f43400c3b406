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

// What the user is told once at start when the data folder cannot take files: that settings
// and logs cannot be saved there, and where they would go instead.
std::string readOnlyNotice(const std::string& dataFolder, const std::string& xdgConfigHome, const std::string& home);

// Removes what an interrupted save left in the data folder: regular files named like
// "vimble.ini.XXXXXX" or "wallpaper.ini.XXXXXX" (the temporary of a save: six letters and
// digits, not all of them small letters) that have not
// changed for a minute, so that a save under way in another copy is left alone.
void removeStaleTemporaries(const std::string& dataFolder);
