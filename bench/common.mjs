// What the page's benchmarks share: the median they quote, and the switches they start Debian's
// Chromium with, the browser tests' own (nothing reaches out, no GPU); each adds its own headless
// switch.
export const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

export const chromiumSwitches = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'];
