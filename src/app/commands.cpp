// The command dispatcher: every menu item, accelerator and replayed command arrives here by id.
#include "app/app_state.h"

#include "platform/window_host.h"

namespace {

struct Command {
    int id;
    void (*action)(AppState&);
};

const Command commands[] = {
    {1601, [](AppState& a) { a.saveSettings(); }},  // Save Now
    {1602, [](AppState& a) { a.settings.savesettings = !a.settings.savesettings; }},  // Save on Exit
    {1603, [](AppState& a) { a.settings.markexit = !a.settings.markexit; }},          // Mark on Exit
    {1705, [](AppState& a) {                                                          // Exit
         Message close{Msg::Close};
         a.mainWindow.send(close);
     }},
};

}  // namespace

void AppState::onCommand(int command) {
    if (settings.noShell && command >= 1401 && command <= 1525) return;
    if (settings.noMenu && command <= 1703 && command != 1701) return;
    for (const Command& row : commands) {
        if (row.id != command) continue;
        row.action(*this);
        return;
    }
}
