#include "shell/blackbox.h"
#include "shell/wallpaper_store.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

TEST(WallpaperStore, TheProgramsFileReplacesTheUsersOnceAndClearRestoreGoBack) {
    TempDir dir;
    const std::string store = dir.file("wallpaper.ini");
    WallpaperStore s = WallpaperStore::load(store);  // missing: empty values
    s.wallpaper = "/home/u/beach.jpg";
    s.tile = "1";
    s.setStyle("/v/vimpaper.bmp", 1);
    EXPECT_EQ(s.previousWallpaper, "/home/u/beach.jpg");
    EXPECT_EQ(s.previousTile, "1");
    EXPECT_EQ(s.wallpaper, "/v/vimpaper.bmp");
    EXPECT_EQ(s.tile + s.style, "00");
    s.setStyle("/v/vimpaper.bmp", 2);  // already ours: the backup stays
    EXPECT_EQ(s.previousWallpaper, "/home/u/beach.jpg");
    EXPECT_EQ(s.tile + s.style, "10");
    s.setStyle("/v/vimpaper.bmp", 3);
    EXPECT_EQ(s.tile + s.style, "02");
    ASSERT_TRUE(s.save(store));

    WallpaperStore again = WallpaperStore::load(store);
    EXPECT_EQ(again.wallpaper, "/v/vimpaper.bmp");
    EXPECT_EQ(again.previousWallpaper, "/home/u/beach.jpg");
    EXPECT_TRUE(again.clear());
    EXPECT_EQ(again.wallpaper, "");
    EXPECT_EQ(again.previousWallpaper, "/v/vimpaper.bmp");  // what was shown before Clear
    EXPECT_FALSE(again.clear());
    EXPECT_TRUE(again.restore());
    EXPECT_EQ(again.wallpaper, "/v/vimpaper.bmp");
    EXPECT_EQ(again.style, "2");  // the style is not part of the backup
}
