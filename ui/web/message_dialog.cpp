#include "ui/web/message_dialog.h"

#include "i18n/translate.h"
#include "ui/web/dom.h"
#include "ui/web/dom_events.h"

using emscripten::val;

MessageDialog::MessageDialog(val stage)
    : box_(dom::create("div", "message")),
      heading_(dom::create("h2", "message-title")),
      body_(dom::create("div", "message-body")),
      close_(dom::create("button", "message-close")) {
    box_.set("id", val("message"));
    dom::setAttribute(box_, "role", "dialog");
    dom::setAttribute(box_, "aria-modal", "true");
    heading_.set("id", val("messageTitle"));
    dom::setAttribute(box_, "aria-labelledby", "messageTitle");
    close_.set("type", val("button"));
    close_.set("textContent", val(std::string(i18n::tr("Close"))));
    box_.call<void>("appendChild", heading_);
    box_.call<void>("appendChild", body_);
    box_.call<void>("appendChild", close_);
    dom::setShown(box_, false);
    stage.call<void>("appendChild", box_);
    DomEvents::listen(close_, "click", [this](val) { close(); });
    DomEvents::listen(box_, "keydown", [this](val event) {
        // A modal dialog: no key reaches the tools behind it. The Close button is all there is
        // to reach, so Tab leaves the focus on it; Enter and Space press it as any button's.
        const std::string key = event["key"].as<std::string>();
        event.call<void>("stopPropagation");
        if (key == "Escape" || (key == "Tab" && !choosing_)) {
            event.call<void>("preventDefault");
            if (key == "Escape")
                close();
        }
    });
}

void MessageDialog::show(const std::string& title, const std::string& text) {
    dom::setText(heading_, title);
    body_.set("textContent", val(""));
    val table = val::null();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            table = val::null();
            if (!line.empty()) {
                val paragraph = dom::create("p", "message-line");
                paragraph.set("textContent", line);
                body_.call<void>("appendChild", paragraph);
            }
            continue;
        }
        if (table.isNull()) {
            table = dom::create("table", "message-table");
            body_.call<void>("appendChild", table);
        }
        val row = dom::create("tr", "");
        val key = dom::create("th", "");
        dom::setAttribute(key, "scope", "row");
        key.set("textContent", line.substr(0, tab));
        val what = dom::create("td", "");
        what.set("textContent", line.substr(tab + 1));
        row.call<void>("appendChild", key);
        row.call<void>("appendChild", what);
        table.call<void>("appendChild", row);
    }
    choosing_ = false;
    open(close_);
}

void MessageDialog::choose(const std::string& title,
                           const std::vector<std::pair<std::string, std::string>>& choices,
                           const std::string& current,
                           std::function<void(const std::string&)> picked, Codes codes) {
    dom::setText(heading_, title);
    body_.set("textContent", val(""));
    picked_ = std::move(picked);
    val focus = close_;
    for (const auto& [code, name] : choices) {
        val button = dom::create("button", "message-choice");
        button.set("type", val("button"));
        button.set("textContent", name);
        if (codes == Codes::Languages) {
            // Each name is said in its own language.
            button.set("lang", code);
            button.set("dir", val("auto"));
        }
        if (code == current) {
            if (codes == Codes::Languages)
                dom::setAttribute(button, "aria-current", "true");
            focus = button;
        }
        DomEvents::listen(button, "click", [this, code = code](val) {
            close();
            if (picked_)
                picked_(code);
        });
        body_.call<void>("appendChild", button);
    }
    choosing_ = true;
    open(focus);
}

// Shows the dialog with the focus on `focus`, the text read from its top.
void MessageDialog::open(val focus) {
    if (!open_)
        focusBefore_ = dom::document()["activeElement"];
    open_ = true;
    dom::setShown(box_, true);
    val options = val::object();
    options.set("preventScroll", true);
    focus.call<void>("focus", options);
    box_.set("scrollTop", 0);
}

void MessageDialog::close() {
    if (!open_)
        return;
    open_ = false;
    dom::setShown(box_, false);
    if (!focusBefore_.isNull() && !focusBefore_.isUndefined())
        focusBefore_.call<void>("focus");
    focusBefore_ = val::null();
}
