#pragma once

#include <memory>
#include <string>

#include "app/narration.h"
#include "app/tool_catalogue.h"
#include "ui/web/browser_services.h"
#include "ui/web/message_dialog.h"
#include "ui/web/tool_menu.h"

class Form1;
class WebFormView;

// The teaching tools in the browser edition: the catalogue's menu in the page, and what only the
// page does for it: the pictures downloaded and copied, the browser's full-screen mode, the
// set-up carried in the page's address (propagation-demos.html#demo=Ricean&one=Ten&histogram),
// and the picture told to a screen reader (the narration's words handed to the view).
class PageServices : public EditionServices {
public:
    PageServices(Form1& form, WebFormView& view);
    ~PageServices() override;
    PageServices(const PageServices&) = delete;
    PageServices& operator=(const PageServices&) = delete;

    // Makes the set-up that the address's fragment names, as the user would; a fragment that
    // cannot be used is shown in the page, and then nothing of it is made.
    void applyAddressSetup();

    void copyPicture() override;
    void savePicture(int factor) override;
    bool fullScreen() const override;
    void toggleFullScreen() override;
    void copySetUp() override;
    void copyData() override;
    void saveData() override;
    void recordAnimation() override;
    void describePicture() override;
    void showMessage(const std::string& title, const std::string& text) override;
    void chooseLanguage() override;
    tool_catalogue::Edition edition() const override { return tool_catalogue::Edition::Browser; }

private:
    // A recording under way: its copy of the window, the file's encoder (gifenc's GIF or the
    // browser's WebM), the frame's time, and the file's name.
    struct Recording;
    void startRecording(const std::string& format, int frames);
    BrowserServices::Done told(const char* copied, const char* refused);
    void recordStep();

    Form1& form_;
    WebFormView& view_;
    BrowserServices services_;
    Narration narration_;
    std::unique_ptr<ToolMenu> menu_;
    MessageDialog message_;
    std::unique_ptr<Recording> recording_;
    emscripten::val recordStep_ = emscripten::val::null();
    emscripten::val recordFinish_ = emscripten::val::null();
    emscripten::val recordSaved_ = emscripten::val::null();
};
