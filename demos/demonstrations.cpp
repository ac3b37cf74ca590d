#include "demos/demonstrations.h"

#include <algorithm>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/record_overlay.h"
#include "demos/phasors/numbers_overlay.h"
#include "demos/phasors/phasor_words.h"
#include "demos/phasors/phasors.h"
#include "demos/polarisation/ellipse_overlay.h"
#include "demos/polarisation/polarisation.h"
#include "demos/polarisation/polarisation_words.h"
#include "demos/waves/wave_trace.h"
#include "i18n/translate.h"

namespace demos {
namespace {

using theory_curve::Theory;

void nothing(const Form1&, words::Writer&) {}
void noDrawing(const Form1&, std::vector<drawing::Overlay>&) {}
std::string noNews(const Form1&, NewsWatch&, bool) {
    return "";
}

std::string groupNews(const Form1& form, NewsWatch& watch, bool) {
    return wave_words::groupNews(form, watch.groups);
}

std::string fadingNews(const Form1& form, NewsWatch& watch, bool mayTell) {
    return fading_words::news(form, watch.fading, mayTell);
}

const std::vector<Demonstration>& list() {
    static const std::vector<Demonstration> demonstrations = {
        {N_("Group Velocity"),
         wave_words::describeGroups,
         nothing,
         groupNews,
         noDrawing,
         {},
         Theory::Off,
         wave_trace::figures},
        {N_("Polarisation"),
         polarisation_words::describe,
         polarisation_words::describeLessons,
         noNews,
         polarisation::drawEllipse,
         {Lesson::Ellipse},
         Theory::Off,
         polarisation::figures},
        {N_("Plane Wave"),
         wave_words::describePlaneWave,
         nothing,
         noNews,
         noDrawing,
         {},
         Theory::Off,
         wave_trace::figures},
        {N_("Rayleigh"),
         fading_words::describe,
         fading_words::describeLessons,
         fadingNews,
         fading_record::drawRecord,
         {Lesson::FadingRecord},
         Theory::Rayleigh,
         fading::figures},
        {N_("Ricean"),
         fading_words::describe,
         fading_words::describeLessons,
         fadingNews,
         fading_record::drawRecord,
         {Lesson::FadingRecord},
         Theory::Ricean,
         fading::figures},
        {N_("Phasors"),
         phasor_words::describe,
         phasor_words::describeLessons,
         noNews,
         phasors::drawNumbers,
         {Lesson::PhasorNumbers},
         Theory::Off,
         phasors::figures},
    };
    return demonstrations;
}

}  // namespace

bool Demonstration::offers(Lesson lesson) const {
    return std::find(lessons.begin(), lessons.end(), lesson) != lessons.end();
}

std::span<const Demonstration> all() {
    return list();
}

const Demonstration* shown(const Form1& form) {
    for (const Demonstration& demonstration : list()) {
        if (form.cmbDemo.text() == demonstration.name)
            return &demonstration;
    }
    return nullptr;
}

bool offers(const Form1& form, Lesson lesson) {
    const Demonstration* demonstration = shown(form);
    return demonstration != nullptr && demonstration->offers(lesson);
}

}  // namespace demos
