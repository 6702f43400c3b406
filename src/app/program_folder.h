#pragma once
#include <string>

// Where the program finds its help file and keeps its settings, logs and wallpaper bitmap.
struct ProgramFolders {
    std::string executableFolder;  // the running program's folder
    std::string helpFile;          // Vimble.txt
    std::string dataFolder;        // vimble.ini, errors.log, archived.log
    std::string stateFolder;       // vimpaper.bmp, wallpaper.ini
};

// What the folders depend on: the environment and where the program runs from.
struct FolderFacts {
    std::string vimbleHome;  // VIMBLE_HOME
    std::string executableFolder;
    bool executableFolderWritable = false;
    bool installed = false;  // the executable sits in an install prefix's bin folder
    std::string xdgConfigHome, xdgStateHome, home;
};

// VIMBLE_HOME, when set, holds everything. An installed program keeps its data in
// $XDG_CONFIG_HOME/vimble and its state in $XDG_STATE_HOME/vimble (also when run as root, who
// could write the prefix) and finds its help in the prefix's share/vimble. Any other copy keeps
// everything beside itself when it can write there (a build folder, a USB stick), else in
// $XDG_CONFIG_HOME/vimble. Unset or relative XDG folders stand back for ~/.config and
// ~/.local/state.
ProgramFolders chooseProgramFolders(const FolderFacts& facts);

// Whether a program in this folder is an installed one: the folder is the build's install
// folder for programs, or a "bin" folder whose prefix holds share/vimble/Vimble.txt.
bool isInstalledProgram(const std::string& executableFolder, const std::string& installBinFolder);

// The folders of this process; the data and state folders are created when missing.
ProgramFolders locateProgramFolders();

// What the user is told once at start when the data folder cannot take files: that settings
// and logs cannot be saved there, and where they would go instead.
std::string readOnlyNotice(const std::string& dataFolder, const std::string& xdgConfigHome, const std::string& home);

// Removes what an interrupted save left in a folder of the program's: regular files named like
// ".vimble-XXXXXX", "vimble.ini.XXXXXX" or "wallpaper.ini.XXXXXX" (the temporary of a save: six
// letters and digits, not all of them small letters) that have not changed for a minute, so that
// a save under way in another copy is left alone.
void removeStaleTemporaries(const std::string& dataFolder);
