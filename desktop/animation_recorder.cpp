#include "desktop/animation_recorder.h"

#include "app/animation.h"
#include "app/form1.h"
#include "app/lesson_layer.h"
#include "i18n/translate.h"
#include "ui/qt/form_view.h"
#include "ui/qt/gif_writer.h"
#include "ui/qt/picture_files.h"

namespace animation_recorder {

std::string recordGif(const Form1& form, QSize size, int frames, const QString& path,
                      const std::function<bool(int, int)>& progress) {
    animation::Recording recording(form, frames);
    Form1& copy = recording.window();
    // A view of the copy that is never shown: its widgets are drawn into each frame as the
    // window's are, its clock stays still with the copy's timer.
    FormView view(copy);
    view.setLessonLayer([&copy] { return lessonLayer(copy); });
    view.resize(size);
    view.deliver([] {});
    GifWriter gif;
    if (!gif.open(path, size, animation::frameMilliseconds(copy)))
        return gif.error().toStdString();
    for (int frame = 0;; ++frame) {
        if (!gif.add(picture_files::render(view, 1)))
            return gif.error().toStdString();
        if (progress && !progress(frame + 1, recording.frames()))
            return i18n::tr("The recording was stopped.");
        if (recording.atLastFrame())
            break;
        view.deliver([&recording] { recording.advance(); });
    }
    return gif.close() ? "" : gif.error().toStdString();
}

}  // namespace animation_recorder
