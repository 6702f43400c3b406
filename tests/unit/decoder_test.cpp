#include "display/decoder.h"
#include "pictures.h"
#include "temp_dir.h"
#include "wait.h"

#include <future>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The decoder hands its pictures over through the event loop of the thread that made it.
class DecoderTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "decoder_test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication application(argc, argv);
    }

    struct Delivery {
        DecodedPicture picture;
        bool timedOut;
    };
    Decoder::Delivered collect() {
        return [this](DecodedPicture picture, bool timedOut) { delivered.push_back({std::move(picture), timedOut}); };
    }

    // A decode of the file; one given a gate waits for it to open before it reads the file.
    static Decoder::Work decodeOf(const std::string& path, const Picture::ShownSize& shown = {},
                                  std::shared_future<void> gate = {}) {
        return [path, shown, gate](const std::atomic<bool>& cancelled) {
            if (gate.valid()) gate.wait();
            return decodePicture(path, shown, true, true, &cancelled);
        };
    }

    std::string savedPicture(const char* name, int w, int h) {
        EXPECT_TRUE(saveHalves(dir.file(name), w, h));
        return dir.file(name);
    }
    // Waits for the decoder's threads to end, then for anything they posted.
    static void waitForThreads(const Decoder& decoder) {
        ASSERT_TRUE(waitUntil([&decoder] { return decoder.threads() == 0; }));
        QCoreApplication::processEvents();
    }

    TempDir dir;
    std::vector<Delivery> delivered;
};

}  // namespace

TEST_F(DecoderTest, APictureDecodedOnTheWorkerIsTheOneLoadedOnTheWindowThread) {
    const std::string jpeg = savedPicture("photo.jpg", 1600, 1200);
    const std::string animation = VIMBLE_SAMPLES "/formats/ball.gif";
    const Picture::ShownSize quarter = [](int32_t w, int32_t h) { return QSize(w / 4, h / 4); };
    Decoder decoder(collect());
    for (const std::string& path : {jpeg, animation}) {
        // Frames of another size than the first's do not play: the animation is shown whole.
        const Picture::ShownSize shown = path == animation ? Picture::ShownSize() : quarter;
        delivered.clear();
        decoder.decode(decodeOf(path, shown));
        ASSERT_TRUE(waitUntil([this] { return !delivered.empty(); })) << path;
        ASSERT_EQ(delivered.size(), 1u);
        EXPECT_FALSE(delivered[0].timedOut);
        Picture onWorker, onWindow;
        onWorker.adopt(std::move(delivered[0].picture));
        onWindow.load(path, shown);
        ASSERT_TRUE(onWorker.isLoaded()) << path;
        EXPECT_EQ(onWorker.decodedSize(), onWindow.decodedSize()) << path;
        EXPECT_EQ(QSize(onWorker.imageWidth(), onWorker.imageHeight()),
                  QSize(onWindow.imageWidth(), onWindow.imageHeight()))
            << path;
        EXPECT_EQ(onWorker.bitsPerPixel(), onWindow.bitsPerPixel()) << path;
        EXPECT_EQ(onWorker.isAnimated(), onWindow.isAnimated()) << path;
        const QSize size = onWindow.decodedSize();
        QImage fromWorker(size, QImage::Format_RGB32), fromWindow(size, QImage::Format_RGB32);
        // The frames read on the window thread from a reader the worker made follow as well.
        for (int frame = 0; frame < 3; ++frame) {
            onWorker.drawScaled(fromWorker, size.width(), size.height());
            onWindow.drawScaled(fromWindow, size.width(), size.height());
            EXPECT_EQ(fromWorker, fromWindow) << path << " frame " << frame;
            if (!onWindow.isAnimated()) break;
            EXPECT_TRUE(onWorker.nextFrame());
            EXPECT_TRUE(onWindow.nextFrame());
        }
    }
    EXPECT_TRUE(waitUntil([&decoder] { return decoder.threads() == 0; }));
}

TEST_F(DecoderTest, OnlyThePictureAskedForLastIsDelivered) {
    const std::string large = savedPicture("large.png", 2400, 1600);
    const std::string small = savedPicture("small.png", 30, 20);
    Decoder decoder(collect());
    // Superseded while it runs, and while it waits for a thread.
    decoder.decode(decodeOf(large));
    decoder.decode(decodeOf(large));
    decoder.decode(decodeOf(small));
    EXPECT_TRUE(decoder.pending());
    ASSERT_TRUE(waitUntil([&decoder] { return !decoder.pending() && decoder.threads() == 0; }));
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].picture.path, small);
    EXPECT_EQ(delivered[0].picture.own, QSize(30, 20));

    // Forgotten: nothing comes.
    delivered.clear();
    decoder.decode(decodeOf(small));
    decoder.forget();
    EXPECT_FALSE(decoder.pending());
    waitForThreads(decoder);
    EXPECT_TRUE(delivered.empty());
}

TEST_F(DecoderTest, ADecodeThatOverrunsFailsAndAtMostOneRunawayIsLeftRunning) {
    const std::string first = savedPicture("first.png", 300, 200);
    const std::string second = savedPicture("second.png", 200, 300);
    std::promise<void> open;
    const std::shared_future<void> gate = open.get_future().share();
    Decoder decoder(collect(), 1);

    decoder.decode(decodeOf(first, {}, gate));
    ASSERT_TRUE(waitUntil([this] { return delivered.size() == 1; }));
    EXPECT_TRUE(delivered[0].timedOut);
    EXPECT_FALSE(delivered[0].picture.loaded());
    EXPECT_EQ(decoder.threads(), 1);  // the runaway
    EXPECT_FALSE(decoder.pending());

    // A second overrun while the first still runs: reported, and it keeps its thread.
    decoder.decode(decodeOf(second, {}, gate));
    ASSERT_TRUE(waitUntil([this] { return delivered.size() == 2; }));
    EXPECT_TRUE(delivered[1].timedOut);
    EXPECT_EQ(decoder.threads(), 2);

    // The next one waits for a thread, however long, and cannot overrun while it waits.
    decoder.decode(decodeOf(first));
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(delivered.size(), 2u);
    EXPECT_TRUE(decoder.pending());
    EXPECT_EQ(decoder.threads(), 2);

    open.set_value();
    ASSERT_TRUE(waitUntil([&] { return delivered.size() == 3 && decoder.threads() == 0; }));
    EXPECT_FALSE(decoder.pending());
    // Either loaded or overrun in its turn: never the overrun ones' pictures.
    EXPECT_TRUE(delivered[2].timedOut || delivered[2].picture.path == first);
}

TEST_F(DecoderTest, APictureDrawnLargerThanDecodedIsScaledUpUntilItsDetailComes) {
    const std::string path = dir.file("photo.jpg");
    ASSERT_TRUE(saveHalves(path, 1600, 1200, 95));
    const Picture::ShownSize quarter = [](int32_t w, int32_t h) { return QSize(w / 4, h / 4); };

    Picture picture;
    int details = 0;
    Decoder decoder([&](DecodedPicture detail, bool) {
        ++details;
        picture.adoptDetail(std::move(detail));
    });
    picture.setDetailDecoder(&decoder);
    picture.load(path, quarter);
    ASSERT_EQ(picture.decodedSize(), QSize(400, 300));
    picture.rotateFlip(Turn::Right);
    QImage canvas(600, 800, QImage::Format_RGB32);
    picture.drawScaled(canvas, 600, 800);
    picture.drawScaled(canvas, 600, 800);               // asked once: the decode is under way
    EXPECT_EQ(picture.decodedSize(), QSize(300, 400));  // drawn from what there is meanwhile
    EXPECT_GT(qBlue(canvas.pixel(300, 100)), 150);
    EXPECT_TRUE(decoder.pending());
    ASSERT_TRUE(waitUntil([&] { return details == 1 && decoder.threads() == 0; }));
    // Turned as the picture on show was when it came.
    EXPECT_EQ(picture.decodedSize(), QSize(1200, 1600));
    canvas.fill(Qt::black);
    picture.drawScaled(canvas, 600, 800);
    EXPECT_GT(qBlue(canvas.pixel(300, 100)), 150);  // turned right: the blue left half is on top
    EXPECT_LT(qBlue(canvas.pixel(300, 700)), 100);
    EXPECT_FALSE(decoder.pending());
    // A copy cannot wait: its detail is decoded at once.
    picture.load(path, quarter);
    picture.completeDetail(800, 600);
    EXPECT_EQ(picture.decodedSize(), QSize(1600, 1200));
}

TEST_F(DecoderTest, PicturesDecodedAheadYieldToTheOneToShowOrBecomeIt) {
    const std::string a = savedPicture("a.png", 30, 20);
    const std::string b = savedPicture("b.png", 20, 30);
    const std::string c = savedPicture("c.png", 40, 10);
    using Keyed = std::vector<std::pair<std::string, std::string>>;  // key, path
    Keyed ahead;
    std::promise<void> held;
    Decoder decoder(collect(), Decoder::defaultTimeout, [&ahead](const std::string& key, DecodedPicture picture) {
        ahead.emplace_back(key, picture.path);
    });
    // Decodes a and b ahead, a held until held is set.
    const auto aheadHeld = [&] {
        ahead.clear();
        delivered.clear();
        held = std::promise<void>();
        decoder.decodeAhead({{"a", decodeOf(a, {}, held.get_future().share())}, {"b", decodeOf(b)}});
    };

    // In order, while nothing is asked for to show.
    decoder.decodeAhead({{"a", decodeOf(a)}, {"b", decodeOf(b)}});
    EXPECT_FALSE(decoder.pending());
    ASSERT_TRUE(waitUntil([&] { return ahead.size() == 2 && decoder.threads() == 0; }));
    EXPECT_EQ(ahead, (Keyed{{"a", a}, {"b", b}}));
    EXPECT_TRUE(delivered.empty());

    // The picture to show is the one being decoded ahead: that decode is delivered to show.
    aheadHeld();
    decoder.decode(decodeOf(c), "a");
    EXPECT_TRUE(decoder.pending());
    held.set_value();
    ASSERT_TRUE(waitUntil([&] { return delivered.size() == 1 && ahead.size() == 1 && decoder.threads() == 0; }));
    EXPECT_EQ(delivered[0].picture.path, a);
    EXPECT_EQ(ahead, (Keyed{{"b", b}}));

    // Another picture to show: what is decoded ahead is dropped and waits no longer; the one not
    // started goes on after it.
    aheadHeld();
    decoder.decode(decodeOf(c), "c");
    held.set_value();
    ASSERT_TRUE(waitUntil([&] { return delivered.size() == 1 && ahead.size() == 1 && decoder.threads() == 0; }));
    EXPECT_EQ(delivered[0].picture.path, c);
    EXPECT_EQ(ahead, (Keyed{{"b", b}}));

    // Asked for anew: the one still wanted goes on, the others are dropped.
    aheadHeld();
    decoder.decodeAhead({{"c", decodeOf(c)}, {"a", decodeOf(a)}});
    held.set_value();
    ASSERT_TRUE(waitUntil([&] { return ahead.size() == 2 && decoder.threads() == 0; }));
    EXPECT_EQ(ahead, (Keyed{{"a", a}, {"c", c}}));
    decoder.forgetAhead();
    decoder.decodeAhead({{"b", decodeOf(b)}});
    decoder.forgetAhead();
    waitForThreads(decoder);
    EXPECT_EQ(ahead.size(), 2u);
}

TEST_F(DecoderTest, TwoThreadsDecodeAheadTogetherAndThePictureToShowTakesOne) {
    const std::string a = savedPicture("a.png", 30, 20), b = savedPicture("b.png", 20, 30);
    const std::string c = savedPicture("c.png", 40, 10), d = savedPicture("d.png", 10, 40);
    std::vector<std::string> ahead;  // keys
    std::promise<void> open;
    const std::shared_future<void> gate = open.get_future().share();
    Decoder decoder(
        collect(), Decoder::defaultTimeout, [&ahead](const std::string& key, DecodedPicture) { ahead.push_back(key); },
        2);

    decoder.decodeAhead({{"a", decodeOf(a, {}, gate)}, {"b", decodeOf(b, {}, gate)}});
    EXPECT_EQ(decoder.threads(), 2);  // both at once
    // Asked for anew: the one still wanted goes on, the one no longer wanted is dropped, and the
    // new one waits for a thread.
    decoder.decodeAhead({{"b", decodeOf(b)}, {"c", decodeOf(c)}});
    EXPECT_EQ(decoder.threads(), 2);
    // The picture to show, no thread free: the one decoding ahead gives its thread up.
    decoder.decode(decodeOf(d), "d");
    EXPECT_TRUE(decoder.pending());
    open.set_value();
    ASSERT_TRUE(waitUntil([&] { return delivered.size() == 1 && ahead.size() == 1 && decoder.threads() == 0; }));
    EXPECT_EQ(delivered[0].picture.path, d);
    EXPECT_EQ(ahead, std::vector<std::string>{"c"});
}
