#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <variant>

#include "app/lesson_layer.h"
#include "app/setup_settings.h"
#include "demos/fading/fading_record.h"
#include "demos/phasors/phasors.h"
#include "ui/qt/picture_files.h"
#include "view_fixture.h"

namespace {

// Whether two colours are alike, allowing for the blend of an edge pixel: two rasterisers cover
// the edge of a one-pixel curve differently (up to about 150 apart in the sum of the channels); a
// shape a pixel out of place, or in another colour, is further from its background than that.
bool alike(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <=
           160;
}

// Whether `colour` is found within one pixel of (x, y) in `image`.
bool nearby(const QImage& image, int x, int y, QColor colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (image.rect().contains(p) && alike(image.pixelColor(p), colour))
                return true;
        }
    }
    return false;
}

using SvgPictureTest = ViewFixture;

// The SVG backend draws what the painter paints: rendered by another rasteriser (librsvg), every
// shape pixel of the window's picture is within one pixel of the same colour in the SVG's, and
// the other way round. Text (the labels' boxes and the logo's name) is set by different font
// engines, and the lists, buttons and scroll bars are widgets, not in the SVG: those are left out.
TEST_F(SvgPictureTest, RenderedSvgAgreesWithThePaintedPictureWithinAPixel) {
    const QString rsvg = QStandardPaths::findExecutable("rsvg-convert");
    ASSERT_FALSE(rsvg.isEmpty()) << "rsvg-convert (Debian package librsvg2-bin) is needed";
    view.setLessonLayer([this] { return lessonLayer(form); });
    for (const char* setUp : {"--demo Rayleigh --one Ten --histogram --theory Rayleigh",
                              "--demo Phasors --tip1 2400,780 --tip2 900,3000 --projector",
                              "--demo Polarisation --one Horizontal --two Vertical --phase 45",
                              // The deeper tools: their lines are shapes as the others are.
                              "--demo Rayleigh --one Ten --rate 20 --record --threshold -5",
                              "--demo Polarisation --one Horizontal --two Vertical --phase 60 "
                              "--ellipse",
                              "--demo Phasors --tip1 2400,780 --tip2 900,3000 --numbers"}) {
        SCOPED_TRACE(setUp);
        std::vector<std::string> arguments;
        for (const QString& word : QString(setUp).split(' '))
            arguments.push_back(word.toStdString());
        const ParsedSetup parsed = SetupSettings::fromArguments(arguments);
        ASSERT_TRUE(parsed.ok()) << parsed.error;
        ASSERT_EQ(parsed.settings.apply(form, [&](const auto& action) { act(action); }), "");
        for (int i = 0; i < 40; ++i) act([&] { form.tmrOne.tick(); });

        QTemporaryDir dir;
        ASSERT_TRUE(picture_files::save(view, dir.filePath("p.svg"), picture_files::Format::Svg));
        QProcess convert;
        convert.start(rsvg, {"-o", dir.filePath("s.png"), dir.filePath("p.svg")});
        ASSERT_TRUE(convert.waitForFinished(30000));
        ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
        const QImage fromSvg = QImage(dir.filePath("s.png")).convertToFormat(QImage::Format_RGB32);
        const QImage painted = grab().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(fromSvg.size(), painted.size());

        // Left out, in pixels: every visible windowed control and label, and the logo's name.
        QList<QRect> excluded;
        const auto& geometry = view.viewGeometry();
        for (const auto& ref : form.windowedControls()) {
            std::visit(
                [&](const auto* c) {
                    if (c->visible())
                        excluded << toQRect(geometry.toWidgetRect(c->box())).adjusted(-2, -2, 2, 2);
                },
                ref);
        }
        for (const auto& item : form.paintOrder()) {
            if (const auto* label = std::get_if<Label*>(&item); label && (*label)->visible()) {
                excluded << toQRect(geometry.toWidgetRect((*label)->box())).adjusted(-1, -1, 1, 1);
            }
        }
        for (const drawing::Overlay& overlay : lessonLayer(form).overlays) {
            for (const drawing::Overlay::Caption& caption : overlay.captions)
                excluded << toQRect(geometry.toWidgetRect(caption.box)).adjusted(-1, -1, 1, 1);
        }
        const RectF logo = form.imgTarm.box();  // the name: units 52..122 of 300 across
        excluded << toQRect(geometry.toWidgetRect(
            {logo.left + logo.width * 52 / 300, logo.top, logo.width * 70 / 300, logo.height}));

        const QColor background = painted.pixelColor(0, 0);
        int shapePixels = 0;
        int strays = 0;
        for (int y = 0; y < painted.height(); ++y) {
            for (int x = 0; x < painted.width(); ++x) {
                if (std::any_of(excluded.begin(), excluded.end(),
                                [&](const QRect& r) { return r.contains(x, y); })) {
                    continue;
                }
                const QColor a = painted.pixelColor(x, y);
                const QColor b = fromSvg.pixelColor(x, y);
                if (alike(a, background) && alike(b, background))
                    continue;
                ++shapePixels;
                if (!nearby(fromSvg, x, y, a) || !nearby(painted, x, y, b))
                    ++strays;
            }
        }
        EXPECT_GT(shapePixels, 500);
        // The dots of a dotted line are a pixel long: where one falls across two pixels, the two
        // rasterisers share its colour out differently over a pixel or two of the line.
        EXPECT_LE(strays, shapePixels / 1000) << strays << " of " << shapePixels;
    }
}

}  // namespace

namespace {

// A deeper tool draws in the picture's free space, in its own colours, and switched off again
// leaves the picture as a window that never had it shows the same state, to the pixel.
TEST(DeeperToolPictures, DrawWhereTheyShouldAndOffLeaveThePictureAsItWas) {
    const struct {
        const char* setUp;
        void (LessonState::*toggle)();
        RectF area;
        QColor colour;
    } tools[] = {
        {"demo=Rayleigh&one=Ten&rate=20&paused", &LessonState::toggleFadingRecord,
         fading_record::kArea, QColor(0, 0, 176)},
        {"demo=Polarisation&one=Horizontal&two=Vertical&phase=45&paused",
         &LessonState::toggleEllipse,
         {0, 0, 7380, 7200},
         QColor(192, 0, 192)},
        {"demo=Phasors&tip1=2400,780&tip2=900,3000&paused", &LessonState::togglePhasorNumbers,
         phasors::kNumbersArea, QColor(0, 192, 0)},
    };
    // Two windows in step, one with the tool switched on and then off again.
    const auto render = [](FormView& view) {
        QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
        view.render(&image);
        return image;
    };
    for (const auto& tool : tools) {
        SCOPED_TRACE(tool.setUp);
        Form1 form;
        Form1 plain;
        FormView view(form);
        FormView plainView(plain);
        for (auto [f, v] : {std::pair{&form, &view}, std::pair{&plain, &plainView}}) {
            v->setLessonLayer([f] { return lessonLayer(*f); });
            v->load();
            v->show();
            const ParsedSetup parsed = SetupSettings::fromFragment(tool.setUp);
            ASSERT_EQ(parsed.settings.apply(*f, [v](const auto& action) { v->deliver(action); }),
                      "");
        }
        view.deliver([&] { (form.lesson.*tool.toggle)(); });
        for (int i = 0; i < 40; ++i) {
            view.deliver(
                [&] { form.lesson.stepOneFrame(); });  // a record keeps frames as they come
            plainView.deliver([&] { plain.lesson.stepOneFrame(); });
        }
        const QImage on = render(view);
        int inColour = 0;
        const QRect area = toQRect(view.viewGeometry().toWidgetRect(tool.area));
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = on.pixelColor(x, y);
                inColour += std::abs(c.red() - tool.colour.red()) +
                                std::abs(c.green() - tool.colour.green()) +
                                std::abs(c.blue() - tool.colour.blue()) <
                            60;
            }
        }
        EXPECT_GT(inColour, 20) << "the tool's colour in its area";
        view.deliver([&] { (form.lesson.*tool.toggle)(); });
        const QImage plainPicture = render(plainView);
        EXPECT_NE(on, plainPicture);
        EXPECT_EQ(render(view), plainPicture) << "off, the picture is the window's own";
    }
}

}  // namespace
