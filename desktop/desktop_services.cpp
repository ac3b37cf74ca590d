#include "desktop/desktop_services.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include "app/form1.h"
#include "app/lesson_layer.h"
#include "app/setup_settings.h"
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
