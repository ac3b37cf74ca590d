#include "desktop/desktop_window.h"

#include <QMenuBar>

#include "app/form1.h"
#include "ui/qt/form_view.h"

DesktopWindow::DesktopWindow(Form1& form) : view_(new FormView(form)) {
    setCentralWidget(view_);
    setWindowTitle(view_->windowTitle());
    setWindowIcon(view_->windowIcon());
    services_ = std::make_unique<DesktopServices>(*view_, form);
    setMenuBar(services_->menu().makeMenuBar(tool_catalogue::menuTitles()));
    // The form at its design size, the menu bar above it.
    const QSize design = view_->sizeHint();
    resize(design.width(), design.height() + menuBar()->sizeHint().height());
}
