#include "ui/web/browser_services.h"

#include "ui/web/dom.h"
#include "ui/web/dom_events.h"

using emscripten::val;

namespace {

// The reason a promise gave, as text a user can read.
std::string reasonOf(const val& error) {
    if (error.isNull() || error.isUndefined())
        return "no reason given";
    const val message = error["message"];
    if (message.isString() && !message.as<std::string>().empty())
        return message.as<std::string>();
    return val::global("String")(error).as<std::string>();
}

bool available(const val& object, const char* member) {
    return !object.isUndefined() && !object.isNull() && !object[member].isUndefined() &&
           !object[member].isNull();
}

}  // namespace

BrowserServices::BrowserServices() {
    pngMade_ = DomEvents::function([this](val blob) {
        if (pngNames_.empty())
            return;
        const std::string name = pngNames_.front();
        pngNames_.pop_front();
        if (!blob.isNull())
            saveBlob(blob, name);
    });
    fulfilled_ = DomEvents::function([this](val) {
        Done done = std::move(pending_);
        pending_ = nullptr;
        if (done)
            done("");
    });
    rejected_ = DomEvents::function([this](val error) {
        Done done = std::move(pending_);
        pending_ = nullptr;
        if (done)
            done(reasonOf(error));
    });
}

void BrowserServices::saveBlob(const val& blob, const std::string& name) {
    const val url = val::global("URL").call<val>("createObjectURL", blob);
    val link = dom::create("a", "");
    link.set("href", url);
    link.set("download", name);
    dom::setShown(link, false);
    dom::document()["body"].call<void>("appendChild", link);
    link.call<void>("click");
    link.call<void>("remove");
    // The download has its own copy once it has started; the address is kept a while for it.
    val::global("setTimeout")(
        val::global("URL")["revokeObjectURL"].call<val>("bind", val::global("URL"), url), 60000);
}

void BrowserServices::savePng(const val& canvas, const std::string& name) {
    pngNames_.push_back(name);
    canvas.call<void>("toBlob", pngMade_, val("image/png"));
}

void BrowserServices::saveText(const std::string& text, const std::string& type,
                               const std::string& name) {
    val parts = val::array();
    parts.call<void>("push", text);
    val options = val::object();
    options.set("type", type);
    saveBlob(val::global("Blob").new_(parts, options), name);
}

void BrowserServices::settle(val promise, Done done) {
    pending_ = std::move(done);
    promise.call<val>("then", fulfilled_, rejected_);
}

void BrowserServices::copyPng(const val& canvas, Done done) {
    const val clipboard = val::global("navigator")["clipboard"];
    if (!available(clipboard, "write") || val::global("ClipboardItem").isUndefined()) {
        done("this browser lets no page put a picture on the clipboard");
        return;
    }
    // The item is made at once with a promise of the picture: some browsers refuse a write that
    // is not made while the key or click is being handled.
    val items = val::object();
    items.set("image/png", val::module_property("pngOf")(canvas));
    val list = val::array();
    list.call<void>("push", val::global("ClipboardItem").new_(items));
    settle(clipboard.call<val>("write", list), std::move(done));
}

void BrowserServices::copyText(const std::string& text, Done done) {
    const val clipboard = val::global("navigator")["clipboard"];
    if (!available(clipboard, "writeText")) {
        done("this browser lets no page write to the clipboard here");
        return;
    }
    settle(clipboard.call<val>("writeText", text), std::move(done));
}

bool BrowserServices::fullScreen() {
    const val element = dom::document()["fullscreenElement"];
    return !element.isNull() && !element.isUndefined();
}

void BrowserServices::setFullScreen(const val& element, bool on, Done done) {
    if (on == fullScreen()) {
        done("");
        return;
    }
    if (on) {
        if (!available(element, "requestFullscreen")) {
            done("this browser has no full-screen mode for pages");
            return;
        }
        settle(element.call<val>("requestFullscreen"), std::move(done));
    } else {
        settle(dom::document().call<val>("exitFullscreen"), std::move(done));
    }
}
