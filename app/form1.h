#pragma once

#include "app/lesson_state.h"
#include "ui/form.h"
#include "ui/uniform_random.h"
#include "ui/value_array.h"

using LineArray = ControlArray<Line, 192>;
using TraceArray = ValueArray<97>;

// The program's one window: every control it shows, the module-level values the demonstrations
// share, the event handlers and the two procedures that carry every demonstration.
class Form1 : public Form {
public:
    Form1();

    // Windowed controls.
    ComboBox cmbDemo;
    ComboBox cmbOne;
    ComboBox cmbTwo;
    Button cmdStart;
    Button cmdHist;
    ControlArray<Button, 3> cmdPhasor;
    ScrollBar hscPhase;
    ScrollBar hscAmp1;
    ScrollBar hscAmp2;
    ScrollBar hscRate;
    ScrollBar hscFixed;

    // Painted controls.
    Label Label1;
    Label lblOne;
    Label lblTwo;
    Label lblThree;
    Label lblFour;
    Label lblRate;
    Label lblFixed;
    Image imgTarm;
    Line Line1;
    Line Line2;
    Line Line3;
    Line Line4;
    LineArray lnePlot;
    LineArray lnePlot2;
    LineArray lnePlot3;
    ControlArray<Line, 9> lnePhasor;
    ControlArray<Line, 6> lnePol;
    ControlArray<Shape, 3> Shape1;
    ControlArray<Shape, 32> shpHist;

    Timer tmrOne;

    // Module-level values.
    double OptionValue = 0.0;  // numeric value of the text of cmbOne
    double FrameCount = 0.0;   // animation time step, in frames
    TraceArray Trace1;
    TraceArray Trace2;
    TraceArray Trace3;
    ValueArray<32> HistBins;
    double PhaseStepScale = 0.0;
    UniformRandom random;

    // The lecturer's tools (one step, slow motion, theory curve); unused, they change nothing.
    LessonState lesson{*this};

    // Event handlers of the window.
    void Form_Load();
    void cmbDemo_Change();
    void cmbDemo_Click();
    void cmbOne_Change();
    void cmbOne_Click();
    void cmdStart_Click();
    void tmrOne_Timer();
    void hscPhase_Change();

    // The set-up and the frame of the demonstration named by the text of cmbDemo.
    void SetupDemo();
    void DrawFrame();
    // The work of one timer tick: the next frame.
    void advanceOneFrame();

    // Takes over the state of `other`: every control's properties, the module-level values, the
    // random sequence where it stands and the tools; its events stay this window's own. A
    // recording runs its frames on such a copy, so that the window on screen goes on as if
    // nothing had been recorded.
    void copyStateFrom(const Form1& other);

    // Whether the text of cmbDemo is `name`, whole and exactly: the dispatch's name test.
    bool demoIs(const char* name) const { return cmbDemo.text() == name; }

private:
    void createControls();
    void nameForScreenReaders();
    void arrangeStackingOrder();
    void connectEvents();
    void resetToNeutralState();
};
