#include "desktop/desktop_services.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTimer>

#include "app/animation.h"
#include "app/form1.h"
#include "app/lesson_layer.h"
#include "app/setup_settings.h"
#include "desktop/animation_recorder.h"
#include "i18n/translate.h"
#include "ui/qt/form_view.h"
#include "ui/qt/picture_files.h"

DesktopServices::DesktopServices(FormView& view, Form1& form)
    : view_(view),
      form_(form),
      narration_(form),
      menu_(view, tool_catalogue::menu(
                      form, *this, tool_catalogue::Edition::Desktop,
                      [&view](const std::function<void()>& action) { view.deliver(action); })) {
    view_.setLessonLayer([&form] { return lessonLayer(form); });
    clock_.start();
    narration_.speakThrough(
        view_, [this] { return double(clock_.elapsed()); },
        [this](double delay, std::function<void()> action) {
            QTimer::singleShot(int(delay), &view_, std::move(action));
        });
}

void DesktopServices::describePicture() {
    narration_.sayAll();
}

void DesktopServices::copyPicture() {
    QGuiApplication::clipboard()->setImage(picture_files::render(view_, view_.devicePixelRatioF()));
}

void DesktopServices::savePicture(int factor) {
    const QString png = factor > 1 ? "PNG image, twice the size (*.png)" : "PNG image (*.png)";
    const QString svg = "SVG drawing (*.svg)";
    QString filter = png;
    const QString name = QString::fromStdString(tool_catalogue::pictureFileName(form_)) +
                         (factor > 1 ? "-2x.png" : ".png");
    QString path = QFileDialog::getSaveFileName(&view_, i18n::tr("Save picture"), name,
                                                png + ";;" + svg, &filter);
    if (path.isEmpty())
        return;
    const picture_files::Format format = filter == svg ? picture_files::Format::Svg
                                         : factor > 1  ? picture_files::Format::Png2x
                                                       : picture_files::Format::Png;
    const QString suffix = format == picture_files::Format::Svg ? ".svg" : ".png";
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    if (!picture_files::save(view_, path, format)) {
        QMessageBox::warning(
            &view_, view_.windowTitle(),
            QString::fromUtf8(i18n::tr("The picture could not be written to")) + "\n" + path);
    }
}

// The length first (one loop, or 10 s of a picture that never repeats, offered), then the file;
// a note with a "Cancel" button shows how far it has come, and the window runs on meanwhile.
void DesktopServices::recordAnimation() {
    if (recording_)
        return;
    const animation::Length length = animation::lengthOf(form_);
    const std::string advice =
        length.loops ? i18n::format(i18n::tr("One period of this picture is %1$s frames: that "
                                             "many loop without a jump."),
                                    {std::to_string(length.frames)})
                     : i18n::format(i18n::tr("This picture does not repeat itself: %1$s frames "
                                             "are 10 seconds at normal speed."),
                                    {std::to_string(length.frames)});
    bool ok = false;
    const int frames = QInputDialog::getInt(
        &view_, i18n::tr("Record animation"),
        QString::fromStdString(advice) + "\n\n" + i18n::tr("Frames to record:"), length.frames, 1,
        animation::kMaxFrames, 1, &ok);
    if (!ok)
        return;
    QString path = QFileDialog::getSaveFileName(
        &view_, i18n::tr("Record animation"),
        QString::fromStdString(tool_catalogue::pictureFileName(form_)) + ".gif",
        "GIF animation (*.gif)");
    if (path.isEmpty())
        return;
    if (!path.endsWith(".gif", Qt::CaseInsensitive))
        path += ".gif";
    recording_ = true;
    QProgressDialog note(i18n::tr("Recording the animation..."), i18n::tr("Cancel"), 0, frames,
                         view_.window());
    note.setWindowTitle(i18n::tr("Record animation"));
    note.setWindowModality(Qt::WindowModal);
    note.setMinimumDuration(300);
    const std::string error =
        animation_recorder::recordGif(form_, view_.size(), frames, path, [&note](int done, int) {
            note.setValue(done);
            QCoreApplication::processEvents();
            return !note.wasCanceled();
        });
    recording_ = false;
    if (!error.empty() && !note.wasCanceled()) {
        QMessageBox::warning(&view_, view_.windowTitle(),
                             QString::fromUtf8(i18n::tr("The animation could not be written to")) +
                                 "\n" + path + "\n" + QString::fromStdString(error));
    }
}

bool DesktopServices::fullScreen() const {
    return view_.window()->isFullScreen();
}

void DesktopServices::toggleFullScreen() {
    QWidget* window = view_.window();
    if (window->isFullScreen()) {
        window->showNormal();
    } else {
        window->showFullScreen();
    }
}

// Each line a paragraph; a line with a tab in it a row of a table, its key and what it does.
// The languages by their own names; the one picked opens the program again in it, on the set-up
// on screen, and this window closes.
void DesktopServices::chooseLanguage() {
    QStringList names;
    int current = 0;
    const auto languages = i18n::languages();
    for (std::size_t i = 0; i < languages.size(); ++i) {
        names << QString::fromUtf8(languages[i].name.data(), qsizetype(languages[i].name.size()));
        if (languages[i].code == i18n::language().code)
            current = static_cast<int>(i);
    }
    bool ok = false;
    const QString picked =
        QInputDialog::getItem(&view_, i18n::tr("Language..."),
                              i18n::tr("The language of the window:"), names, current, false, &ok);
    const auto index = static_cast<std::size_t>(names.indexOf(picked));
    if (!ok || index >= languages.size() || static_cast<int>(index) == current)
        return;
    SetupSettings setup = SetupSettings::fromWindow(form_);
    setup.language = std::string(languages[index].code);
    const QStringList arguments =
        QProcess::splitCommand(QString::fromStdString(setup.toCommandLine()));
    if (QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments))
        view_.window()->close();
}

void DesktopServices::showMessage(const std::string& title, const std::string& text) {
    QString html;
    bool table = false;
    for (const QString& line : QString::fromStdString(text).split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab >= 0 && !table)
            html += "<table cellspacing=\"2\" cellpadding=\"2\">";
        if (tab < 0 && table)
            html += "</table>";
        table = tab >= 0;
        if (table) {
            html += "<tr><td><b>" + line.left(tab).toHtmlEscaped() + "</b></td><td>" +
                    line.mid(tab + 1).toHtmlEscaped() + "</td></tr>";
        } else if (!line.isEmpty()) {
            html += "<p>" + line.toHtmlEscaped() + "</p>";
        }
    }
    if (table)
        html += "</table>";
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), html, QMessageBox::Close,
                    view_.window());
    box.setObjectName("messageBox");
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void DesktopServices::copySetUp() {
    QGuiApplication::clipboard()->setText(
        "propagation-demos " +
        QString::fromStdString(SetupSettings::fromWindow(form_).toCommandLine()));
}

void DesktopServices::copyData() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(tool_catalogue::dataText(form_)));
}

// One name is asked for; each table is saved beside it under that name with its own added.
void DesktopServices::saveData() {
    const QString name = QString::fromStdString(tool_catalogue::pictureFileName(form_)) + ".csv";
    const QString path =
        QFileDialog::getSaveFileName(&view_, i18n::tr("Save data"), name, "CSV table (*.csv)");
    if (path.isEmpty())
        return;
    QStringList failed;
    for (const tool_catalogue::DataFile& file :
         tool_catalogue::dataFiles(form_, path.toStdString())) {
        QSaveFile out(QString::fromStdString(file.name));
        const auto size = static_cast<qint64>(file.text.size());
        if (!out.open(QIODevice::WriteOnly) || out.write(file.text.data(), size) != size ||
            !out.commit()) {
            failed << out.fileName();
        }
    }
    if (!failed.isEmpty()) {
        QMessageBox::warning(&view_, view_.windowTitle(),
                             QString::fromUtf8(i18n::tr("The data could not be written to")) +
                                 "\n" + failed.join("\n"));
    }
}
