#pragma once

#include <string>
#include <vector>

#include "demos/figure.h"
#include "ui/point_f.h"

class Form1;

// "Polarisation": the momentary tips of two field components and of their sum, 1800 twips per
// unit of amplitude around the crossing of the axes, each with its projections onto the axes.
// One cycle takes 24 frames; component 2 is shifted by the relative phase of hscPhase.
namespace polarisation {

struct FieldVector {
    double x = 0;  // horizontal part, to the right
    double y = 0;  // vertical part, downwards on the screen
};

// The field vector of a polarisation named by `text` at phase `phase`; any text that is not one
// of the five entries, exactly, gives (0, 0) as "Off" does.
FieldVector fieldVector(const std::string& text, double phase);
// Whether `text` names a component that makes a field: one of the four entries but "Off".
bool namesComponent(const std::string& text);

void setUp(Form1& form);
void drawFrame(Form1& form);

// The path that the tip of the sum runs along over one cycle (24 frames), worked out from the
// components, their amplitudes and the relative phase: the sum at a phase phi of component 1 is
// a cos(phi) + b sin(phi), an ellipse with these semi-axes, in units of amplitude.
struct Ellipse {
    enum class Kind {
        None,        // the components cancel, or both are off: the tip stays on the centre
        Linear,      // a line through the centre
        Circular,    // a circle
        Elliptical,  // anything between
    };
    Kind kind = Kind::None;
    double major = 0;  // the semi-axes
    double minor = 0;
    // The long axis against the horizontal axis, in degrees counter-clockwise as a student sees
    // it (y upwards), more than -90 and at most 90.
    double tiltDegrees = 0;
    // The way the tip turns on the screen; a "Right-Hand Circular" component turns clockwise.
    bool clockwise = false;
    // The long axis over the short one: 1 for a circle, infinite for a line.
    double axialRatio() const;
};
Ellipse ellipseOf(const Form1& form);

// The phase of component 1 at frame `frame`, in radians: a cycle every 24 frames.
double phaseAtFrame(double frame);
// The frames after which the picture repeats: one cycle.
std::vector<double> periods(const Form1& form);
// Component 1 or 2 (by its list, its amplitude and, for 2, the relative phase) when component 1 is
// at `phase1`, in units of amplitude, by the frame's own rules.
FieldVector componentAt(const Form1& form, int component, double phase1);
// The sum of the two components when component 1 is at `phase1`, by the frame's own rules.
FieldVector sumAt(const Form1& form, double phase1);
// Where the tip of the sum stood in the last full cycle, the 24 frames up to this one, in twips,
// oldest first: the path that the ellipse tool draws.
std::vector<PointF> trail(const Form1& form);
// The whole path of the sum over one cycle as a smooth closed curve, in twips: the tip at
// `samples` phases of component 1, evenly spaced from 0, by the frame's own rules (sumAt).
inline constexpr int kCurveSamples = 144;
std::vector<PointF> curve(const Form1& form, int samples = kCurveSamples);
// The ellipse in a few words for the ellipse tool's caption, in two lines: its kind and its turn
// ("Elliptical, left-handed (counter-clockwise)"), then its axial ratio and its tilt ("axial ratio
// 2.41, tilt -45°"), in the language in use; a line or no field takes one line, the second
// empty.
struct CaptionLines {
    std::string first;
    std::string second;
};
CaptionLines captionLines(const Ellipse& ellipse);
// The two lines as one: "Elliptical, left-handed (counter-clockwise), axial ratio 2.41, tilt -45°".
std::string caption(const Ellipse& ellipse);

// Where the ellipse tool writes its caption: the top right, where the polarisation shows nothing,
// four lines at the window's labels' size.
inline constexpr RectF kEllipseCaptionArea{7440, 300, 4260, 2040};

// The figures of the polarisation picture: the axes, with the circles and their projections, and
// the ellipse tool's caption while it shows.
std::vector<demos::Figure> figures(const Form1& form);

}  // namespace polarisation
