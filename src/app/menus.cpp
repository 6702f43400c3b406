// The popup menu's contents, its marks and its pins.
#include "app/menus.h"

#include "resources/menu_table.h"

#include <algorithm>
#include <string_view>

namespace {

// Builds the items of the sub-menu whose rows start at `row`; leaves `row` past its End.
void buildItems(MenuItem& menu, size_t& row) {
    while (row < std::size(menuTable)) {
        const MenuRow& r = menuTable[row++];
        if (r.kind == MenuRowKind::End) return;
        MenuItem item;
        item.id = r.id;
        item.text = r.text;
        if (*r.shortcut) item.text = item.text + '\t' + r.shortcut;
        switch (r.kind) {
        case MenuRowKind::Command: item.kind = MenuItem::Kind::Command; break;
        case MenuRowKind::Info: item.kind = MenuItem::Kind::Info; break;
        case MenuRowKind::Separator: item.kind = MenuItem::Kind::Separator; break;
        case MenuRowKind::SubMenu:
            item.kind = MenuItem::Kind::SubMenu;
            buildItems(item, row);
            break;
        case MenuRowKind::End: break;
        }
        menu.items.push_back(std::move(item));
    }
}

// A setting on or off decides a check mark.
struct FlagMark {
    bool Settings::*setting;
    int id;
};
constexpr FlagMark flagMarks[] = {
    {&Settings::slide, 1001},          {&Settings::ontop, 1026},          {&Settings::blend, 1027},
    {&Settings::loopshuffle, 1034},    {&Settings::autoscroll, 1055},     {&Settings::subfolders, 1111},
    {&Settings::hidden, 1112},         {&Settings::peek, 1121},           {&Settings::peeksort, 1122},
    {&Settings::peekcount, 1123},      {&Settings::autorefresh, 1124},    {&Settings::bmp, 1151},
    {&Settings::emf, 1152},            {&Settings::gif, 1153},            {&Settings::ico, 1154},
    {&Settings::jpg, 1155},            {&Settings::png, 1156},            {&Settings::tif, 1157},
    {&Settings::webp, 1171},           {&Settings::avif, 1172},           {&Settings::heif, 1173},
    {&Settings::jxl, 1174},            {&Settings::svg, 1175},            {&Settings::animate, 1219},
    {&Settings::autorotate, 1226},
    {&Settings::wrap, 1201},           {&Settings::crop, 1202},           {&Settings::squeeze, 1203},
    {&Settings::shrink, 1204},         {&Settings::stretch, 1205},        {&Settings::rotateaspect, 1224},
    {&Settings::collage, 1241},        {&Settings::transitions, 1250},    {&Settings::overlap, 1268},
    {&Settings::title, 1301},          {&Settings::fullname, 1302},       {&Settings::statusbar, 1311},
    {&Settings::trayicon, 1312},       {&Settings::decorate, 1313},       {&Settings::whitebg, 1314},
    {&Settings::autocenter, 1321},     {&Settings::roamwindow, 1322},     {&Settings::corral, 1323},
    {&Settings::draggable, 1324},      {&Settings::singleinstance, 1352}, {&Settings::fullscreenname, 1361},
    {&Settings::fullscreencursor, 1362}, {&Settings::confirmdelete, 1422}, {&Settings::archivelog, 1504},
    {&Settings::archiving, 1505},      {&Settings::bbWallpaper, 1522},    {&Settings::bbWallpaperScale, 1523},
    {&Settings::savesettings, 1602},   {&Settings::markexit, 1603},       {&Settings::atCursor, 1702},
};

// A setting with this value checks the item.
struct ValueMark {
    int32_t Settings::*setting;
    int32_t value;
    int id;
};
constexpr ValueMark valueMarks[] = {
    {&Settings::sort, 0, 1011},        {&Settings::sort, 1, 1012},        {&Settings::sort, 2, 1013},
    {&Settings::sortby, 0, 1014},      {&Settings::sortby, 1, 1015},      {&Settings::sortby, 2, 1016},
    {&Settings::sortby, 3, 1017},      {&Settings::layer, 0, 1021},       {&Settings::layer, 1, 1022},
    {&Settings::layer, 1, 1023},       {&Settings::layer, 2, 1024},       {&Settings::layer, 2, 1025},
    {&Settings::loop, 0, 1031},        {&Settings::loop, 1, 1032},        {&Settings::loop, 2, 1033},
    {&Settings::autofindlast, 1, 1125}, {&Settings::autofindlast, 2, 1126}, {&Settings::zoomquality, 0, 1216},
    {&Settings::zoomquality, 2, 1217}, {&Settings::zoomquality, 7, 1218}, {&Settings::layout, 0, 1231},
    {&Settings::layout, 1, 1232},      {&Settings::layout, 2, 1233},      {&Settings::layout, 3, 1234},
    {&Settings::layout, 4, 1235},      {&Settings::layout, 5, 1236},      {&Settings::fullscreenlayout, 0, 1363},
    {&Settings::fullscreenlayout, 5, 1364},
};

constexpr int slideshowPosition = 2, zoomPosition = 19, rotatePosition = 20;

}  // namespace

MenuItem loadMainMenu() {
    MenuItem root;
    size_t row = 0;
    buildItems(root, row);
    MenuItem main = std::move(root.items.front());
    if (MenuItem* menu = main.find(1701)) menu->checked = menu->greyed = true;  // F1 and Apps reach it
    return main;
}

bool isPinCommand(int id) {
    return std::any_of(std::begin(menuTable), std::end(menuTable), [id](const MenuRow& r) {
        return r.kind == MenuRowKind::Command && r.id == id && std::string_view(r.text) == "Pin";
    });
}

void MenuPins::pin(int id) {
    if (id == 2000) {
        menuPinned = !menuPinned;
    } else if (id < 3000) {
        pinnedSubMenu = pinnedSubMenu == id - 2000 ? -1 : id - 2000;
    } else if (pinnedNestedMenu == id - 3000) {
        pinnedNestedMenu = pinnedNestedParent = -1;
    } else {
        pinnedNestedMenu = id - 3000;
        pinnedNestedParent = shellMenuPosition;
    }
}

int MenuPins::reopenIndex() const {
    if (pinnedNestedMenu != -1) return pinnedNestedMenu;
    if (pinnedSubMenu != -1) return pinnedSubMenu;
    return menuPinned ? 0 : -1;
}

void MenuPins::unpinOne() {
    if (pinnedNestedMenu != -1) pinnedNestedMenu = pinnedNestedParent = -1;
    else if (pinnedSubMenu != -1) pinnedSubMenu = -1;
    else menuPinned = false;
}

Point menuOrigin(const Rect& client, Point cursor, bool atCursor) {
    if (atCursor && client.contains(cursor)) return cursor;
    return {std::max(client.left, 0), std::max(client.top, 0)};
}

void setMenuState(MenuItem& menu, bool isMainMenu, const Settings& s, const MenuFacts& facts) {
    auto mark = [&menu](int id, bool check, bool grey = false) {
        if (MenuItem* item = menu.find(id)) {
            item->checked = item->checked || check;
            item->greyed = item->greyed || grey;
        }
    };
    auto checkPosition = [&menu, isMainMenu](int position, bool check) {
        if (!isMainMenu || !check) return;
        if (MenuItem* item = menu.subMenuAt(position)) item->checked = true;
    };
    for (const FlagMark& m : flagMarks) mark(m.id, s.*m.setting);
    for (const ValueMark& m : valueMarks) mark(m.id, s.*m.setting == m.value);

    mark(1027, false, !facts.blendAvailable);
    mark(1028, false, !facts.blendAvailable);
    checkPosition(slideshowPosition, s.slide);
    mark(1133, s.landscapeOnly);
    mark(1134, !s.landscapeOnly && s.portraitOnly);
    checkPosition(zoomPosition, facts.zoomLocked);
    checkPosition(rotatePosition, facts.currentRotation != 0);
    for (int32_t effect : s.enabledTransitions)
        if (effect >= 0 && effect < transitionCount) mark(1251 + effect, true);
    mark(1351, facts.hotkeyRegistered);
    mark(1501, false, !s.archiving);
    mark(1521, facts.blackboxShell);
    const bool blackboxWallpaper = facts.blackboxShell && s.bbWallpaper;
    mark(1374, false, blackboxWallpaper);
    mark(1375, false, blackboxWallpaper);
    mark(2000, facts.pins.menuPinned);
    if (facts.pins.pinnedSubMenu != -1) mark(2000 + facts.pins.pinnedSubMenu, true);
    if (facts.pins.pinnedNestedMenu != -1) mark(3000 + facts.pins.pinnedNestedMenu, true);
}
