#include "app/form_parts.h"

#include <initializer_list>

#include "app/form1.h"
#include "demos/demonstrations.h"

namespace {

// The option rows begin at y = 7200: above them is the picture.
constexpr double kRows = 7200;

}  // namespace

drawing::PhoneParts phoneParts(const Form1& form) {
    drawing::PhoneParts parts;
    parts.picture = {0, 0, form.clientWidth(), kRows};
    if (const demos::Demonstration* shown = demos::shown(form)) {
        const std::vector<demos::Figure> figures = shown->figures(form);
        // Rows in their numbers' order, a row with no figure left out; the lessons' panels and
        // words apart, in their order.
        const auto rows = [&figures](int demos::Figure::*row) {
            std::vector<std::vector<RectF>> out;
            for (int number = 0; number < static_cast<int>(figures.size()); ++number) {
                std::vector<RectF> boxes;
                for (const demos::Figure& figure : figures) {
                    if (figure.*row == number && !figure.lesson)
                        boxes.push_back(figure.box);
                }
                if (!boxes.empty())
                    out.push_back(std::move(boxes));
            }
            return out;
        };
        parts.upright = rows(&demos::Figure::uprightRow);
        parts.sideways = rows(&demos::Figure::sidewaysRow);
        for (const demos::Figure& figure : figures) {
            if (figure.lesson)
                parts.notes.push_back(figure.box);
        }
    }
    const Form1& f = form;
    const std::initializer_list<std::initializer_list<const BoxControl*>> lines = {
        {&f.lblOne},
        {&f.cmbOne, &f.hscAmp1},
        {&f.lblTwo},
        {&f.cmbTwo, &f.hscAmp2},
        {&f.lblThree, &f.lblFour},
        {&f.hscPhase},
        {&f.cmdHist},
        {&f.lblRate, &f.hscRate},
        {&f.lblFixed, &f.hscFixed},
        {&f.Label1, &f.cmbDemo, &f.cmdStart},
        {&f.imgTarm},
    };
    for (const auto& line : lines) {
        std::vector<RectF> shown;
        for (const BoxControl* control : line) {
            if (!control->visible())
                continue;
            shown.push_back(control->box());
            if (dynamic_cast<const Label*>(control) != nullptr)
                parts.labels.push_back(control->box());
        }
        if (!shown.empty())
            parts.controls.push_back(std::move(shown));
    }
    return parts;
}
