#include "ui/web/message_dialog.h"

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
    close_.set("textContent", val("Close"));
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
        if (key == "Escape" || key == "Tab") {
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
    if (!open_)
        focusBefore_ = dom::document()["activeElement"];
    open_ = true;
    dom::setShown(box_, true);
    // The focus on Close, the text read from its top.
    val options = val::object();
    options.set("preventScroll", true);
    close_.call<void>("focus", options);
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
