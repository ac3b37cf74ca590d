// How the page starts its program: the WebAssembly is inlined in the page compressed (zlib, by
// web/make_page.mjs, as WASM_DEFLATED in base64) and is inflated and compiled as a stream, off the
// page's main thread, while the page paints and answers. Where the browser has no
// DecompressionStream (Safari before 16.4), fflate inflates it instead: imported only there, since
// making its tables costs every other browser 20 ms or more at the start. The Content-Security-
// Policy forbids fetching the page's own data: address, so the Response is made here.

/* global Module, WASM_DEFLATED, abort */
// Named once: esbuild writes the bytes where the name stands.
const deflated = WASM_DEFLATED;

// The browser's own base64 decoder where it has one; else a byte a character, in a plain loop: a
// function called for each of them costs ten times as much.
const compressed = () => {
    if (typeof Uint8Array.fromBase64 === 'function')
        return Uint8Array.fromBase64(deflated);
    const text = atob(deflated);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return bytes;
};

Module['instantiateWasm'] = (imports, receive) => {
    const wasm = { headers: { 'Content-Type': 'application/wasm' } };
    const response = typeof DecompressionStream === 'function'
        ? Promise.resolve(new Response(new Blob([compressed()]).stream()
            .pipeThrough(new DecompressionStream('deflate')), wasm))
        : import('./inflate_fallback.js').then(({ unzlibSync }) => new Response(unzlibSync(compressed()), wasm));
    const made = response.then((inflating) => typeof WebAssembly.instantiateStreaming === 'function'
        ? WebAssembly.instantiateStreaming(inflating, imports)
        : inflating.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, imports)));
    made.then((output) => receive(output.instance, output.module),
        (reason) => abort('the program could not be compiled: ' + reason));
    return {};
};
