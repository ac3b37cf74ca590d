#include "app/form_options.h"

#include "app/form1.h"

drawing::FormOptions formOptions(const Form1& form) {
    drawing::FormOptions options;
    options.projector = form.tools.projector();
    options.curve = form.tools.theoryCurve();
    if (!options.curve.empty()) {
        // The box of the histogram's axes: Line3 stands at its left, Line4 is its baseline.
        const double left = form.Line3.x1();
        const double top = form.Line3.y1();
        options.curveArea = {left, top, double{form.Line4.x2()} - left,
                             double{form.Line4.y1()} - top};
        options.curveColour = drawing::Rgba::from(theory_curve::kColour);
    }
    return options;
}
