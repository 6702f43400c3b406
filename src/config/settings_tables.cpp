#include "config/settings_tables.h"

#include "config/settings_file.h"

#include <algorithm>

namespace {

using T = SettingType;

constexpr const char* effectKeys[transitionCount] = {"1", "2",  "3",  "4",  "5",  "6",  "7", "8",
                                                     "9", "10", "11", "12", "13", "14", "15"};
constexpr const char* positionKeys[4] = {"left", "top", "right", "bottom"};
constexpr const char* presetKeys[5][4] = {{"1left", "1top", "1right", "1bottom"},
                                          {"2left", "2top", "2right", "2bottom"},
                                          {"3left", "3top", "3right", "3bottom"},
                                          {"4left", "4top", "4right", "4bottom"},
                                          {"5left", "5top", "5right", "5bottom"}};

// The numbers from one name to another, every number between included (the quality's names
// skip some: a stored 3 stays 3).
template <class Named>
constexpr SettingRange between(Named least, Named most) {
    return {int64_t(least), int64_t(most)};
}

// The ranges numbers may take by what they mean.
constexpr SettingRange shortCount{0, INT16_MAX};  // a size or an amount in a 16-bit setting
constexpr SettingRange milliseconds{0, INT32_MAX};
constexpr SettingRange listIndex{0, INT32_MAX};
constexpr SettingRange screenPosition{INT16_MIN, INT16_MAX};  // what the X server can place
constexpr SettingRange percent{0, largestZoom};
constexpr SettingRange anchors = between(Anchor::Centered, Anchor::Roaming);

std::vector<SettingBinding> rectRows(const char* const (&keys)[4], Rect& r) {
    return {{keys[0], T::Long, &r.left, screenPosition},
            {keys[1], T::Long, &r.top, screenPosition},
            {keys[2], T::Long, &r.right, screenPosition},
            {keys[3], T::Long, &r.bottom, screenPosition}};
}

struct Section {
    const char* header;
    std::vector<SettingBinding> table;
};

// The fourteen sections in file order; every key in the order it is written, every number with
// the range its meaning allows (the defaults are in Settings).
std::vector<Section> sections(Settings& s, std::array<bool, transitionCount>& effects) {
    std::vector<SettingBinding> transitions{{"transitions", T::Bool, &s.transitions}};
    for (size_t i = 0; i < size_t(transitionCount); ++i) transitions.push_back({effectKeys[i], T::Bool, &effects[i]});
    transitions.push_back({"overlap", T::Bool, &s.overlap});

    std::vector<SettingBinding> presets;
    for (size_t i = 0; i < 5; ++i)
        for (const SettingBinding& row : rectRows(presetKeys[i], s.presets[i])) presets.push_back(row);

    return {
        {"[Vimble]", {{"version", T::String, &s.version, {}, 4}}},
        {"[Slideshow]",
         {{"slide", T::Bool, &s.slide},
          {"timer", T::Long, &s.timer, milliseconds},
          {"sort", T::Short, &s.sort, between(SortOrder::Forward, SortOrder::Random)},
          {"sortby", T::Short, &s.sortby, between(SortKey::Name, SortKey::Accessed)},
          {"layer", T::Short, &s.layer, between(Layer::Normal, Layer::Wallpaper)},
          {"ontop", T::Bool, &s.ontop},
          {"blend", T::Bool, &s.blend},
          {"opacity", T::Short, &s.opacity, {0, 255}},
          {"loop", T::Short, &s.loop, between(LoopEnd::Loop, LoopEnd::Exit)},
          {"loopshuffle", T::Bool, &s.loopshuffle},
          {"autoscroll", T::Bool, &s.autoscroll}}},
        {"[Folder]",
         {{"folder", T::String, &s.folder},
          {"subfolders", T::Bool, &s.subfolders},
          {"hidden", T::Bool, &s.hidden},
          {"peek", T::Bool, &s.peek},
          {"peeksort", T::Bool, &s.peeksort},
          {"peekcount", T::Bool, &s.peekcount},
          {"autorefresh", T::Bool, &s.autorefresh},
          {"autofindlast", T::Short, &s.autofindlast, between(FindLast::Nothing, FindLast::NewestModified)}}},
        {"[Formats]",
         {{"bmp", T::Bool, &s.bmp},
          {"emf", T::Bool, &s.emf},
          {"gif", T::Bool, &s.gif},
          {"ico", T::Bool, &s.ico},
          {"jpg", T::Bool, &s.jpg},
          {"png", T::Bool, &s.png},
          {"tif", T::Bool, &s.tif},
          {"webp", T::Bool, &s.webp},
          {"avif", T::Bool, &s.avif},
          {"heif", T::Bool, &s.heif},
          {"jxl", T::Bool, &s.jxl},
          {"svg", T::Bool, &s.svg}}},
        {"[Favorites]", {{"favorites", T::String, &s.favorites}}},
        {"[Image]",
         {{"wrap", T::Bool, &s.wrap},
          {"crop", T::Bool, &s.crop},
          {"squeeze", T::Bool, &s.squeeze},
          {"shrink", T::Bool, &s.shrink},
          {"stretch", T::Bool, &s.stretch},
          {"zoom", T::Short, &s.zoom, percent},
          {"zoomstep", T::Short, &s.zoomstep, percent},
          {"zoomquality", T::Short, &s.zoomquality, between(ZoomQuality::Bilinear, ZoomQuality::Best)},
          {"rotation", T::Short, &s.rotation, {0, 270}},
          {"rotateaspect", T::Bool, &s.rotateaspect},
          {"layout", T::Short, &s.layout, anchors},
          {"collage", T::Bool, &s.collage},
          {"collagesize", T::Short, &s.collagesize, shortCount},
          {"autorotate", T::Bool, &s.autorotate},
          {"animate", T::Bool, &s.animate}}},
        {"[Transitions]", transitions},
        {"[Window Options]",
         {{"title", T::Bool, &s.title},
          {"fullname", T::Bool, &s.fullname},
          {"statusbar", T::Bool, &s.statusbar},
          {"trayicon", T::Bool, &s.trayicon},
          {"decorate", T::Bool, &s.decorate},
          {"whitebg", T::Bool, &s.whitebg},
          {"autocenter", T::Bool, &s.autocenter},
          {"roamwindow", T::Bool, &s.roamwindow},
          {"corral", T::Bool, &s.corral},
          {"draggable", T::Bool, &s.draggable},
          {"singleinstance", T::Bool, &s.singleinstance},
          {"fullscreenname", T::Bool, &s.fullscreenname},
          {"fullscreencursor", T::Bool, &s.fullscreencursor},
          {"fullscreenlayout", T::Short, &s.fullscreenlayout, anchors}}},
        {"[Window Position]", rectRows(positionKeys, s.windowRect)},
        {"[Window Presets]", presets},
        {"[Shell]",
         {{"archive", T::String, &s.archive},
          {"archivelog", T::Bool, &s.archivelog},
          {"archiving", T::Bool, &s.archiving},
          {"confirmdelete", T::Bool, &s.confirmdelete},
          {"image viewer", T::String, &s.imageViewer},
          {"file manager", T::String, &s.fileManager},
          {"bb caption adjust", T::Short, &s.bbCaptionAdjust, shortCount},
          {"bb window adjust", T::Short, &s.bbWindowAdjust, shortCount},
          // Stored files carry the window adjustment under this key too; the later line wins.
          {"bb wallpaper style", T::Short, &s.bbWindowAdjust, shortCount},
          {"bb wallpaper", T::Bool, &s.bbWallpaper},
          {"bb wallpaper scale", T::Bool, &s.bbWallpaperScale}}},
        {"[Settings]",
         {{"savesettings", T::Bool, &s.savesettings},
          {"markexit", T::Bool, &s.markexit},
          {"bookmark", T::Long, &s.bookmark, listIndex}}},
        {"[Menu]", {{"at cursor", T::Bool, &s.atCursor}}},
        {"[Hotkeys]", {{"hidemod", T::Short, &s.hidemod, {0, 15}}, {"hidekey", T::Short, &s.hidekey, {0, 255}}}},
    };
}

}  // namespace

std::vector<int32_t> allTransitions() {
    std::vector<int32_t> effects;
    for (int32_t effect = 0; effect < transitionCount; ++effect) effects.push_back(effect);
    return effects;
}

void clampSettings(Settings& settings) {
    std::array<bool, transitionCount> effects{};
    for (const Section& section : sections(settings, effects))
        for (const SettingBinding& row : section.table) {
            const auto clamped = [&row](int32_t number) {
                return int32_t(std::clamp<int64_t>(number, row.range.least, row.range.most));
            };
            if (int32_t* const* number = std::get_if<int32_t*>(&row.target)) **number = clamped(**number);
            else if (const EnumTarget* named = std::get_if<EnumTarget>(&row.target)) named->set(clamped(named->get()));
        }
}

bool loadOrSaveSettings(Settings& settings, const std::string& path, bool save) {
    std::array<bool, transitionCount> effects{};
    for (int32_t effect : settings.enabledTransitions)
        if (effect >= 0 && effect < transitionCount) effects[size_t(effect)] = true;

    SettingsFile file(path, save ? SettingsFile::Write : SettingsFile::Read);
    for (const Section& section : sections(settings, effects)) {
        if (save) file.writeSection(section.table, section.header);
        else file.readSection(section.table, section.header);
    }
    if (save) return file.commit();

    settings.enabledTransitions.clear();
    for (int32_t effect = 0; effect < transitionCount; ++effect)
        if (effects[size_t(effect)]) settings.enabledTransitions.push_back(effect);
    return file.isOpen();
}
