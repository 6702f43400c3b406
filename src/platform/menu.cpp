#include "platform/menu.h"

MenuItem* MenuItem::subMenuAt(int position) {
    if (position < 0 || size_t(position) >= items.size()) return nullptr;
    MenuItem& item = items[size_t(position)];
    return item.kind == Kind::SubMenu ? &item : nullptr;
}

MenuItem* MenuItem::find(int wanted) {
    for (MenuItem& item : items) {
        if (item.kind == Kind::Command && item.id == wanted) return &item;
        if (MenuItem* inner = item.find(wanted)) return inner;
    }
    return nullptr;
}
