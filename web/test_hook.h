#pragma once

class Form1;
class PageServices;
class WebFormView;

// window.propagationTest, on the test page only: what the browser tests read and drive without a
// wall clock.
//   ready                  true once the window has loaded (the event "propagation-ready" says so)
//   tick(n)                n ticks of tmrOne, as its clock would deliver them
//   paint()                paints what changed now, not at the next animation frame
//   control(name)          every property of a control ("cmbOne", "lnePlot(5)"), or null
//   frameCount()           Form1's FrameCount
//   invariants()           what InvariantChecker finds broken (tests/fuzz): [] when all hold
//   clock()                {running, period} of tmrOne's browser clock
//   geometry()             {pixelsPerTwip, offsetX, offsetY, devicePixelRatio} of the picture
//                          (the whole form on a large screen)
//   arrangement()          {kind, width, height, controlScale, panes: [{place, contentHeight}],
//                          regions: [{twips, pane, page, pixelsPerTwip}]}: where the form's
//                          figures and controls stand in the page (drawing::Arrangement)
//   clientPoint(x, y)      a point in twips as the viewport's CSS pixels, through its region
//   paintedTexts()         [{text, pixelSize, pane}]: every text on the canvases, as its region
//                          sets it
//   cutAtRegionEdges()     names of the visible painted controls a region's edge cuts
//   error()                the program error shown in the page, "" while none
//   tools()                {paused, speed, theory, projector} of the teaching tools
//   catalogue()            the tools' catalogue as the page's edition has it, in its order:
//                          [{id, label, key, kind, enabled, checked}] as the window now stands
//   events()               how often each event was raised since the load: {"cmbOne.Change": 3}
//   setup(fragment)        makes a prepared set-up ("demo=Ricean&histogram"), as the desktop's
//                          snapshot takes it; returns the error, "" when all was made
//   nonShapeBoxes()        {texts, windowed}: boxes in twips of every text set (captions, the
//                          logo's lettering) and of every visible windowed control
//   breakInvariant(text)   runs an event that throws ProgramError(text), as a program fault would
namespace web_test_hook {

void install(Form1& form, WebFormView& view, PageServices& tools);

}  // namespace web_test_hook
