#include "desktop/desktop_services.h"
#include "desktop/desktop_window.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "app/lesson_layer.h"
#include "app/setup_settings.h"
#include "app/tool_catalogue.h"
#include "ui/qt/accessible_picture.h"
#include "ui/qt/form_view.h"
#include "ui/qt/picture_files.h"
#include "ui/qt/tool_menu.h"
#include "view_fixture.h"

namespace {

using tool_catalogue::Edition;

// The window as the desktop program makes it: the tools' picture and their menu.
class TeachingMenuTest : public ViewFixture {
protected:
    TeachingMenuTest() : tools(view, form) {
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    }
    QAction* action(const char* name) { return widget<QAction>(name); }
    // Rayleigh with ten rays, the histogram on and a few frames counted.
    void countRayleigh() {
        act([&] { form.cmbDemo.pick(3); });
        ASSERT_EQ(form.cmbDemo.text(), "Rayleigh");
        act([&] { form.cmdHist.click(); });
        for (int i = 0; i < 50; ++i) act([&] { form.tmrOne.tick(); });
    }
    // What the menu shows of each tool of the catalogue, against what the catalogue says now.
    void expectMenuFollowsCatalogue(const char* when) {
        const QList<QAction*> listed = tools.menu().menu().actions();
        int previous = -1;
        for (const tool_catalogue::Tool& tool : tool_catalogue::tools()) {
            const QString id = QString::fromUtf8(tool.id.data(), qsizetype(tool.id.size()));
            QAction* found = view.findChild<QAction*>(id);
            ASSERT_NE(found, nullptr) << id.toStdString();
            const std::string label(tool_catalogue::labelIn(tool, Edition::Desktop));
            EXPECT_EQ(found->text().toStdString(), label) << when;
            EXPECT_EQ(found->shortcut(), QKeySequence(QString::fromStdString(keyText(
                                             tool_catalogue::keyIn(tool, Edition::Desktop)))))
                << label;
            EXPECT_EQ(found->isEnabled(), tool.enabled == nullptr || tool.enabled(form))
                << label << " " << when;
            EXPECT_EQ(found->isCheckable(), tool.kind != MenuEntry::Kind::Action) << label;
            EXPECT_EQ(found->isChecked(), tool.checked != nullptr && tool.checked(form, tools))
                << label << " " << when;
            EXPECT_EQ(found->toolTip().toStdString(),
                      tool.hint.empty() ? label : std::string(tool.hint))
                << label;
            // In the catalogue's order.
            const int at = int(listed.indexOf(found));
            EXPECT_GT(at, previous) << label;
            previous = at;
        }
    }
    DesktopServices tools;
};

// The menu is the catalogue's: every tool under its desktop label and key, dimmed and ticked as
// the catalogue says, in the states where that changes.
TEST_F(TeachingMenuTest, MenuShowsEveryCatalogueEntryWithItsKeyAndState) {
    expectMenuFollowsCatalogue("at start");
    // The keys a lecturer learns from the README.
    EXPECT_EQ(widget<QAction>("toolStep")->shortcut(), QKeySequence("."));
    EXPECT_EQ(widget<QAction>("toolSpeedHalf")->shortcut(), QKeySequence("Ctrl+2"));
    EXPECT_EQ(widget<QAction>("toolTheory")->shortcut(), QKeySequence("T"));
    EXPECT_EQ(widget<QAction>("toolFullScreen")->shortcut(), QKeySequence("F11"));
    EXPECT_EQ(widget<QAction>("toolCopySetUp")->text(), "Copy command line");
    // The curve means something only over a histogram of a fading demonstration.
    EXPECT_FALSE(widget<QAction>("toolTheory")->isEnabled());
    countRayleigh();
    QTest::keyClick(&view, Qt::Key_T);
    act([&] { form.cmdStart.click(); });
    QTest::keyClick(&view, Qt::Key_3, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_P);
    EXPECT_TRUE(widget<QAction>("toolTheory")->isChecked());
    EXPECT_TRUE(widget<QAction>("toolStep")->isEnabled());
    expectMenuFollowsCatalogue("paused, quarter speed, theory curve and projector on");
}

// A tool's key works while a button has the focus; in a list being typed into the key is text.
TEST_F(TeachingMenuTest, ShortcutWorksFromAButtonNotWhileTypingInAList) {
    auto* start = widget<QPushButton>("cmdStart");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Space);  // Pause
    ASSERT_TRUE(form.lesson.paused());
    const double frame = form.FrameCount;
    QTest::keyClick(start, Qt::Key_Period);
    EXPECT_EQ(form.FrameCount, frame + 1);
    QTest::keyClick(start, Qt::Key_P);
    EXPECT_TRUE(form.lesson.projector());
    QTest::keyClick(start, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(form.lesson.speed(), LessonState::Speed::Half);

    auto* combo = widget<QComboBox>("cmbOne");
    combo->setFocus();
    combo->lineEdit()->setText("2");
    combo->lineEdit()->setCursorPosition(1);
    QTest::keyClicks(combo->lineEdit(), ".5p");
    EXPECT_EQ(form.cmbOne.text(), "2.5p");
    EXPECT_EQ(form.FrameCount, frame + 1);
    EXPECT_TRUE(form.lesson.projector());
    // Keys that typing has no use for still reach the tools.
    QTest::keyClick(combo->lineEdit(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(form.lesson.speed(), LessonState::Speed::Normal);
}

// The menu opens from the keyboard where the focus is, and on a right click that reaches the window
// through a control without a menu of its own (as the system sends it: a context menu event).
TEST_F(TeachingMenuTest, MenuOpensFromShiftF10AndARightClickOnAButton) {
    auto* start = widget<QPushButton>("cmdStart");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(tools.menu().menu().isVisible());
    tools.menu().menu().hide();
    QContextMenuEvent click(QContextMenuEvent::Mouse, start->rect().center(),
                            start->mapToGlobal(start->rect().center()));
    QApplication::sendEvent(start, &click);
    EXPECT_TRUE(tools.menu().menu().isVisible());
    tools.menu().menu().hide();
}

// Ctrl+C from a button copies the picture; Ctrl+Shift+C the command that opens this set-up again.
TEST_F(TeachingMenuTest, CopyToolsPutThePictureAndTheSetUpOnTheClipboard) {
    countRayleigh();
    QTest::keyClick(&view, Qt::Key_T);
    auto* start = widget<QPushButton>("cmdStart");
    start->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(start, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), view.size() * view.devicePixelRatioF());
    QTest::keyClick(start, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString line = QGuiApplication::clipboard()->text();
    EXPECT_EQ(line.toStdString(),
              "propagation-demos " + SetupSettings::fromWindow(form).toCommandLine());
    EXPECT_TRUE(line.contains("--theory Rayleigh"));
}

// "Copy data" from the menu puts the numbers behind the picture on the clipboard, every table of
// it; "Save data..." asks for a file first.
TEST_F(TeachingMenuTest, CopyDataPutsEveryTableOnTheClipboard) {
    countRayleigh();
    QGuiApplication::clipboard()->clear();
    action("toolCopyData")->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_EQ(text.toStdString(), tool_catalogue::dataText(form));
    EXPECT_TRUE(text.startsWith("ray,length_twips,phase_degrees\n1,")) << text.toStdString();
    EXPECT_TRUE(text.contains("\n\nbin,lower_twips,upper_twips,count,expected\n0,0,50,"));
    EXPECT_EQ(action("toolSaveData")->text(), "Save data...");
}

TEST_F(TeachingMenuTest, F11TogglesFullScreen) {
    ASSERT_FALSE(view.isFullScreen());
    QTest::keyClick(&view, Qt::Key_F11);
    EXPECT_TRUE(view.isFullScreen());
    EXPECT_TRUE(action("toolFullScreen")->isChecked());
    QTest::keyClick(&view, Qt::Key_F11);
    EXPECT_FALSE(view.isFullScreen());
    EXPECT_FALSE(action("toolFullScreen")->isChecked());
}

// The files a lecturer saves: PNGs at the window's size and twice it, and an SVG that parses as
// XML and holds the picture's shapes in the program's colours with the theory curve in red.
TEST_F(TeachingMenuTest, SavedPicturesHaveTheirSizesAndTheSvgParses) {
    countRayleigh();
    QTest::keyClick(&view, Qt::Key_T);
    ASSERT_EQ(form.lesson.theory(), LessonState::Theory::Rayleigh);
    QTemporaryDir dir;
    const QString png = dir.filePath("a.png");
    const QString png2x = dir.filePath("b.png");
    const QString svg = dir.filePath("c.svg");
    ASSERT_TRUE(picture_files::save(view, png, picture_files::Format::Png));
    ASSERT_TRUE(picture_files::save(view, png2x, picture_files::Format::Png2x));
    ASSERT_TRUE(picture_files::save(view, svg, picture_files::Format::Svg));
    EXPECT_EQ(QImage(png).size(), view.size());
    EXPECT_EQ(QImage(png2x).size(), view.size() * 2);

    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QMap<QString, int> elements;
    QSet<QString> strokes;
    int bars = 0;  // teal 0x808000 and the highlighted light blue 0xFFF000 as #RRGGBB
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            ++elements[xml.name().toString()];
            strokes.insert(xml.attributes().value("stroke").toString());
            const auto fill = xml.attributes().value("fill");
            if (xml.name() == u"rect" && (fill == u"#008080" || fill == u"#00F0FF"))
                ++bars;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    for (const char* name : {"svg", "line", "circle", "rect", "text", "path"}) {
        EXPECT_GT(elements.value(name), 0) << name;
    }
    EXPECT_EQ(bars, 32);
    EXPECT_TRUE(strokes.contains("#FF0000")) << "the theory curve";
    EXPECT_FALSE(picture_files::save(view, dir.filePath("none/d.svg"), picture_files::Format::Svg));
}

// A bad setting on the command line: a message on stderr, status 2, no window.
TEST(DesktopCommandLine, BadSettingExitsWithTwoAndAMessage) {
    for (const QStringList& arguments :
         {QStringList{"--phase", "400"}, QStringList{"--speed", "fast"}, QStringList{"--nope"}}) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(PROPAGATION_DEMOS_PATH, arguments);
        ASSERT_TRUE(program.waitForFinished(20000)) << arguments.join(' ').toStdString();
        EXPECT_EQ(program.exitCode(), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(program.readAllStandardError().contains("propagation-demos: "));
    }
}

}  // namespace

namespace {

// The picture as a screen reader meets it on the desktop: an image named after the
// demonstration and described in words, a notification of what a change made, the whole
// description on the D key; "Histogram" a switch; an open list named after its list.
TEST_F(TeachingMenuTest, PictureIsDescribedAndChangesAreAnnouncedOnce) {
    const AccessiblePicture& picture = view.accessiblePicture();
    QAccessibleInterface* image =
        QAccessible::queryAccessibleInterface(const_cast<AccessiblePicture*>(&picture));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->role(), QAccessible::Graphic);
    EXPECT_EQ(image->text(QAccessible::Name), "Picture of Plane Wave");
    EXPECT_TRUE(image->text(QAccessible::Description).contains("Its wavelength is 8 steps"));

    auto* attenuation = widget<QComboBox>("cmbTwo");
    attenuation->setCurrentIndex(0);
    emit attenuation->activated(0);  // a pick, as the list delivers one
    EXPECT_EQ(picture.lastAnnouncement(),
              "There is no attenuation: the wave keeps its full height all along the line.");
    for (int i = 0; i < 30; ++i) act([&] { form.tmrOne.tick(); });
    EXPECT_EQ(picture.lastAnnouncement(),
              "There is no attenuation: the wave keeps its full height all along the line.")
        << "the ticks of a plane wave say nothing";

    auto* start = widget<QPushButton>("cmdStart");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_D);
    EXPECT_TRUE(picture.lastAnnouncement().startsWith("Picture of Plane Wave. A cosine wave"));

    act([&] { form.cmbDemo.pick(3); });  // "Rayleigh"
    auto* histogram = widget<QPushButton>("cmdHist");
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(histogram);
    EXPECT_FALSE(button->state().checked);
    QTest::mouseClick(histogram, Qt::LeftButton);
    EXPECT_TRUE(button->state().checked);
    EXPECT_EQ(button->text(QAccessible::Description),
              "The histogram is on: press again to count afresh from zero");

    auto* rays = widget<QComboBox>("cmbOne");
    rays->showPopup();
    EXPECT_EQ(rays->view()->accessibleName(), "No. of Rays");
    rays->hidePopup();
}

}  // namespace

namespace {

// The desktop program's window: a menu bar of the catalogue above the form, every tool in the menu
// the catalogue names, with its key; the form keeps its design size under it and its picture to
// the pixel.
TEST(DesktopWindowTest, MenuBarListsEveryToolUnderItsMenuAndTheFormKeepsItsPicture) {
    Form1 form;
    DesktopWindow window(form);
    window.view().load();
    // Paused at the first frame, as the plain view below is, so that the two pictures match.
    window.view().deliver([&form] { form.cmdStart_Click(); });
    // Paused, with the projector's contrast: "Step one frame" enabled, a switch ticked.
    window.view().deliver([&form] { form.lesson.toggleProjector(); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QMenuBar* bar = window.menuBar();
    ASSERT_NE(bar, nullptr);
    // A menu brings its entries in step as it opens.
    for (QMenu* menu : bar->findChildren<QMenu*>()) emit menu->aboutToShow();
    QStringList titles;
    for (QAction* menu : bar->actions()) titles << menu->text().remove('&');
    EXPECT_EQ(titles, (QStringList{"Picture", "Animation", "Lessons", "View", "Help"}));
    for (const tool_catalogue::Tool& tool : tool_catalogue::tools()) {
        const QString id = QString::fromUtf8(tool.id.data(), qsizetype(tool.id.size()));
        const QString title = QString::fromUtf8(tool_catalogue::titleOf(tool.menu).data());
        const auto* menu = bar->findChild<QMenu*>("mnu" + title);
        ASSERT_NE(menu, nullptr) << title.toStdString();
        int found = 0;
        for (QMenu* other : bar->findChildren<QMenu*>()) {
            for (QAction* action : other->actions()) {
                if (action->objectName() != id)
                    continue;
                ++found;
                EXPECT_EQ(other, menu) << id.toStdString() << " stands in the wrong menu";
                EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromStdString(keyText(
                                                  tool_catalogue::keyIn(tool, Edition::Desktop)))));
                EXPECT_EQ(action->isEnabled(), tool.enabled == nullptr || tool.enabled(form))
                    << id.toStdString();
                EXPECT_EQ(action->isChecked(),
                          tool.checked != nullptr && tool.checked(form, window.services()))
                    << id.toStdString();
            }
        }
        EXPECT_EQ(found, 1) << id.toStdString();
    }
    EXPECT_EQ(window.view().size(), QSize(789, 605));
    // The same form in a view of its own, as the picture was before the window had a menu bar.
    Form1 alone;
    FormView plain(alone);
    plain.setLessonLayer([&alone] { return lessonLayer(alone); });
    plain.load();
    plain.deliver([&alone] {
        alone.cmdStart_Click();
        alone.lesson.toggleProjector();
    });
    plain.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain));
    ASSERT_EQ(form.FrameCount, alone.FrameCount);
    // The window shown last has the focus, and its caret: neither is part of the picture.
    for (QWidget* view : {static_cast<QWidget*>(&window.view()), static_cast<QWidget*>(&plain)}) {
        if (QWidget* focused = view->focusWidget())
            focused->clearFocus();
    }
    EXPECT_EQ(window.view().grab().toImage(), plain.grab().toImage());
}

// The command line is read before the toolkit needs a screen: the help and a refused set-up
// answer on a machine with no display at all.
TEST(DesktopWindowTest, HelpAndARefusedSetUpNeedNoDisplay) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    const auto run = [&environment](const QStringList& arguments) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(PROPAGATION_DEMOS_PATH, arguments);
        EXPECT_TRUE(program.waitForFinished(20000));
        return std::make_pair(program.exitCode(),
                              program.readAllStandardOutput() + program.readAllStandardError());
    };
    const auto [helped, usage] = run({"--help"});
    EXPECT_EQ(helped, 0) << usage.toStdString();
    EXPECT_TRUE(usage.contains("Usage: propagation-demos")) << usage.toStdString();
    // The keys too, each tool's beside its label.
    EXPECT_TRUE(QString::fromUtf8(usage).contains(QRegularExpression("\\n  T +Theory curve\\n")))
        << usage.toStdString();
    for (const QStringList& refused :
         {QStringList{"--phase", "999"}, QStringList{"--threshold", "-12"}, QStringList{"--bogus"},
          QStringList{"stray"}, QStringList{"--record-animation", "a.gif", "--frames", "0"},
          QStringList{"--frames", "5"}}) {
        const auto [status, said] = run(refused);
        EXPECT_EQ(status, 2) << refused.join(' ').toStdString() << ": " << said.toStdString();
        EXPECT_TRUE(said.contains("propagation-demos: ")) << said.toStdString();
    }
}

}  // namespace
