#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "demos/data_table.h"
#include "demos/fading/fading_words.h"
#include "demos/fading/theory_curve.h"
#include "demos/figure.h"
#include "demos/waves/wave_words.h"
#include "demos/words.h"
#include "ui/drawing/form_drawing.h"

class Form1;

// The demonstrations, listed once, each with what it offers the rest of the program: its name as
// the demo list shows it, its words, the lesson tools that draw over it and their overlays, and
// the figures its picture is made of. The set-up and the frame of each are Form1's own dispatch
// (SetupDemo, DrawFrame); everything else that depends on the demonstration asks this list.
namespace demos {

// The lesson tools that draw over one demonstration's picture (the theory curve goes with the
// demonstration's theory).
enum class Lesson { FadingRecord, Ellipse, PhasorNumbers };

// What the ticks of a running picture watch for news, kept by whoever tells it (the narration):
// each demonstration's part is its own.
struct NewsWatch {
    fading_words::Watch fading;
    wave_words::GroupWatch groups;
    // Another picture was chosen: what waits to be told starts afresh.
    void pictureChanged() { fading.histogramSettled = false; }
};

struct Demonstration {
    std::string_view name;
    // The sentences of its picture as the window now stands.
    void (*describe)(const Form1& form, words::Writer& w);
    // The sentences of its lesson tools in use, after the animation's.
    void (*describeLessons)(const Form1& form, words::Writer& w);
    // The news of the frame just drawn ("" for none); `mayTell` says whether the news would be
    // told now, for what waits to be told.
    std::string (*news)(const Form1& form, NewsWatch& watch, bool mayTell);
    // Its lesson tools' drawings over the picture, as they stand (none where none is on).
    void (*drawLessons)(const Form1& form, std::vector<drawing::Overlay>& out);
    // The lesson tools it offers, and the theory curve that fits its histogram (Off: none).
    std::vector<Lesson> lessons;
    theory_curve::Theory theory;
    // The figures of its picture.
    std::vector<Figure> (*figures)(const Form1& form);
    // The numbers behind its picture as it stands, a table a file ("Copy data", "Save data").
    std::vector<DataTable> (*data)(const Form1& form);
    // The periods, in frames, of what moves in its picture (none for a still picture); null for
    // a picture that never repeats. A recording of one loop takes as many frames as they share.
    std::vector<double> (*periods)(const Form1& form);

    bool offers(Lesson lesson) const;
};

// In the order of the demo list.
std::span<const Demonstration> all();
// The demonstration that the text of cmbDemo names, exactly; null for a text that names none.
const Demonstration* shown(const Form1& form);
// Whether the demonstration shown offers `lesson`.
bool offers(const Form1& form, Lesson lesson);
// The numbers behind the picture on show; none where no demonstration is shown.
std::vector<DataTable> dataOf(const Form1& form);

}  // namespace demos
