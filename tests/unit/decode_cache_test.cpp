#include "display/decode_cache.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
// A decoded w x h picture at 32 bits a pixel, named by path.
DecodedPicture decoded(const std::string& path, int w, int h) {
    DecodedPicture picture;
    picture.path = path;
    picture.image = QImage(w, h, QImage::Format_RGB32);
    picture.own = QSize(w, h);
    return picture;
}
}  // namespace

TEST(DecodeCache, KeepsTheNewestWithinItsCountAndBytesAndGivesEachOnce) {
    DecodeCache cache(3, 4 * 100 * 100 * 5 / 2);  // two and a half 100 x 100 pictures
    cache.put("a", decoded("a", 100, 100));
    cache.put("b", decoded("b", 100, 100));
    cache.put("c", decoded("c", 100, 100));  // over the bytes: the oldest goes
    EXPECT_FALSE(cache.holds("a"));
    EXPECT_TRUE(cache.holds("b") && cache.holds("c"));
    EXPECT_EQ(cache.bytes(), 2 * 4 * 100 * 100);

    cache.put("d", decoded("d", 10, 10));
    cache.put("e", decoded("e", 10, 10));  // over the count: the oldest goes
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_FALSE(cache.holds("b"));

    cache.put("big", decoded("big", 200, 200));  // more than the bound alone: not kept
    cache.put("broken", DecodedPicture{});       // nothing decoded: not kept
    EXPECT_FALSE(cache.holds("big") || cache.holds("broken"));
    EXPECT_EQ(cache.size(), 3u);

    const std::optional<DecodedPicture> taken = cache.take("c");
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->path, "c");
    EXPECT_EQ(taken->image.size(), QSize(100, 100));
    EXPECT_FALSE(cache.take("c"));  // once

    // The same key again replaces the picture kept under it.
    cache.put("d", decoded("d", 20, 20));
    EXPECT_EQ(cache.size(), 2u);
    EXPECT_EQ(cache.take("d")->image.size(), QSize(20, 20));

    cache.put("f", decoded("f", 100, 100));
    cache.setMostBytes(4 * 100 * 100);  // a smaller screen: the oldest go until it fits
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_TRUE(cache.holds("f"));
    cache.setMostBytes(1 << 20);
    cache.put("g", decoded("g", 10, 10));
    cache.keepOnly({"g", "h"});  // the pictures wanted next: the others go
    EXPECT_TRUE(cache.holds("g") && !cache.holds("f"));
    cache.clear();
    EXPECT_EQ(cache.size(), 0u);
    EXPECT_EQ(cache.bytes(), 0);
}
