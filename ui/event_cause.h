#pragma once

// What brought an event to the model, as a view delivers it: the user's own action, a key typed
// into a list's text (the user is still typing), or a tick of a timer.
enum class EventCause { User, Typing, Tick };
