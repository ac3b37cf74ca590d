#include "demos/demonstrations.h"

#include <algorithm>

#include "app/form1.h"
#include "demos/fading/fading.h"
#include "demos/fading/fading_data.h"
#include "demos/fading/record_overlay.h"
#include "demos/phasors/numbers_overlay.h"
#include "demos/phasors/phasor_data.h"
#include "demos/phasors/phasor_words.h"
#include "demos/phasors/phasors.h"
#include "demos/polarisation/ellipse_overlay.h"
#include "demos/polarisation/polarisation.h"
#include "demos/polarisation/polarisation_data.h"
#include "demos/polarisation/polarisation_words.h"
#include "demos/waves/group_velocity.h"
#include "demos/waves/plane_wave.h"
#include "demos/waves/wave_data.h"
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

std::vector<double> stillPicture(const Form1&) {
    return {};
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
         wave_trace::figures,
         wave_data::groups,
         group_velocity::periods},
        {N_("Polarisation"),
         polarisation_words::describe,
         polarisation_words::describeLessons,
         noNews,
         polarisation::drawEllipse,
         {Lesson::Ellipse},
         Theory::Off,
         polarisation::figures,
         polarisation::data,
         polarisation::periods},
        {N_("Plane Wave"),
         wave_words::describePlaneWave,
         nothing,
         noNews,
         noDrawing,
         {},
         Theory::Off,
         wave_trace::figures,
         wave_data::planeWave,
         plane_wave::periods},
        {N_("Rayleigh"),
         fading_words::describe,
         fading_words::describeLessons,
         fadingNews,
         fading_record::drawRecord,
         {Lesson::FadingRecord},
         Theory::Rayleigh,
         fading::figures,
         fading_data::data,
         nullptr},
        {N_("Ricean"),
         fading_words::describe,
         fading_words::describeLessons,
         fadingNews,
         fading_record::drawRecord,
         {Lesson::FadingRecord},
         Theory::Ricean,
         fading::figures,
         fading_data::data,
         nullptr},
        {N_("Phasors"),
         phasor_words::describe,
         phasor_words::describeLessons,
         noNews,
         phasors::drawNumbers,
         {Lesson::PhasorNumbers},
         Theory::Off,
         phasors::figures,
         phasors::data,
         stillPicture},
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

std::vector<DataTable> dataOf(const Form1& form) {
    const Demonstration* demonstration = shown(form);
    return demonstration != nullptr ? demonstration->data(form) : std::vector<DataTable>{};
}

}  // namespace demos
