// The browser view's one piece of JavaScript: Module.handler(id) is a function that hands its
// argument (a DOM event, or nothing from a timer) to the C++ handler registered under `id`
// (ui/web/dom_events.cpp). Everything else the view does is C++.
Module['handler'] = function (id) {
    return function (event) {
        Module['dispatchDomEvent'](id, event === undefined ? null : event);
    };
};

// Pointer capture is best effort: a pointer that is no longer active (lifted already, or an
// event made by a script) cannot be captured, and the press goes on without it.
Module['capturePointer'] = function (element, pointerId) {
    try {
        element.setPointerCapture(pointerId);
    } catch (error) {
        // not an active pointer
    }
};
