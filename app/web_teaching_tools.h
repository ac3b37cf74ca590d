#pragma once

#include <memory>
#include <string>

#include "ui/web/page_services.h"
#include "ui/web/tool_menu.h"

class Form1;
class WebFormView;

// The teaching tools in the browser edition: the page's context menu and shortcuts for them, the
// pictures saved and copied, the full-screen mode and the set-up carried in the page's address
// (propagation-demos.html#demo=Ricean&one=Ten&histogram).
class WebTeachingTools {
public:
    WebTeachingTools(Form1& form, WebFormView& view);
    WebTeachingTools(const WebTeachingTools&) = delete;
    WebTeachingTools& operator=(const WebTeachingTools&) = delete;

    // Makes the set-up that the address's fragment names, as the user would; a fragment that
    // cannot be used is shown in the page, and then nothing of it is made.
    void applyAddressSetup();

private:
    void copyPicture();
    void savePicture(double factor);
    void toggleFullScreen();
    void copyLink();
    std::string fileName() const;

    Form1& form_;
    WebFormView& view_;
    PageServices services_;
    std::unique_ptr<ToolMenu> menu_;
};
