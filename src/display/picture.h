#pragma once
#include "config/setting_values.h"
#include "platform/file_ops.h"
#include "platform/rect.h"

#include <QImage>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The displayed size of a w x h picture in a W x H frame: zoom > 0 scales by zoom percent;
// zoom 0 (or below) fits by fit, stretch first, then squeeze or shrink. Every step truncates
// toward zero.
QSize fitPictureSize(int32_t w, int32_t h, int32_t frameWidth, int32_t frameHeight, int32_t zoom, Fit fit);

// The largest size a w x h picture is fitted to in a W x H frame, also when turned a quarter
// (mayTurn), keeping its proportions: what a decoder needs to produce.
QSize largestFittedSize(int32_t w, int32_t h, int32_t frameWidth, int32_t frameHeight, int32_t zoom, Fit fit,
                        bool mayTurn);

// The size a copy of a picture shown at shown keeps: shown itself, unless it has more pixels than
// both the picture's own size and the screen, then as large as the larger of the two allows with
// shown's proportions. An enlarged copy adds no detail; the screen is what a user sees of it.
QSize boundedCopySize(QSize shown, QSize own, QSize screen);

// Where a w x h picture goes in a W x H frame by layout; roaming takes two rand() draws, x
// first, and a number outside the anchors is top left. Negative positions become 0.
QPoint placeInFrame(Anchor layout, int32_t frameWidth, int32_t frameHeight, int32_t w, int32_t h);

// How a picture is turned: 90, 180 or 270 degrees clockwise, or mirrored left to right.
enum class Turn { Right = 1, Half = 2, Left = 3, Flip = 4 };

// The reader of an animation's later frames, over the file's bytes.
struct PictureAnimation;

// A file decoded and not yet shown: what decodePicture makes on any thread and Picture::adopt
// takes on the window thread.
struct DecodedPicture {
    std::string path;
    QImage image;       // null when the file did not decode
    QSize own;          // the picture's own size, upright when asked
    QSize refusedSize;  // the size claimed by a file refused for the memory limit
    int bitsPerPixel = 0;
    bool vector = false;
    bool unfinished = false;                      // did not decode while its writer was still at work
    std::shared_ptr<PictureAnimation> animation;  // with animate, for a file of several frames
    bool loaded() const { return !image.isNull(); }
};

class Decoder;

// The decoded picture on show, with the size and position it was last laid out at.
class Picture {
public:
    Picture();
    ~Picture();
    enum Format { Bmp = 0, Jpeg = 1 };
    enum Status { Ok = 0, NoImage = 1, SaveFailed = 7 };

    // The largest size, in pixels, a picture of its own size w x h will be drawn at.
    using ShownSize = std::function<QSize(int32_t w, int32_t h)>;

    // The most memory one decoded picture may take, at 4 bytes a pixel: 1 GiB, 268 megapixels.
    // A picture whose header claims more is refused before it is decoded.
    static constexpr int64_t memoryLimit = int64_t(1) << 30;
    static int64_t bytesFor(QSize size) {
        // Two sides claimed near 2^31 each: their product fits, at four bytes a pixel it would not.
        const int64_t pixels = int64_t(size.width()) * size.height();
        return pixels > INT64_MAX / 4 ? INT64_MAX : pixels * 4;
    }

    // Decodes the regular file (a path of any bytes); a picture that fails or has a zero side
    // leaves no image. With upright set, a picture whose file records an orientation (a turned
    // phone photo) is loaded as it stands, and its own size is the upright one. A picture that
    // will be drawn smaller than its own size is kept at shownSize's answer (a JPEG is decoded
    // straight at it, at a fraction of the cost of a full decode); drawing it larger later
    // decodes the file again in full. A drawing (SVG) is rendered at shownSize's answer and
    // again whenever it is drawn larger.
    void load(const std::string& path, const ShownSize& shownSize = {});
    // Takes a picture decodePicture made (with this picture's upright and animate); one that did
    // not decode leaves no image.
    void adopt(DecodedPicture decoded);
    void loadBitmap(const QImage& bitmap);
    void release();
    bool isLoaded() const { return !image_.isNull(); }
    // The picture's own size (as turned), 0 x 0 without one.
    int32_t imageWidth() const { return own_.width(); }
    int32_t imageHeight() const { return own_.height(); }
    // The size it is decoded at: its own size unless decoded smaller.
    QSize decodedSize() const { return image_.size(); }
    // Turns or mirrors the picture; a value outside the named ones does nothing.
    void rotateFlip(Turn turn);
    // The size the picture is shown at in frame (0 x 0 without a picture).
    QSize fitSize(const Rect& frame, int32_t zoom, Fit fit) const;
    // Fits, places and draws the picture into target; answers the zoom in percent it is shown
    // at (0 without a picture).
    int32_t placeAndDraw(const Rect& frame, QImage& target, int32_t zoom, Fit fit, Anchor layout);
    // Draws the picture scaled to w x h with its top left corner at (left, top) of target. Only
    // the part that falls on target is scaled, so the cost and the memory follow target's size
    // however large w x h is. quick scales bilinearly whatever the interpolation.
    void drawScaled(QImage& target, int32_t w, int32_t h, int32_t left = 0, int32_t top = 0, bool quick = false);
    // Where a picture decoded smaller than it is drawn gets its detail. Without a decoder,
    // drawing decodes the file again at once; with one, drawing goes on with the smaller picture
    // scaled up and asks the decoder, whose picture adoptDetail takes. The decoder outlives it.
    void setDetailDecoder(Decoder* decoder) { detailDecoder_ = decoder; }
    void adoptDetail(DecodedPicture detail);
    // Decodes at once what a w x h copy of the picture needs, the decoder or not.
    void completeDetail(int32_t w, int32_t h);
    // An animation (GIF, WebP) loaded with animate set: its frames follow one another.
    bool isAnimated() const { return animation_ != nullptr; }
    // How long the frame on show stays, in milliseconds; 0 when the picture is still.
    int frameDelay() const;
    // Shows the next frame, the first again after the last; false when it cannot be decoded
    // (the frame on show stays).
    bool nextFrame();

    // Writes the picture scaled to w x h (always at the best quality) as BMP or JPEG, as a whole
    // file put in place complete: on failure a file already there is as it was.
    Status save(const std::string& path, Format format, int32_t w, int32_t h, Existing existing = Existing::Replace);
    // The colour depth of the file's own pixels: 1, 4, 8, 16, 24, 32, 48, 64, or 0 when unknown.
    int bitsPerPixel() const { return bitsPerPixel_; }

    int32_t width = 0;  // as last laid out
    int32_t height = 0;
    int32_t x = 0;  // in its frame, as last laid out
    int32_t y = 0;
    ZoomQuality interpolation = ZoomQuality::Bilinear;  // the zoomquality setting
    bool upright = true;                                // the autorotate setting: pictures stand as their files say
    bool animate = true;                                // the animate setting: animations keep their later frames

private:
    // Decodes the file again in full when a w x h drawing needs more than was decoded: at once,
    // or on the detail decoder unless now is set.
    void ensureDetail(int32_t w, int32_t h, bool now);
    QImage image_;
    QSize own_;
    int bitsPerPixel_ = 0;
    std::string path_;                             // where a picture decoded smaller can be decoded again
    bool vector_ = false;                          // a drawing: rendered at the size it is drawn at
    bool reduced_ = false;                         // decoded at another size than its own: smaller, or a drawing at any
    std::vector<Turn> turns_;                      // the turns applied since loading, in order
    std::shared_ptr<PictureAnimation> animation_;  // the reader of the later frames
    Decoder* detailDecoder_ = nullptr;
    QSize detailAsked_;  // asked of the detail decoder last: under way, or failed and not asked again
};

// What Picture::load does before it takes the picture, callable on any thread: the file at path
// decoded at shownSize's answer, upright when asked, with its animation when animate is set. Once
// cancelled is set, a decode still reading the file stops at its next read and leaves no image.
DecodedPicture decodePicture(const std::string& path, const Picture::ShownSize& shownSize, bool upright, bool animate,
                             const std::atomic<bool>* cancelled = nullptr);
