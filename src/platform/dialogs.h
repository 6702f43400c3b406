#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class WindowHost;

enum class MessageIcon { None, Exclamation, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
// The button the user pressed; Cancel also when the box was closed without a choice.
enum class MessageAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// A modal message box over the owner (or the screen when owner is null).
MessageAnswer messageBox(WindowHost* owner, const std::string& text, const std::string& title, MessageIcon icon,
                         MessageButtons buttons);

// A message box over the owner (or the screen when owner is null), titled with the program's name.
MessageAnswer showMessage(WindowHost* owner, const std::string& text, MessageIcon icon = MessageIcon::Exclamation,
                          MessageButtons buttons = MessageButtons::Ok);

// The folder a chooser gave: its path, empty when cancelled, and whether Shift was held as it
// was chosen.
struct ChosenFolder {
    std::string path;
    bool shiftHeld = false;
};

// A folder chooser starting at startFolder.
ChosenFolder chooseFolder(const std::string& title, const std::string& startFolder);

struct DialogTemplate;

// The numeric-input dialog: shows value, and on "Ok" stores what the edit box holds (digits
// only; empty is 0; more than 32 bits holds 4294967295) and answers true. Esc and closing
// store nothing and answer false.
bool askNumber(WindowHost& owner, const DialogTemplate& dialog, uint32_t& value);

// The About box: the program's name and version, and a button that opens webPage.
void aboutBox(WindowHost& owner, const DialogTemplate& dialog, const std::string& version, const std::string& webPage);

// The Find/Filter dialog: edits the text (at most maxText characters) and the two options, and
// answers the button that closed it: 0 Find, 1 Filter (the default), 2 Exclude, or 3 when it
// was cancelled, leaving text and options as they were.
int findDialog(WindowHost& owner, const DialogTemplate& dialog, size_t maxText, std::string& text, bool& nameOnly,
               bool& matchCase);

// A save-file dialog: starts in the start path's folder with its name filled in; filters are
// "Name (*.ext)" entries. Answers the chosen path (bytes), empty when cancelled; filterIndex
// gets the chosen filter (1 the first). Does not ask before replacing a file: the caller asks
// about the name it will write, which may gain an extension.
std::string chooseSaveFile(WindowHost& owner, const std::string& title, const std::string& startPath,
                           const std::vector<std::string>& filters, int& filterIndex);

// An open-file dialog for a program; the chosen path, empty when cancelled.
std::string chooseProgram(WindowHost& owner, const std::string& startPath);

// The View With / Explore With dialog: edits a program's path, with "..." to pick one (taken at
// once) and "Ok" to keep what the edit holds; cancelling keeps what "..." picked.
void programDialog(WindowHost& owner, const DialogTemplate& dialog, std::string& program);

// A chooser listing the names; the index of the one chosen, -1 when cancelled.
int chooseFromList(WindowHost& owner, const std::string& title, const std::vector<std::string>& names);

// The Hide/Show HotKey dialog: reads the keyboard every 50 ms and takes the highest named key
// held (modifiers come from its boxes only); "Ok" asks tryKey to take the combination and
// closes when it does, else says "Hotkey Unavailable" and stays. Esc can be chosen as the key,
// so it does not close the dialog; "Cancel" and the close box do, changing nothing.
void hotKeyDialog(WindowHost& owner, const DialogTemplate& dialog, uint32_t modifiers, uint32_t key,
                  const std::function<bool(uint32_t modifiers, uint32_t key)>& tryKey);
