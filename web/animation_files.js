// The files an animation is written to in the browser: a looping GIF made by gifenc (each frame
// with a palette of its own, 256 colours), or a WebM video that the browser's MediaRecorder makes
// from a canvas. The page's C++ (web/page_services.cpp) draws each frame on a canvas and hands it
// over with the time it shows; finish() gives the file as a Blob, or a promise of one.
import { GIFEncoder, quantize, applyPalette } from 'gifenc';

function pixelsOf(canvas) {
    return canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
}

function gif() {
    const encoder = GIFEncoder();
    return {
        add(canvas, milliseconds) {
            const pixels = pixelsOf(canvas);
            const palette = quantize(pixels, 256);
            // repeat 0: the first frame's NETSCAPE2.0 block makes it loop for ever.
            encoder.writeFrame(applyPalette(pixels, palette), canvas.width, canvas.height,
                { palette, delay: milliseconds, repeat: 0 });
        },
        finish() {
            encoder.finish();
            return new Blob([encoder.bytes()], { type: 'image/gif' });
        },
    };
}

function webmType() {
    if (typeof MediaRecorder === 'undefined' || typeof HTMLCanvasElement === 'undefined' ||
        !HTMLCanvasElement.prototype.captureStream) {
        return '';
    }
    return ['video/webm;codecs=vp9', 'video/webm;codecs=vp8', 'video/webm']
        .find((type) => MediaRecorder.isTypeSupported(type)) || '';
}

// The frames are played into a canvas of the video's own, each held for its time, while the
// recorder films it: the caller hands a frame over when the last one's time is up.
function webm(width, height) {
    const screen = document.createElement('canvas');
    screen.width = width;
    screen.height = height;
    const stream = screen.captureStream(0);
    const track = stream.getVideoTracks()[0];
    const recorder = new MediaRecorder(stream, { mimeType: webmType() });
    const parts = [];
    recorder.ondataavailable = (event) => {
        if (event.data && event.data.size > 0) parts.push(event.data);
    };
    recorder.start();
    return {
        add(canvas) {
            screen.getContext('2d').drawImage(canvas, 0, 0);
            if (track.requestFrame) track.requestFrame();
        },
        finish() {
            return new Promise((resolve) => {
                recorder.onstop = () => resolve(new Blob(parts, { type: 'video/webm' }));
                recorder.stop();
            });
        },
    };
}

globalThis.propagationAnimation = { gif, webm, webmAvailable: () => webmType() !== '' };
