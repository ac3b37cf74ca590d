#include "ui/qt/tool_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "i18n/translate.h"
#include "ui/qt/form_view.h"

ToolMenu::ToolMenu(FormView& view, std::vector<MenuEntry> entries)
    : QObject(&view), view_(view), entries_(std::move(entries)) {
    menu_ = new QMenu(&view);
    menu_->setObjectName("mnuTools");
    menu_->setAccessibleName(i18n::tr("Teaching tools"));
    menu_->setToolTipsVisible(true);
    QActionGroup* choices = nullptr;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const MenuEntry& entry = entries_[i];
        if (entry.separatorBefore)
            menu_->addSeparator();
        auto* action = new QAction(QString::fromStdString(entry.label), &view_);
        action->setObjectName(QString::fromStdString(entry.id));
        action->setShortcut(QKeySequence(QString::fromStdString(keyText(entry.key))));
        action->setShortcutContext(Qt::WindowShortcut);
        // Shown in the menu beside the entry, and read with it by a screen reader.
        action->setShortcutVisibleInContextMenu(true);
        if (!entry.hint.empty()) {
            const QString hint = QString::fromStdString(entry.hint);
            action->setToolTip(hint);
            action->setStatusTip(hint);
            action->setWhatsThis(hint);
        }
        action->setCheckable(entry.kind != MenuEntry::Kind::Action);
        if (entry.kind != MenuEntry::Kind::Choice) {
            choices = nullptr;
        } else {
            if (choices == nullptr || entry.separatorBefore)
                choices = new QActionGroup(this);
            choices->addAction(action);
        }
        connect(action, &QAction::triggered, this, [this, i] {
            // A shortcut reaches a dimmed action's slot no more than a click does; a tool whose
            // state changed since the menu was refreshed is asked again.
            if (entries_[i].isEnabled())
                entries_[i].run();
            refresh();
        });
        view_.addAction(action);
        menu_->addAction(action);
        actions_.push_back(action);
    }

    // The menu from the keyboard: Shift+F10 here, the Menu key as the system's context menu event.
    auto* open = new QAction(i18n::tr("Teaching tools menu"), &view_);
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
    connect(&view_, &QWidget::customContextMenuRequested, this, &ToolMenu::popup);
    connect(menu_, &QMenu::aboutToShow, this, &ToolMenu::refresh);
    connect(&view_, &FormView::eventDelivered, this, &ToolMenu::refresh);
    refresh();
}

QMenuBar* ToolMenu::makeMenuBar(const std::vector<std::string>& titles) {
    auto* bar = new QMenuBar;
    bar->setObjectName("menuBar");
    for (const std::string& title : titles) {
        QMenu* menu = bar->addMenu("&" + QString::fromUtf8(i18n::tr(title.c_str())));
        menu->setObjectName(QString::fromStdString("mnu" + title));
        menu->setToolTipsVisible(true);
        connect(menu, &QMenu::aboutToShow, this, &ToolMenu::refresh);
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].menu != title)
                continue;
            if (entries_[i].separatorBefore && !menu->isEmpty())
                menu->addSeparator();
            menu->addAction(actions_[i]);
        }
    }
    return bar;
}

void ToolMenu::popup(QPoint position) {
    menu_->popup(view_.mapToGlobal(position));
}

void ToolMenu::refresh() {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        actions_[i]->setEnabled(entries_[i].isEnabled());
        if (actions_[i]->isCheckable())
            actions_[i]->setChecked(entries_[i].isChecked());
    }
}
