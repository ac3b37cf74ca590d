// The browser view's JavaScript: Module.handler(id) is a function that hands its argument (a DOM
// event, or nothing from a timer) to the C++ handler registered under `id`
// (ui/web/dom_events.cpp), two small wrappers of browser calls that C++ cannot make directly, and
// the two calls that the painting makes many times a frame: a painter's written-down Canvas 2D
// calls made in one go, and a text's width. Everything else the view does is C++.
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

// The Canvas 2D calls that ui/web/canvas_painter.cpp wrote down: `numbers` holds each command's
// number and then its arguments, a text as its offset and length in `bytes` (UTF-8). The numbers
// are CanvasPainter::Command's, in its order.
var paintTextProperties = ['fillStyle', 'strokeStyle', 'font', 'lineCap', 'lineJoin', 'textBaseline',
    'textAlign'];
var paintDecoder = typeof TextDecoder === 'function' ? new TextDecoder() : null;
Module['paintCanvas'] = function (context, numbers, bytes) {
    var n = numbers;
    var text = function (at) {
        return paintDecoder.decode(bytes.subarray(n[at], n[at] + n[at + 1]));
    };
    for (var i = 0; i < n.length;) {
        switch (n[i++]) {
        case 0: context.setTransform(n[i], n[i + 1], n[i + 2], n[i + 3], n[i + 4], n[i + 5]); i += 6; break;
        case 1: context[paintTextProperties[n[i]]] = text(i + 1); i += 3; break;
        case 2: context.lineWidth = n[i]; i += 1; break;
        case 3:
            context.setLineDash(n[i] > 0 ? [n[i], 2 * n[i]] : []);
            context.lineDashOffset = 0;
            i += 1;
            break;
        case 4: context.beginPath(); break;
        case 5: context.moveTo(n[i], n[i + 1]); i += 2; break;
        case 6: context.lineTo(n[i], n[i + 1]); i += 2; break;
        case 7: context.stroke(); break;
        case 8: context.fill(); break;
        case 9: context.arc(n[i], n[i + 1], n[i + 2], n[i + 3], n[i + 4], n[i + 5] !== 0); i += 6; break;
        case 10: context.rect(n[i], n[i + 1], n[i + 2], n[i + 3]); i += 4; break;
        case 11: context.ellipse(n[i], n[i + 1], n[i + 2], n[i + 3], n[i + 4], n[i + 5], n[i + 6]); i += 7; break;
        case 12: context.fillRect(n[i], n[i + 1], n[i + 2], n[i + 3]); i += 4; break;
        case 13: context.save(); break;
        case 14: context.clip(); break;
        case 15: context.restore(); break;
        case 16: {
            // A line of text in its box: on its baseline, at the top of the box or centred in its
            // height by the face's ascent and descent.
            var words = text(i + 5);
            var metrics = context.measureText(words);
            var ascent = metrics.fontBoundingBoxAscent;
            var top = n[i + 4] !== 0
                ? n[i + 1] + (n[i + 3] - (ascent + metrics.fontBoundingBoxDescent)) / 2 : n[i + 1];
            context.fillText(words, n[i], top + ascent);
            i += 7;
            break;
        }
        default: throw new Error('a painting command the page does not know: ' + n[i - 1]);
        }
    }
};

// A text's width in pixels in a CSS font, on a context kept for measuring.
Module['textWidth'] = function (context, font, text) {
    if (context.measuringFont !== font) {
        context.font = font;
        context.measuringFont = font;
    }
    return context.measureText(text).width;
};
