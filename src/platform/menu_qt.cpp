#include "platform/menu.h"

#include "platform/modifiers_qt.h"
#include "platform/window_host.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace {
void fill(QMenu& menu, const MenuItem& source) {
    for (const MenuItem& item : source.items) {
        QAction* action = nullptr;
        switch (item.kind) {
        case MenuItem::Kind::Separator: menu.addSeparator(); continue;
        case MenuItem::Kind::SubMenu: {
            QMenu* inner = menu.addMenu(QString::fromStdString(item.text));
            fill(*inner, item);
            action = inner->menuAction();
            break;
        }
        case MenuItem::Kind::Command:
        case MenuItem::Kind::Info:
            action = menu.addAction(QString::fromStdString(item.text));
            action->setData(item.id);
            break;
        }
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(!item.greyed && item.kind != MenuItem::Kind::Info);
    }
}
}  // namespace

MenuChoice trackPopupMenu(WindowHost& owner, const MenuItem& source, int x, int y) {
    if (source.items.empty()) return {};
    QMenu menu(owner.widget());
    fill(menu, source);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const QAction* chosen = menu.exec(QPoint(int(x / ratio), int(y / ratio)));
    return {chosen ? chosen->data().toInt() : 0, modifiersOf()};
}
