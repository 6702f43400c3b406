#include "app_fixture.h"

#include "shell/shell_link.h"

using Filing = AppFixture;

TEST_F(Filing, ShortcutsAndCopiesGoToFavoritesAndTheDesktopUnderFreeNames) {
    AppState& app = startWithPictures({"a.png"});
    showIndex(app, 0);
    std::filesystem::create_directories(home.file("fav"));
    std::filesystem::create_directories(home.file("desk"));
    app.settings.favorites = home.file("fav");
    app.fileCommands.setDesktopFolder(home.file("desk"));
    for (int i = 0; i < 3; ++i) command(Command::SendShortcut);
    for (const char* name : {"a.png.lnk", "a.png-01.lnk", "a.png-02.lnk"}) {
        LinkTarget target;
        EXPECT_TRUE(ShellLink().readShortcut(home.file("fav/") + name, target, false)) << name;
        EXPECT_EQ(target.path, home.file("a.png"));
    }
    command(Command::SendCopyToDesktop);
    command(Command::SendCopyToDesktop);
    EXPECT_EQ(readFile(home.file("desk/a-01.png")), readFile(home.file("a.png")));
    EXPECT_EQ(app.catalog.images().size(), 2u);  // copies elsewhere do not join the list

    command(Command::ViewFavorites);  // the favorites: shortcuts to pictures
    ASSERT_TRUE(waitUntil([&] { return !app.catalog.scanRunning(); }));
    EXPECT_EQ(app.catalog.images().size(), 3u);
    EXPECT_EQ(app.settings.folder, home.path());  // the root stays
    app.catalog.setIndex(0);
    app.settings.peek = false;     // the whole tree at once: the shortcut is in the target folder's list too
    command(Command::ViewTarget);  // the folder the shortcut points into, at the target
    EXPECT_EQ(app.catalog.currentPath(), home.file("a.png"));
    EXPECT_TRUE(std::any_of(app.catalog.images().begin(), app.catalog.images().end(),
                            [this](const ImageEntry& e) { return e.path == home.file("start.png"); }));
}

TEST_F(Filing, ArchivingMovesTheFileUnderAFreeNameAndLogsIt) {
    AppState& app = startWithPictures({"a.png"});
    showIndex(app, 0);
    std::filesystem::create_directories(home.file("archive"));
    writeFile(home.file("archive/a.png"), "older");
    app.settings.archive = home.file("archive");
    command(Command::Archive);
    EXPECT_TRUE(std::filesystem::exists(home.file("a.png")));  // archiving is off
    app.settings.archiving = true;
    command(Command::Archive);
    EXPECT_FALSE(std::filesystem::exists(home.file("a.png")));
    EXPECT_TRUE(std::filesystem::exists(home.file("archive/a-01.png")));
    EXPECT_EQ(readFile(app.fileCommands.archiveLog()), home.file("a.png") + " -> " + home.file("archive") + "\n");
    EXPECT_EQ(app.catalog.images().size(), 1u);
}
