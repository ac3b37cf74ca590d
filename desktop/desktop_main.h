#pragma once

#include <functional>

class QWidget;

// The desktop edition from its command line to the end of its event loop: the window opens with
// the set-up given there, for example
//   propagation-demos --demo Ricean --one Ten --histogram --theory Ricean --speed half --paused
// "--help" and a bad setting answer before the toolkit starts, with no display needed: a bad
// setting ends the program with a message on stderr and status 2.
// `beforeShow`, where given, gets the window once it is made, before the form loads and before it
// shows (the start-up probe in bench/ watches it for its first painted frame). Returns the
// program's exit status.
int runDesktop(int argc, char* argv[], const std::function<void(QWidget&)>& beforeShow = {});
