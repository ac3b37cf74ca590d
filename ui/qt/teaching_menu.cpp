#include "ui/qt/teaching_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>

#include "app/form1.h"
#include "app/setup_settings.h"
#include "ui/qt/form_view.h"
#include "ui/qt/picture_files.h"

using Speed = TeachingTools::Speed;

TeachingMenu::TeachingMenu(FormView& view, Form1& form) : QObject(&view), view_(view), form_(form) {
    menu_ = new QMenu(&view);
    menu_->setObjectName("mnuTools");
    menu_->setAccessibleName("Teaching tools");

    step_ = addAction("actStep", "Step one frame", QKeySequence(Qt::Key_Period));
    connect(step_, &QAction::triggered, this,
            [this] { view_.deliver([this] { form_.tools.stepOneFrame(); }); });

    QMenu* speed = menu_->addMenu("Speed");
    speed->setObjectName("mnuSpeed");
    speeds_ = new QActionGroup(this);
    const struct {
        const char* name;
        const char* text;
        Speed speed;
        Qt::Key key;
    } speeds[] = {{"actSpeedNormal", "Normal", Speed::Normal, Qt::Key_1},
                  {"actSpeedHalf", "Half", Speed::Half, Qt::Key_2},
                  {"actSpeedQuarter", "Quarter", Speed::Quarter, Qt::Key_3}};
    for (const auto& entry : speeds) {
        QAction* action =
            addAction(entry.name, entry.text, QKeySequence(Qt::CTRL | entry.key), speed);
        action->setCheckable(true);
        action->setData(static_cast<int>(entry.speed));
        speeds_->addAction(action);
        const Speed chosen = entry.speed;
        connect(action, &QAction::triggered, this, [this, chosen] {
            view_.deliver([this, chosen] { form_.tools.setSpeed(chosen); });
        });
    }

    theory_ = addAction("actTheory", "Theory curve", QKeySequence(Qt::Key_T));
    theory_->setCheckable(true);
    connect(theory_, &QAction::triggered, this,
            [this] { view_.deliver([this] { form_.tools.toggleTheory(); }); });

    projector_ = addAction("actProjector", "Projector contrast", QKeySequence(Qt::Key_P));
    projector_->setCheckable(true);
    connect(projector_, &QAction::triggered, this,
            [this] { view_.deliver([this] { form_.tools.toggleProjector(); }); });

    menu_->addSeparator();
    connect(addAction("actCopyPicture", "Copy picture", QKeySequence::Copy), &QAction::triggered,
            this, &TeachingMenu::copyPicture);
    connect(addAction("actSavePicture", "Save picture...", QKeySequence::Save), &QAction::triggered,
            this, &TeachingMenu::savePicture);
    menu_->addSeparator();
    fullScreen_ = addAction("actFullScreen", "Full screen", QKeySequence(Qt::Key_F11));
    fullScreen_->setCheckable(true);
    connect(fullScreen_, &QAction::triggered, this, &TeachingMenu::toggleFullScreen);
    connect(addAction("actCopyCommandLine", "Copy command line",
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)),
            &QAction::triggered, this, &TeachingMenu::copyCommandLine);

    // The menu from the keyboard: Shift+F10 here, the Menu key as the system's context menu event.
    auto* open = new QAction("Teaching tools menu", &view_);
    open->setObjectName("actOpenMenu");
    open->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(open, &QAction::triggered, this, [this] {
        QWidget* focus = view_.focusWidget();
        const QPoint at = focus != nullptr && focus != &view_
                              ? focus->mapTo(&view_, focus->rect().center())
                              : view_.rect().center();
        popup(at);
    });
    view_.addAction(open);

    // A right click on the picture, or on a control that has no menu of its own.
    view_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view_, &QWidget::customContextMenuRequested, this, &TeachingMenu::popup);
    connect(menu_, &QMenu::aboutToShow, this, &TeachingMenu::refresh);
    connect(&view_, &FormView::eventDelivered, this, &TeachingMenu::refresh);
    refresh();
}

QAction* TeachingMenu::addAction(const char* name, const QString& text,
                                 const QKeySequence& shortcut, QMenu* into) {
    auto* action = new QAction(text, &view_);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    // Shown in the menu beside the entry, and read with it by a screen reader.
    action->setShortcutVisibleInContextMenu(true);
    view_.addAction(action);
    (into != nullptr ? into : menu_)->addAction(action);
    return action;
}

void TeachingMenu::popup(QPoint position) {
    menu_->popup(view_.mapToGlobal(position));
}

void TeachingMenu::refresh() {
    step_->setEnabled(form_.tools.paused());
    for (QAction* action : speeds_->actions()) {
        action->setChecked(action->data().toInt() == static_cast<int>(form_.tools.speed()));
    }
    theory_->setEnabled(form_.tools.theoryCanToggle());
    theory_->setChecked(form_.tools.theory() != TeachingTools::Theory::Off);
    projector_->setChecked(form_.tools.projector());
    fullScreen_->setChecked(view_.window()->isFullScreen());
}

void TeachingMenu::copyPicture() {
    QGuiApplication::clipboard()->setImage(picture_files::render(view_, view_.devicePixelRatioF()));
}

void TeachingMenu::savePicture() {
    const QString png = "PNG image (*.png)";
    const QString png2x = "PNG image, twice the size (*.png)";
    const QString svg = "SVG drawing (*.svg)";
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(&view_, "Save picture", "propagation-demos.png",
                                                png + ";;" + png2x + ";;" + svg, &filter);
    if (path.isEmpty())
        return;
    const picture_files::Format format = filter == svg     ? picture_files::Format::Svg
                                         : filter == png2x ? picture_files::Format::Png2x
                                                           : picture_files::Format::Png;
    const QString suffix = format == picture_files::Format::Svg ? ".svg" : ".png";
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    if (!picture_files::save(view_, path, format)) {
        QMessageBox::warning(&view_, view_.windowTitle(),
                             "The picture could not be written to\n" + path);
    }
}

void TeachingMenu::toggleFullScreen() {
    QWidget* window = view_.window();
    if (window->isFullScreen()) {
        window->showNormal();
    } else {
        window->showFullScreen();
    }
    fullScreen_->setChecked(window->isFullScreen());
}

void TeachingMenu::copyCommandLine() {
    QGuiApplication::clipboard()->setText(
        "propagation-demos " +
        QString::fromStdString(SetupSettings::fromWindow(form_).toCommandLine()));
}
