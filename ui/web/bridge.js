// The browser view's JavaScript: Module.handler(id) is a function that hands its argument (a DOM
// event, or nothing from a timer) to the C++ handler registered under `id`
// (ui/web/dom_events.cpp), and two small wrappers of browser calls that C++ cannot make
// directly. Everything else the view does is C++.
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

// A canvas's picture as a promise of a PNG Blob: what a clipboard item wants to be given while
// the key or click that asked for it is still being handled.
Module['pngOf'] = function (canvas) {
    return new Promise(function (resolve, reject) {
        canvas.toBlob(function (blob) {
            if (blob) {
                resolve(blob);
            } else {
                reject(new Error('the picture could not be made into a PNG'));
            }
        }, 'image/png');
    });
};
