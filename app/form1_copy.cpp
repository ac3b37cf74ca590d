#include "app/form1.h"

// Every member of the window that holds state, control by control: a control or value added to
// Form1 is added here too, or a recording's first frame is not the window's (the recording's
// tests compare the two).
void Form1::copyStateFrom(const Form1& other) {
    cmbDemo = other.cmbDemo;
    cmbOne = other.cmbOne;
    cmbTwo = other.cmbTwo;
    cmdStart = other.cmdStart;
    cmdHist = other.cmdHist;
    cmdPhasor = other.cmdPhasor;
    hscPhase = other.hscPhase;
    hscAmp1 = other.hscAmp1;
    hscAmp2 = other.hscAmp2;
    hscRate = other.hscRate;
    hscFixed = other.hscFixed;
    Label1 = other.Label1;
    lblOne = other.lblOne;
    lblTwo = other.lblTwo;
    lblThree = other.lblThree;
    lblFour = other.lblFour;
    lblRate = other.lblRate;
    lblFixed = other.lblFixed;
    imgTarm = other.imgTarm;
    Line1 = other.Line1;
    Line2 = other.Line2;
    Line3 = other.Line3;
    Line4 = other.Line4;
    lnePlot = other.lnePlot;
    lnePlot2 = other.lnePlot2;
    lnePlot3 = other.lnePlot3;
    lnePhasor = other.lnePhasor;
    lnePol = other.lnePol;
    Shape1 = other.Shape1;
    shpHist = other.shpHist;
    tmrOne = other.tmrOne;
    OptionValue = other.OptionValue;
    FrameCount = other.FrameCount;
    Trace1 = other.Trace1;
    Trace2 = other.Trace2;
    Trace3 = other.Trace3;
    HistBins = other.HistBins;
    PhaseStepScale = other.PhaseStepScale;
    random = other.random;
    lesson = other.lesson;
    connectEvents();  // the handlers that came over call `other`
}
