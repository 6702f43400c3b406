#include "config/command_line.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
Settings applyAll(std::initializer_list<const char*> switches) {
    Settings s;
    for (const char* text : switches) applySwitch(s, text);
    return s;
}
}  // namespace

TEST(CommandLine, TheLaterSwitchWins) {
    EXPECT_FALSE(applyAll({"-slide", "-noslide"}).slide);
    EXPECT_TRUE(applyAll({"-noslide", "-slide"}).slide);
    EXPECT_EQ(applyAll({"-sortrandom", "-sortreverse"}).sort, SortOrder::Reverse);
    EXPECT_EQ(applyAll({"-t100", "-t2500"}).timer, 2500);
}

TEST(CommandLine, AFitModeAndALockedZoomExcludeEachOther) {
    const Settings zoomThenFit = applyAll({"-z150", "-squeeze"});
    EXPECT_EQ(zoomThenFit.zoom, 0);
    EXPECT_TRUE(zoomThenFit.squeeze);
    const Settings fitThenZoom = applyAll({"-squeeze", "-z150"});
    EXPECT_EQ(fitThenZoom.zoom, 150);
    EXPECT_FALSE(fitThenZoom.squeeze || fitThenZoom.shrink || fitThenZoom.stretch);
    // Any later switch re-applies the rule; a fit mode switched off keeps the zoom.
    EXPECT_EQ(applyAll({"-z150", "-noshrink"}).zoom, 150);
    EXPECT_EQ(applyAll({"-z150", "-shrink"}).zoom, 0);
}

TEST(CommandLine, NamedSwitchesBeatNumericOnesAndOthersAreIgnored) {
    const Settings tif = applyAll({"-tif"});
    EXPECT_TRUE(tif.tif);
    EXPECT_EQ(tif.timer, 5000);
    const Settings numbers = applyAll({"-t3000", "-b200", "-r90", "-t"});
    EXPECT_EQ(numbers.timer, 3000);  // "-t" alone is too short to be numeric
    EXPECT_EQ(numbers.opacity, 200);
    EXPECT_EQ(numbers.rotation, 90);
    EXPECT_EQ(applyAll({"-tx"}).timer, 0);  // no digits: 0
    EXPECT_EQ(applyAll({"-t12ab"}).timer, 12);
    const Settings ignored = applyAll({"-SLIDE", "-noslide2", "-x", "--", "-"});
    EXPECT_TRUE(ignored.slide);
    EXPECT_EQ(ignored.timer, 5000);
}

TEST(CommandLine, NumbersOutsideTheirSettingsRangeAreClamped) {
    EXPECT_EQ(applyAll({"-t-5"}).timer, 0);
    EXPECT_EQ(applyAll({"-b999"}).opacity, 255);
    EXPECT_EQ(applyAll({"-z70000"}).zoom, largestZoom);
    EXPECT_EQ(applyAll({"-r-90"}).rotation, 0);
}

TEST(CommandLine, CentringAndRoamingSwitchEachOtherOff) {
    EXPECT_FALSE(applyAll({"-autocenter", "-roam"}).autocenter);
    EXPECT_TRUE(applyAll({"-autocenter", "-roam"}).roamwindow);
    const Settings centred = applyAll({"-roam", "-autocenter"});
    EXPECT_TRUE(centred.autocenter);
    EXPECT_FALSE(centred.roamwindow);
    EXPECT_TRUE(applyAll({"-roam", "-noautocenter", "-noroam"}).autocenter == false);
}

TEST(CommandLine, APathNamesTheRootFolderOrAPictureAndItsFolder) {
    TempDir dir;
    const std::string picture = dir.file("caf\xe9 \xff.jpg");  // a name that is not UTF-8
    writeFile(picture, "x");
    std::filesystem::create_directory(dir.file("sub"));

    Settings s;
    std::string current;
    applyPathArgument(s, current, dir.file("sub") + "/  ");
    EXPECT_EQ(s.folder, dir.file("sub"));
    EXPECT_EQ(current, "");

    applyPathArgument(s, current, picture + " ");
    EXPECT_EQ(s.folder, dir.path());
    EXPECT_EQ(current, picture);

    current.clear();
    applyPathArgument(s, current, dir.file("sub/../missing"));
    EXPECT_EQ(s.folder, dir.file("missing"));
    EXPECT_EQ(current, "");

    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    applyPathArgument(s, current, "sub");
    std::filesystem::current_path(here);
    EXPECT_EQ(s.folder, dir.file("sub"));
}
