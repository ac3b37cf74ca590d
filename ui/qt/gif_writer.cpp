#include "ui/qt/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

int writeOut(GifFileType* file, const GifByteType* bytes, int length) {
    auto* out = static_cast<QSaveFile*>(file->UserData);
    return static_cast<int>(out->write(reinterpret_cast<const char*>(bytes), length));
}

using Channel = std::vector<GifByteType>;

// A frame of at most 256 colours keeps them exactly: the window's plain faces and lines.
bool exactPalette(const Channel& red, const Channel& green, const Channel& blue, Channel& indices,
                  std::array<GifColorType, 256>& colours) {
    std::unordered_map<std::uint32_t, GifByteType> index;
    std::uint32_t last = 0xffffffff;  // no colour: runs of one colour are looked up once
    GifByteType lastIndex = 0;
    for (std::size_t i = 0; i < red.size(); ++i) {
        const std::uint32_t rgb =
            std::uint32_t(red[i]) << 16 | std::uint32_t(green[i]) << 8 | blue[i];
        if (rgb == last) {
            indices[i] = lastIndex;
            continue;
        }
        auto found = index.find(rgb);
        if (found == index.end()) {
            if (index.size() == colours.size())
                return false;
            const auto next = static_cast<GifByteType>(index.size());
            colours[next] = {red[i], green[i], blue[i]};
            found = index.emplace(rgb, next).first;
        }
        indices[i] = found->second;
        last = rgb;
        lastIndex = found->second;
    }
    return true;
}

// giflib's median cut works on 5 bits a channel, which tints even the largest face; each entry
// becomes the mean of the pixels given it, so the window's background comes out as it is.
void refinePalette(const Channel& red, const Channel& green, const Channel& blue,
                   const Channel& indices, std::array<GifColorType, 256>& colours) {
    std::array<std::array<double, 4>, 256> sums{};
    for (std::size_t i = 0; i < red.size(); ++i) {
        auto& sum = sums[indices[i]];
        sum[0] += red[i];
        sum[1] += green[i];
        sum[2] += blue[i];
        sum[3] += 1;
    }
    for (std::size_t c = 0; c < colours.size(); ++c) {
        const auto& sum = sums[c];
        if (sum[3] > 0) {
            colours[c] = {static_cast<GifByteType>(std::lround(sum[0] / sum[3])),
                          static_cast<GifByteType>(std::lround(sum[1] / sum[3])),
                          static_cast<GifByteType>(std::lround(sum[2] / sum[3]))};
        }
    }
}

// The smallest rectangle holding every pixel of `frame` that differs from `before`: the whole frame
// at first, one pixel (which a frame needs to show its time) where nothing changed.
QRect changedSince(const QImage& before, const QImage& frame) {
    if (before.size() != frame.size())
        return frame.rect();
    const std::size_t bytes = 3 * std::size_t(frame.width());
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < frame.height(); ++y) {
        if (std::memcmp(before.constScanLine(y), frame.constScanLine(y), bytes) != 0) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    }
    if (top < 0)
        return {0, 0, 1, 1};
    int left = frame.width();
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const uchar* a = before.constScanLine(y);
        const uchar* b = frame.constScanLine(y);
        for (int x = 0; x < frame.width(); ++x) {
            if (a[3 * x] != b[3 * x] || a[3 * x + 1] != b[3 * x + 1] ||
                a[3 * x + 2] != b[3 * x + 2]) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

GifWriter::~GifWriter() {
    if (file_ != nullptr) {
        int ignored = 0;
        EGifCloseFile(file_, &ignored);  // the save file is dropped uncommitted
    }
}

bool GifWriter::fail(const QString& what) {
    if (error_.isEmpty())
        error_ = what;
    return false;
}

bool GifWriter::open(const QString& path, QSize size, int delayMs) {
    int status = 0;
    size_ = size;
    delayCentiseconds_ = std::max(1, (delayMs + 5) / 10);
    out_ = std::make_unique<QSaveFile>(path);
    if (!out_->open(QIODevice::WriteOnly))
        return fail(out_->errorString());
    file_ = EGifOpen(out_.get(), writeOut, &status);
    if (file_ == nullptr)
        return fail(GifErrorString(status));
    EGifSetGifVersion(file_, true);  // GIF89a: delays and the loop
    if (EGifPutScreenDesc(file_, size.width(), size.height(), 8, 0, nullptr) == GIF_ERROR)
        return fail(GifErrorString(file_->Error));
    // The application extension that makes browsers and slide programs loop it for ever.
    const char netscape[] = "NETSCAPE2.0";
    const unsigned char loopForever[] = {1, 0, 0};
    if (EGifPutExtensionLeader(file_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(file_, 11, netscape) == GIF_ERROR ||
        EGifPutExtensionBlock(file_, 3, loopForever) == GIF_ERROR ||
        EGifPutExtensionTrailer(file_) == GIF_ERROR) {
        return fail(GifErrorString(file_->Error));
    }
    return true;
}

bool GifWriter::add(const QImage& picture) {
    if (file_ == nullptr)
        return fail("not open");
    const QImage frame = (picture.size() == size_ ? picture : picture.scaled(size_))
                             .convertToFormat(QImage::Format_RGB888);
    // After the first frame only the rectangle that changed is written: the frames before stay
    // under it (DISPOSE_DO_NOT), as the window's still parts stay from frame to frame.
    const QRect changed = changedSince(previous_, frame);
    previous_ = frame;
    const int left = changed.left();
    const int top = changed.top();
    const int width = changed.width();
    const int height = changed.height();
    const std::size_t pixels = std::size_t(width) * std::size_t(height);
    std::vector<GifByteType> red(pixels), green(pixels), blue(pixels), indices(pixels);
    for (int y = 0; y < height; ++y) {
        const uchar* line = frame.constScanLine(top + y) + 3 * left;
        for (int x = 0; x < width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(width) + std::size_t(x);
            red[i] = line[3 * x];
            green[i] = line[3 * x + 1];
            blue[i] = line[3 * x + 2];
        }
    }
    std::array<GifColorType, 256> colours{};
    if (!exactPalette(red, green, blue, indices, colours)) {
        int colourCount = 256;
        if (GifQuantizeBuffer(unsigned(width), unsigned(height), &colourCount, red.data(),
                              green.data(), blue.data(), indices.data(),
                              colours.data()) == GIF_ERROR) {
            return fail("the frame's colours could not be reduced");
        }
        refinePalette(red, green, blue, indices, colours);
    }
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    if (map == nullptr)
        return fail("out of memory");
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delayCentiseconds_;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    bool written =
        EGifPutExtension(file_, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_ERROR &&
        EGifPutImageDesc(file_, left, top, width, height, false, map) != GIF_ERROR;
    GifFreeMapObject(map);
    for (int y = 0; written && y < height; ++y) {
        written = EGifPutLine(file_, indices.data() + std::size_t(y) * std::size_t(width), width) !=
                  GIF_ERROR;
    }
    if (!written)
        return fail(GifErrorString(file_->Error));
    ++frames_;
    return true;
}

bool GifWriter::close() {
    if (file_ == nullptr)
        return fail("not open");
    int status = 0;
    const bool closed = EGifCloseFile(file_, &status) != GIF_ERROR;
    file_ = nullptr;
    if (!closed || !error_.isEmpty() || frames_ == 0)
        return fail(closed ? QString("no frame was written") : GifErrorString(status));
    return out_->commit() || fail(out_->errorString());
}
