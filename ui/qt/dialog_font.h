#pragma once

#include <QFont>

// The face every caption and text of the window is set in, at a size in logical pixels.
QFont dialogFont(int pixelSize);
