#include "app/lesson_layer.h"

#include "app/form1.h"
#include "demos/demonstrations.h"
#include "demos/fading/histogram.h"

drawing::LessonLayer lessonLayer(const Form1& form) {
    drawing::LessonLayer layer;
    layer.projector = form.lesson.projector();
    layer.curve = form.lesson.theoryCurve();
    if (!layer.curve.empty()) {
        layer.curveArea = histogram::axesBox(form);
        layer.curveColour = drawing::Rgba::from(theory_curve::kColour);
    }
    if (const demos::Demonstration* shown = demos::shown(form))
        shown->drawLessons(form, layer.overlays);
    return layer;
}
