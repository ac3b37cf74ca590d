#include <gif_lib.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/animation.h"
#include "app/lesson_layer.h"
#include "desktop/animation_recorder.h"
#include "ui/qt/picture_files.h"
#include "view_fixture.h"

namespace {

// A GIF as giflib reads it back: each frame's whole picture, its delay in hundredths of a second,
// and whether it asks to loop for ever.
struct DecodedGif {
    std::vector<QImage> frames;
    std::vector<int> delays;
    bool loopsForever = false;
};

DecodedGif decode(const QString& path) {
    DecodedGif gif;
    int status = 0;
    GifFileType* file = DGifOpenFileName(QFile::encodeName(path).constData(), &status);
    if (file == nullptr || DGifSlurp(file) == GIF_ERROR) {
        ADD_FAILURE() << "giflib cannot read " << path.toStdString();
        return gif;
    }
    // Each frame is drawn over the ones before, at its place: a frame may be a part of the picture.
    QImage frame(file->SWidth, file->SHeight, QImage::Format_RGB32);
    frame.fill(Qt::black);
    for (int i = 0; i < file->ImageCount; ++i) {
        const SavedImage& saved = file->SavedImages[i];
        const GifImageDesc& place = saved.ImageDesc;
        const ColorMapObject* map = place.ColorMap != nullptr ? place.ColorMap : file->SColorMap;
        for (int y = 0; y < place.Height; ++y) {
            for (int x = 0; x < place.Width; ++x) {
                const GifColorType c = map->Colors[saved.RasterBits[y * place.Width + x]];
                frame.setPixel(place.Left + x, place.Top + y, qRgb(c.Red, c.Green, c.Blue));
            }
        }
        gif.frames.push_back(frame);
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(file, i, &control);
        gif.delays.push_back(control.DelayTime);
        for (int e = 0; e < saved.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = saved.ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                std::string(reinterpret_cast<char*>(block.Bytes), 11) == "NETSCAPE2.0" &&
                e + 1 < saved.ExtensionBlockCount) {
                const ExtensionBlock& loop = saved.ExtensionBlocks[e + 1];
                gif.loopsForever = loop.ByteCount == 3 && loop.Bytes[0] == 1 &&
                                   loop.Bytes[1] == 0 && loop.Bytes[2] == 0;
            }
        }
    }
    DGifCloseFile(file, &status);
    return gif;
}

// The largest difference of a colour channel between two pictures of one size, and the mean.
struct Difference {
    int largest = 0;
    double mean = 0;
};
Difference difference(const QImage& a, const QImage& b) {
    Difference d;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(x.size(), y.size());
    double sum = 0;
    for (int row = 0; row < std::min(x.height(), y.height()); ++row) {
        for (int col = 0; col < std::min(x.width(), y.width()); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            for (const int channel : {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                      std::abs(qBlue(p) - qBlue(q))}) {
                d.largest = std::max(d.largest, channel);
                sum += channel;
            }
        }
    }
    d.mean = sum / (3.0 * x.width() * x.height());
    return d;
}

class AnimationFile : public ViewFixture {
protected:
    AnimationFile() {
        view.setLessonLayer([this] { return lessonLayer(form); });
    }
    QTemporaryDir dir;
};

TEST_F(AnimationFile, GifHoldsOnePeriodOfTheWindowsFramesAtTheTimersPaceAndLoops) {
    act([&] {
        form.cmbDemo.setText("Plane Wave");
        form.cmbOne.setText("2.0");
        form.cmbTwo.setText("0.2");
    });
    for (int i = 0; i < 3; ++i) act([&] { form.tmrOne.tick(); });
    const int period = animation::lengthOf(form).frames;
    ASSERT_EQ(period, 16);
    const QImage first = grab();
    const double frameBefore = form.FrameCount;

    const QString path = dir.filePath("wave.gif");
    ASSERT_EQ(animation_recorder::recordGif(form, view.size(), period, path), "");
    EXPECT_EQ(form.FrameCount, frameBefore) << "the window did not move";
    const DecodedGif gif = decode(path);
    ASSERT_EQ(gif.frames.size(), std::size_t(period));
    EXPECT_TRUE(gif.loopsForever);
    for (const int delay : gif.delays) EXPECT_EQ(delay, 10) << "100 ms a frame";

    // A palette of 256 colours keeps the window's few colours exact and its smoothed edges near.
    const Difference atFirst = difference(gif.frames.front(), first);
    EXPECT_LE(atFirst.largest, 24);
    EXPECT_LT(atFirst.mean, 0.25);
    for (int i = 1; i < period; ++i) act([&] { form.tmrOne.tick(); });
    const Difference atLast = difference(gif.frames.back(), grab());
    EXPECT_LE(atLast.largest, 24);
    EXPECT_LT(atLast.mean, 0.25);
    EXPECT_GT(difference(gif.frames.back(), first).mean, 2.0) << "the wave has moved";
}

TEST_F(AnimationFile, SlowMotionSlowsTheFramesAndAStoppedOrUnwritableRecordingLeavesNoFile) {
    act([&] {
        form.cmbDemo.setText("Polarisation");
        form.lesson.setSpeed(LessonState::Speed::Quarter);
    });
    const QString path = dir.filePath("turn.gif");
    ASSERT_EQ(animation_recorder::recordGif(form, view.size(), 3, path), "");
    EXPECT_EQ(decode(path).delays, (std::vector<int>{40, 40, 40}));

    const QString stopped = dir.filePath("stopped.gif");
    int told = 0;
    EXPECT_NE(animation_recorder::recordGif(form, view.size(), 24, stopped,
                                            [&](int done, int total) {
                                                ++told;
                                                EXPECT_EQ(total, 24);
                                                return done < 5;
                                            }),
              "");
    EXPECT_EQ(told, 5);
    EXPECT_FALSE(QFile::exists(stopped));
    EXPECT_NE(animation_recorder::recordGif(form, view.size(), 2, dir.filePath("no/such/dir.gif")),
              "");
}

// For scripted slides: the program writes the GIF from its set-up and shows no window.
TEST(AnimationCommandLine, RecordsTheSetUpsAnimationWithoutAWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("groups.gif");
    QProcess program;
    program.start(PROPAGATION_DEMOS_PATH, {"--demo", "Group Velocity", "--one", "1.0", "--two",
                                           "2.0", "--record-animation", path});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    const DecodedGif gif = decode(path);
    EXPECT_EQ(gif.frames.size(), 60u) << "the groups' 60 frames and the carrier's 4 meet at 60";
    EXPECT_EQ(gif.frames.front().size(), QSize(789, 605));
}

}  // namespace
