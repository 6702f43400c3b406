#pragma once
#include <string>

class WindowHost;

enum class MessageIcon { None, Exclamation, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
// The button the user pressed; Cancel also when the box was closed without a choice.
enum class MessageAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// A modal message box over the owner (or the screen when owner is null).
MessageAnswer messageBox(WindowHost* owner, const std::string& text, const std::string& title, MessageIcon icon,
                         MessageButtons buttons);

// A folder chooser starting at startFolder; the chosen folder's path, empty when cancelled.
std::string chooseFolder(const std::string& title, const std::string& startFolder);

// Whether a Shift key is held down now.
bool shiftKeyHeld();

// Whether an Alt key is held down now.
bool altKeyHeld();

// Whether a Control key is held down now.
bool controlKeyHeld();
