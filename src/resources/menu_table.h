#pragma once

// The popup menu, "Main Menu", as rows in the order they are shown. A sub-menu runs from its
// SubMenu row to the matching End row. Positions inside a menu count every row, separators
// included: the pin commands 2000 + p and 3000 + q and the marks on "Slideshow" (2), "Zoom"
// (19) and "Rotate" (20) rely on them.
enum class MenuRowKind { Command, Info, Separator, SubMenu, End };

struct MenuRow {
    MenuRowKind kind;
    int id;                // command id; 999 for an information row
    const char* text;      // "&" marks the mnemonic
    const char* shortcut;  // shown after a tab; "" for none
};

namespace menu_rows {
constexpr MenuRow cmd(int id, const char* text, const char* shortcut = "") {
    return {MenuRowKind::Command, id, text, shortcut};
}
constexpr MenuRow info(const char* text, const char* shortcut) { return {MenuRowKind::Info, 999, text, shortcut}; }
constexpr MenuRow sub(const char* text) { return {MenuRowKind::SubMenu, 0, text, ""}; }
constexpr MenuRow sep{MenuRowKind::Separator, 0, "", ""};
constexpr MenuRow end{MenuRowKind::End, 0, "", ""};

// clang-format off
inline constexpr MenuRow menuTable[] = {
    sub("Main Menu"),
    cmd(2000, "Pin"), sep,
    sub("Slideshow"), cmd(2002, "Pin"), sep,
        cmd(1001, "Slideshow", "Pause"), cmd(1002, "Timer...", "Ctrl+T"), end,
    sub("Sort"), cmd(2003, "Pin"), sep,
        cmd(1011, "Forward", "Alt+F"), cmd(1012, "Re&verse", "Alt+V"), cmd(1013, "Random (Shuffle)", "Alt+R"), sep,
        cmd(1014, "Name", "J"), cmd(1015, "Created", "Ctrl+J"), cmd(1016, "Modified", "Shift+J"),
        cmd(1017, "Accessed", "Alt+J"), end,
    sub("Layer"), cmd(2004, "Pin"), sep,
        cmd(1021, "Normal", "Alt+N"), cmd(1022, "Fullscreen", "F11"), cmd(1024, "Wallpaper", "Alt+W"), sep,
        cmd(1026, "Stay On &Top", "Alt+T"), cmd(1027, "Blend", "B"), cmd(1028, "Opacity...", "Ctrl+B"), end,
    sub("Loop"), cmd(2005, "Pin"), sep,
        cmd(1031, "Loop"), cmd(1032, "Pause"), cmd(1033, "Exit"), sep, cmd(1034, "Reshuffle"), end,
    sub("Navigate"), cmd(2006, "Pin"), sep,
        cmd(1041, "Next", "Page Down"), cmd(1042, "Previous", "Page Up"), cmd(1043, "First", "Home"),
        cmd(1044, "Last", "End"), info("x5", "Shift"), info("x10", "Ctrl"), sep, cmd(1045, "Current", "F5"), end,
    sub("Scroll"), cmd(2007, "Pin"), sep,
        cmd(1051, "Left", "Left Arrow"), cmd(1052, "Right", "Right Arrow"), cmd(1053, "Up", "Up Arrow"),
        cmd(1054, "Down", "Down Arrow"), info("x2", "Shift"), info("x5", "Control"), info("Pixel", "Alt"),
        info("Mouse", "Left-click"), sep, cmd(1055, "Autoscroll"), end,
    sep,
    sub("Folder"), cmd(2009, "Pin"), sep,
        cmd(1101, "Browse...", "Ins"), cmd(1102, "Current", "Shift+F5"), cmd(1103, "Refresh", "Ctrl+R"), sep,
        cmd(1111, "Subfolders"), cmd(1112, "Hidden Folders"), sep,
        cmd(1121, "Peek", "Ctrl+P"), cmd(1122, "...sort", "Shift+Ctrl+P"), cmd(1123, "...count"), sep,
        cmd(1124, "Auto Refresh", "Ctrl+A"), cmd(1125, "...to last created"), cmd(1126, "...to last modified"), end,
    sub("Find"), cmd(2010, "Pin"), sep,
        cmd(1131, "Find/Filter...", "Ctrl+F"), cmd(1132, "Find Next", "F3"), sep,
        cmd(1133, "Landscape", "Alt+L"), cmd(1134, "Portrait", "Alt+P"), sep,
        cmd(1141, "Bookmark", "Ctrl+M"), cmd(1142, "Go To Mark", "M"), cmd(1143, "Go To...", "Ctrl+G"), end,
    sub("Formats"), cmd(2011, "Pin"), sep,
        cmd(1151, "BMP"), cmd(1152, "EMF"), cmd(1153, "GIF"), cmd(1154, "ICO"), cmd(1155, "JPG"), cmd(1156, "PNG"),
        cmd(1157, "TIF"), cmd(1171, "WebP"), cmd(1172, "AVIF"), cmd(1173, "HEIF"), cmd(1174, "JPEG XL"),
        cmd(1175, "SVG"), end,
    sub("F&avorites"), cmd(2012, "Pin"), sep,
        cmd(1161, "Send Shortcut", "F8"), cmd(1162, "Send To Desktop", "D"), cmd(1163, "Send Copy", "Alt+F8"),
        cmd(1164, "Copy To Desktop", "Alt+D"), sep,
        cmd(1165, "View Favorites", "Shift+F8"), cmd(1166, "View Desktop", "Shift+D"),
        cmd(1167, "View Target", "Shift+L"), sep, cmd(1168, "Folder...", "Ctrl+F8"), end,
    sep,
    cmd(1201, "Wrap", "W"), cmd(1202, "Crop", "C"), cmd(1203, "Squeeze", "S"), cmd(1204, "Shrink", "Alt+S"),
    cmd(1205, "Stretch", "Shift+S"),
    sub("Zoom"), cmd(2019, "Pin"), sep,
        cmd(1211, "Zoom In", "+"), cmd(1212, "Zoom Out", "-"), cmd(1213, "Zoom 100%", "="),
        info("Zoom 1%", "Alt +/-"), cmd(1214, "Zoom Step...", "Ctrl+Z"), cmd(1215, "Zoom Lock", "Shift+Z"), sep,
        cmd(1216, "Default", "(Quality)"), cmd(1217, "High"), cmd(1218, "Best"), sep, cmd(1219, "Animate"), end,
    sub("Rotate"), cmd(2020, "Pin"), sep,
        cmd(1221, "Rotate", "R"), cmd(1222, "Rotate Left", "L"), cmd(1223, "Rotate Lock", "Shift+R"),
        cmd(1224, "Aspect Filter", "Ctrl+Shift+R"), sep, cmd(1225, "Flip Horizontal", "H"), sep,
        cmd(1226, "Auto Rotate"), end,
    sub("Layout"), cmd(2021, "Pin"), sep,
        cmd(1231, "Centered", "Ctrl+0"), cmd(1232, "Top Left", "Ctrl+1"), cmd(1233, "Top Right", "Ctrl+2"),
        cmd(1234, "Bottom Left", "Ctrl+3"), cmd(1235, "Bottom Right", "Ctrl+4"), cmd(1236, "Roaming", "Ctrl+5"), end,
    sub("Colla&ge"), cmd(2022, "Pin"), sep,
        cmd(1241, "Colla&ge", "G"), cmd(1242, "Collage Size..."), end,
    sub("Transitions"), cmd(2023, "Pin"), sep,
        cmd(1250, "Transitions", "T"), sep,
        cmd(1251, "Shutters Right"), cmd(1252, "Shutters Left"), cmd(1253, "Shutters Down"),
        cmd(1254, "Shutters Up"), cmd(1255, "Wipe Right/Left"), cmd(1256, "Wipe Left/Right"),
        cmd(1257, "Wipe Down/Up"), cmd(1258, "Wipe Up/Down"), cmd(1259, "Horizontal Slide"),
        cmd(1260, "Vertical Slide"), cmd(1261, "Quadrant Slide"), cmd(1262, "Quadrant Wipe"),
        cmd(1263, "Quadrant Peel"), cmd(1264, "Dissolve"), cmd(1265, "Crossfade"), sep,
        cmd(1266, "All"), cmd(1267, "None"), sep, cmd(1268, "Overlap"), end,
    sep,
    sub("Window"), cmd(2025, "Pin"), sep,
        cmd(1301, "Name in Caption", "N"), cmd(1302, "Full Path", "Shift+N"), sep,
        cmd(1311, "Status Bar", "I"), cmd(1312, "Tray Icon", "Alt+I"), cmd(1313, "Decorate"),
        cmd(1314, "White Background", "Alt+B"), sep,
        cmd(1321, "Auto Center"), cmd(1322, "Roam"), cmd(1323, "Corral"), cmd(1324, "Draggable"),
        cmd(1325, "Center", "0"), sep,
        sub("Save"),
            cmd(1331, "1", "Alt+1"), cmd(1332, "2", "Alt+2"), cmd(1333, "3", "Alt+3"), cmd(1334, "4", "Alt+4"),
            cmd(1335, "5", "Alt+5"), end,
        sub("Restore"),
            cmd(1341, "1", "1"), cmd(1342, "2", "2"), cmd(1343, "3", "3"), cmd(1344, "4", "4"),
            cmd(1345, "5", "5"), end,
        sep,
        cmd(1351, "Show/Hide Hotkey..."), cmd(1352, "Single Instance", "(restart)"), cmd(1353, "...now", "~"), end,
    sub("F&ullscreen"), cmd(2026, "Pin"), sep,
        cmd(1361, "Caption", "Shift+F11"), cmd(1362, "Cursor", "Shift+U"), sep,
        cmd(1363, "Centered Image", "Shift+0"), cmd(1364, "Roaming Image", "Shift+5"), sep,
        cmd(1023, "Layer Fullscreen", "F11"), end,
    sub("Wallpaper"), cmd(2027, "Pin"), sep,
        cmd(1371, "Center", "Ctrl+W"), cmd(1372, "Tile", "Shift+W"), cmd(1373, "Stretch", "Ctrl+Shift+W"), sep,
        cmd(1374, "Clear"), cmd(1375, "Restore"), sep, cmd(1025, "Layer Wallpaper", "Alt+W"), end,
    sub("Sh&ell"), cmd(2028, "Pin"), sep,
        cmd(1401, "View", "Shift+V"), cmd(1402, "Explore", "Shift+E"), cmd(1403, "Open Wit&h...", "Shift+H"), sep,
        cmd(1411, "Copy File...", "Shift+C"), cmd(1412, "Move/Rename...", "F2"), cmd(1413, "Save As...", "Ctrl+S"),
        sep,
        cmd(1414, "Copy Image", "Shift+Ctrl+C"), cmd(1415, "Copy View", "Ctrl+C"), cmd(1416, "Paste", "Ctrl+V"), sep,
        cmd(1421, "Recycle", "Del"), cmd(1422, "Confirm"), sep,
        sub("Archive"), cmd(3017, "Pin"), sep,
            cmd(1501, "Archive", "F9"), cmd(1502, "View Archive", "Shift+F9"),
            cmd(1503, "Archive Folder...", "Ctrl+F9"), sep, cmd(1504, "Archive Log"), cmd(1505, "Enable"), end,
        sep,
        cmd(1513, "View With..."), cmd(1514, "Explore With..."),
        sub("Blackbox"), cmd(3021, "Pin"), sep,
            cmd(1521, "Blackbox Shell"), cmd(1522, "Smart Wallpaper"), cmd(1523, "Scale Wallpaper"), sep,
            cmd(1524, "Adjust Desktop..."), cmd(1525, "Adjust Window..."), end,
        end,
    sub("Settings"), cmd(2029, "Pin"), sep,
        cmd(1601, "Save Now"), cmd(1602, "Save on Exit"), cmd(1603, "Mark on Exit"), end,
    sep,
    sub("Info"), cmd(2031, "Pin"), sep,
        cmd(1701, "Menu", "F1"), cmd(1702, "...at cursor"), cmd(1703, "Help", "?"), cmd(1704, "About..."), end,
    sep,
    cmd(1705, "E&xit", "Esc"),
    end,
};
// clang-format on
}  // namespace menu_rows

using menu_rows::menuTable;

// The information row id: shown, never chosen.
inline constexpr int menuInfoId = 999;
// Position of "Shell" in "Main Menu": the parent of the nested pins 3000 + q.
inline constexpr int shellMenuPosition = 28;
