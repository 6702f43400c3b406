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

TEST(CommandLine, TheLaterSwitchWinsAndRulesBetweenSwitchesHold) {
    EXPECT_TRUE(applyAll({"-noslide", "-slide"}).slide);
    EXPECT_EQ(applyAll({"-sortrandom", "-sortreverse"}).sort, SortOrder::Reverse);
    // A fit mode and a locked zoom exclude each other; a fit mode switched off keeps the zoom.
    const Settings zoomThenFit = applyAll({"-z150", "-squeeze"});
    EXPECT_TRUE(zoomThenFit.zoom == 0 && zoomThenFit.squeeze);
    const Settings fitThenZoom = applyAll({"-squeeze", "-z150"});
    EXPECT_EQ(fitThenZoom.zoom, 150);
    EXPECT_FALSE(fitThenZoom.squeeze || fitThenZoom.shrink || fitThenZoom.stretch);
    EXPECT_EQ(applyAll({"-z150", "-noshrink"}).zoom, 150);
    // Centring and roaming switch each other off.
    const Settings roaming = applyAll({"-autocenter", "-roam"});
    EXPECT_TRUE(!roaming.autocenter && roaming.roamwindow);
    const Settings centred = applyAll({"-roam", "-autocenter"});
    EXPECT_TRUE(centred.autocenter && !centred.roamwindow);
}

TEST(CommandLine, NamedSwitchesBeatNumericOnesNumbersAreClampedAndOthersIgnored) {
    EXPECT_TRUE(applyAll({"-tif"}).tif);
    EXPECT_EQ(applyAll({"-tif"}).timer, 5000);
    const Settings numbers = applyAll({"-t3000", "-b200", "-r90", "-t"});
    EXPECT_EQ(numbers.timer, 3000);  // "-t" alone is too short to be numeric
    EXPECT_EQ(numbers.opacity, 200);
    EXPECT_EQ(numbers.rotation, 90);
    EXPECT_EQ(applyAll({"-tx"}).timer, 0);  // no digits: 0
    EXPECT_EQ(applyAll({"-b999"}).opacity, 255);
    EXPECT_EQ(applyAll({"-z70000"}).zoom, largestZoom);
    const Settings ignored = applyAll({"-SLIDE", "-noslide2", "-x", "--", "-"});
    EXPECT_TRUE(ignored.slide);
    EXPECT_EQ(ignored.timer, 5000);
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
