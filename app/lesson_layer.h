#pragma once

#include "ui/drawing/form_drawing.h"

class Form1;

// What the teaching tools in use add to the window's picture, for the drawing layer: the projector
// contrast, the theory curve over the envelope histogram, clipped to the histogram's axes, and the
// drawings of the lessons of the demonstration on show. Every view (and tools/snapshot) draws the
// window with these.
drawing::LessonLayer lessonLayer(const Form1& form);
