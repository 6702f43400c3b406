#include "shell/wallpaper_store.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

TEST(WallpaperStore, TheUsersWallpaperIsKeptOnceAndClearAndRestoreGoBack) {
    TempDir dir;
    WallpaperStore s = WallpaperStore::load(dir.file("wallpaper.ini"));  // missing: empty values
    s.wallpaper = "/home/u/beach.jpg";
    s.setStyle("/v/vimpaper.bmp", 1);
    s.setStyle("/v/vimpaper.bmp", 3);  // already the program's: the backup stays
    ASSERT_TRUE(s.save(dir.file("wallpaper.ini")));
    WallpaperStore again = WallpaperStore::load(dir.file("wallpaper.ini"));
    EXPECT_EQ(again.wallpaper, "/v/vimpaper.bmp");
    EXPECT_EQ(again.previousWallpaper, "/home/u/beach.jpg");
    const std::string style = again.style;
    EXPECT_TRUE(again.clear());
    EXPECT_EQ(again.wallpaper, "");
    EXPECT_EQ(again.previousWallpaper, "/v/vimpaper.bmp");  // what was shown before Clear
    EXPECT_FALSE(again.clear());
    EXPECT_TRUE(again.restore());
    EXPECT_EQ(again.wallpaper, "/v/vimpaper.bmp");
    EXPECT_EQ(again.style, style);  // the style is not part of the backup
}
