// Find, filter and exclude on the list in memory, and the Find menu's commands.
#include "catalog/catalog.h"

#include "platform/dialogs.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"

bool Catalog::findNext(bool fromNext) {
    if (images_.empty()) {
        hooks_.inform("No files");
        return false;
    }
    if (find_.text.empty()) return findOrFilter();
    if (const auto match = findMatch(images_, index_ + (fromNext ? 1 : 0), find_)) {
        index_ = *match;
        return true;
    }
    hooks_.inform("No Match");
    return false;
}

bool Catalog::findOrFilter() {
    if (images_.empty()) {
        hooks_.inform("No files");
        return false;
    }
    window_.showCursor(true);
    find_.action =
        findDialog(window_, dialogTemplate(300), FindState::maxText, find_.text, find_.nameOnly, find_.matchCase);
    bool changed = false;
    if (find_.action != FindState::Cancelled && !find_.text.empty()) {
        if (find_.action == FindState::Find) {
            changed = findNext(false);
        } else {
            filterList(images_, index_, currentPath_, find_, find_.action == FindState::Filter);
            changed = true;
        }
    }
    window_.showCursor(false);
    return changed;
}
