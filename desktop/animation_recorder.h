#pragma once

#include <QSize>
#include <QString>
#include <functional>

class Form1;

// "Record animation" on the desktop: `frames` frames of the window from where it stands, drawn on
// a copy of it (animation::Recording) by a view of its own at `size` and written as a looping GIF
// to `path`, each frame shown as long as the timer's interval (100 ms, or the slow motion chosen).
// The window on screen goes on untouched. `progress(done, total)` is told after each frame; when
// it returns false the recording stops and nothing is written. Returns "" or what went wrong.
namespace animation_recorder {

std::string recordGif(const Form1& form, QSize size, int frames, const QString& path,
                      const std::function<bool(int, int)>& progress = {});

}  // namespace animation_recorder
