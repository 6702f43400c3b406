#pragma once
#include <string>
#include <vector>

// A program installed on the desktop (an XDG .desktop file).
struct Application {
    std::string name;
    std::string exec;  // the Exec line, with its field codes
};

// The installed applications that open files of this MIME type, as the desktop lists them: the
// default one (mimeapps.list) first, the others by name. Each desktop id counts once, the
// user's own (XDG_DATA_HOME) before the system's (XDG_DATA_DIRS); entries that are deleted
// (Hidden), whose TryExec program is missing or that OnlyShowIn/NotShowIn keep from this
// desktop are left out; NoDisplay entries stay (they only stay out of menus). Associations
// added and removed in mimeapps.list count.
std::vector<Application> applicationsFor(const std::string& mimeType);

// The MIME type of a file (path as bytes), from its name and content.
std::string mimeTypeOf(const std::string& path);

// The program and its arguments for an Exec line opening the file: %f, %F, %u and %U become
// the file, the other field codes go, "%%" is a percent sign, quoted words stay whole.
std::vector<std::string> commandFor(const std::string& exec, const std::string& file);
