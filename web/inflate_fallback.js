// fflate's inflater alone, for the browsers without a DecompressionStream: web/page_loader.js
// imports this module only there, so that no other browser makes fflate's tables at the start.
export { unzlibSync } from 'fflate';
