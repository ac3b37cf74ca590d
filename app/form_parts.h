#pragma once

#include "ui/drawing/arrangement.h"

class Form1;

// What a phone places on its own (drawing::Arrangement): the figures of the demonstration on
// show, in the rows it gives them, and the window's controls that show, in lines: each option
// row's caption above its list and scroll bar, the histogram's button and scroll bars with their
// captions, "Demo:" with its list and "Pause", and the logo.
drawing::PhoneParts phoneParts(const Form1& form);
