#pragma once
#include <string>

// The help file Vimble.txt: the template's text with "@KEYS@" replaced by every key of the menu,
// "@SWITCHES@" by the command-line usage and "@SETTINGS@" by a settings file holding the
// defaults. The tables are the only source, so the help never disagrees with the program.
std::string helpText(const std::string& helpTemplate);

// The manual page vimble.1 (roff): the switches and keys from the same tables.
std::string manPage();

// The desktop entry vimble.desktop: the template with "@MIMETYPES@" replaced by every MIME type
// the program reads, each followed by ";".
std::string desktopEntry(const std::string& entryTemplate);
