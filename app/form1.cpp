#include "app/form1.h"

#include <string>
#include <vector>

#include "demos/demonstrations.h"
#include "demos/fading/fading.h"
#include "demos/fading/histogram.h"
#include "demos/phasors/phasors.h"
#include "demos/polarisation/polarisation.h"
#include "demos/waves/group_velocity.h"
#include "demos/waves/plane_wave.h"
#include "demos/waves/wave_trace.h"
#include "i18n/translate.h"
#include "ui/number_rules.h"

namespace {

struct LabelDesign {
    Label* label;
    const char* name;
    double left, top, width, height;
    int tabIndex;
    const char* caption;
};

struct ScrollBarDesign {
    ScrollBar* bar;
    const char* name;
    double left, top, width, height;
    int tabIndex;
    int min, max, value, smallChange, largeChange;
};

void designLine(Line& line, const char* name, double x1, double y1, double x2, double y2) {
    line.setName(name);
    line.setPoints(x1, y1, x2, y2);
}

void designCombo(ComboBox& combo, const char* name, double left, double top, double width,
                 int tabIndex, const char* text, Colour textColour) {
    combo.setName(name);
    combo.setGeometry(left, top, width, 480);
    combo.setTabIndex(tabIndex);
    combo.setText(text);
    combo.setTextColour(textColour);
    combo.setFontPoints(13.5);
}

void designButton(Button& button, const char* name, double left, double top, double width,
                  int tabIndex, const char* caption) {
    button.setName(name);
    button.setGeometry(left, top, width, 495);
    button.setTabIndex(tabIndex);
    button.setCaption(caption);
    button.setFontPoints(18);
}

// The caption of lblFour for a relative phase: a blank stands where a minus sign would.
std::string phaseCaption(int degrees) {
    return (degrees >= 0 ? " " : "") + std::to_string(degrees) + " " + N_("Degrees");
}

}  // namespace

Form1::Form1() {
    setCaption(N_("Orvo's Propagation Demos"));
    setClientSize(11835, 9075);
    createControls();
    arrangeStackingOrder();
    connectEvents();
}

// The design-time state of every control, before Form_Load.
void Form1::createControls() {
    designCombo(cmbDemo, "cmbDemo", 1380, 7260, 2295, 5, N_("Plane Wave"), colours::kBrightBlue);
    designCombo(cmbOne, "cmbOne", 7440, 7200, 3015, 0, "Combo1", colours::kDarkGreen);
    designCombo(cmbTwo, "cmbTwo", 7440, 7800, 3015, 1, "Combo1", colours::kBrightBlue);
    designButton(cmdStart, "cmdStart", 2340, 7740, 1335, 4, N_("Pause"));
    designButton(cmdHist, "cmdHist", 9480, 3600, 2055, 12, N_("Histogram"));

    cmdPhasor.setName("cmdPhasor");
    const Colour handleColours[] = {colours::kGreen, colours::kBlue, colours::kPurple};
    for (int i = 0; i < 3; ++i) {
        Button& handle = cmdPhasor[i];
        handle.setGeometry(4080, 2280 + 480 * i, 255, 255);
        handle.setTabIndex(17 + i);
        handle.setGraphical(true);
        handle.setBackColour(handleColours[i]);
    }

    const ScrollBarDesign bars[] = {
        {&hscPhase, "hscPhase", 7380, 8460, 2535, 375, 6, -180, 180, 0, 5, 10},
        {&hscAmp1, "hscAmp1", 10560, 7200, 1095, 495, 11, 0, 100, 0, 1, 10},
        {&hscAmp2, "hscAmp2", 10560, 7800, 1095, 495, 10, 0, 100, 0, 1, 10},
        {&hscRate, "hscRate", 9480, 4320, 2055, 375, 13, 0, 20, 0, 5, 5},
        {&hscFixed, "hscFixed", 9480, 4920, 2055, 375, 15, 0, 10, 5, 5, 2},
    };
    for (const auto& d : bars) {
        d.bar->setName(d.name);
        d.bar->setGeometry(d.left, d.top, d.width, d.height);
        d.bar->setTabIndex(d.tabIndex);
        d.bar->setRange(d.min, d.max);
        d.bar->setValue(d.value);
        d.bar->setSteps(d.smallChange, d.largeChange);
    }

    const LabelDesign labels[] = {
        {&Label1, "Label1", 240, 7260, 1155, 495, 9, N_("Demo:")},
        {&lblOne, "lblOne", 4800, 7200, 2535, 495, 2, N_("Group Velocity")},
        {&lblTwo, "lblTwo", 4800, 7800, 2535, 495, 3, N_("Phase Velocity")},
        {&lblThree, "lblThree", 4800, 8400, 2595, 495, 7, N_("Relative Phase")},
        {&lblFour, "lblFour", 10020, 8400, 1815, 495, 8, " 0 " N_("degrees")},
        {&lblRate, "lblRate", 8160, 4290, 1215, 495, 14, N_("Speed ")},
        {&lblFixed, "lblFixed", 8280, 4890, 975, 495, 16, N_("Fixed")},
    };
    for (const auto& d : labels) {
        d.label->setName(d.name);
        d.label->setGeometry(d.left, d.top, d.width, d.height);
        d.label->setTabIndex(d.tabIndex);
        d.label->setCaption(d.caption);
        d.label->setFontPoints(18);
    }
    // Captions that change while the picture runs keep one size: the view fits them once, for
    // every caption their handlers can give them.
    std::vector<std::string> phases;
    for (int degrees = hscPhase.min(); degrees <= hscPhase.max(); ++degrees) {
        phases.push_back(phaseCaption(degrees));
    }
    lblFour.setCaptionsShown(std::move(phases));
    cmdStart.setCaptionsShown({N_("Pause"), N_("Start")});

    // The logo: 300 x 48 pixels at its natural size.
    imgTarm.setName("imgTarm");
    imgTarm.setGeometry(0, 8340, 4500, 720);

    designLine(Line1, "Line1", 360, 3600, 6900, 3600);
    designLine(Line2, "Line2", 3540, 660, 3540, 6180);
    designLine(Line3, "Line3", 7440, 240, 7440, 3360);
    designLine(Line4, "Line4", 7440, 3360, 11580, 3360);

    lnePlot.setName("lnePlot");
    lnePlot2.setName("lnePlot2");
    lnePlot3.setName("lnePlot3");
    for (LineArray* trace : {&lnePlot, &lnePlot2, &lnePlot3}) {
        for (Line& segment : *trace) {
            segment.setBorderColour(colours::kDarkGreen);
            segment.setBorderWidth(6);
            segment.setPoints(0, 0, 120, 0);
            segment.setVisible(false);
        }
    }
    for (int i = 0; i <= 95; ++i) {
        const double y = i <= 47 ? 3000 : 3180;
        lnePlot[i].setPoints(120, y, 240, y);
        lnePlot[i].setVisible(true);
    }
    lnePlot[191].setPoints(720, 360, 840, 360);

    lnePhasor.setName("lnePhasor");
    const double phasorAxes[9][4] = {
        {3600, 1560, 11280, 1560}, {3600, 3600, 11280, 3600}, {3600, 5640, 11280, 5640},
        {600, 1560, 2520, 1560},   {600, 3600, 2640, 3600},   {600, 5640, 2640, 5640},
        {1560, 720, 1560, 2400},   {1560, 2760, 1560, 4440},  {1560, 4800, 1560, 6480},
    };
    for (int i = 0; i < 9; ++i) {
        const auto& p = phasorAxes[i];
        lnePhasor[i].setPoints(p[0], p[1], p[2], p[3]);
    }

    lnePol.setName("lnePol");
    const double polPoints[6][4] = {
        {0, 420, 1200, 900},    {0, 480, 1200, 960},    {60, 600, 1260, 1080},
        {120, 720, 1320, 1200}, {180, 900, 1380, 1380}, {180, 1020, 1380, 1500},
    };
    const Colour polColours[] = {colours::kGreen, colours::kGreen,  colours::kBlue,
                                 colours::kBlue,  colours::kPurple, colours::kPurple};
    for (int i = 0; i < 6; ++i) {
        const auto& p = polPoints[i];
        lnePol[i].setPoints(p[0], p[1], p[2], p[3]);
        lnePol[i].setBorderColour(polColours[i]);
        lnePol[i].setBorderWidth(2);
        lnePol[i].setDotted(true);
        lnePol[i].setVisible(false);
    }

    Shape1.setName("Shape1");
    const double circles[3][4] = {
        {2160, 960, 315, 315}, {2040, 2880, 315, 315}, {2160, 4800, 435, 375}};
    const Colour circleColours[] = {colours::kGreen, colours::kBrightBlue, colours::kPurple};
    for (int i = 0; i < 3; ++i) {
        const auto& c = circles[i];
        Shape1[i].setKind(Shape::Kind::Circle);
        Shape1[i].setGeometry(c[0], c[1], c[2], c[3]);
        Shape1[i].setFillColour(circleColours[i]);
    }

    shpHist.setName("shpHist");
    for (int i = 0; i < 32; ++i) {
        Shape& bar = shpHist[i];
        bar.setKind(Shape::Kind::Rectangle);
        bar.setGeometry(7440 + 120 * i, i == 3 ? 360 : 2880, 135, i == 3 ? 3015 : 495);
        bar.setFillColour(colours::kDarkGreen);
    }

    tmrOne.setName("tmrOne");
    tmrOne.setInterval(100);
    tmrOne.setEnabled(true);

    nameForScreenReaders();
}

// The option labels name their lists and scroll bars, so a screen reader follows each
// demonstration's captions; the rest have names of their own.
void Form1::nameForScreenReaders() {
    cmbDemo.setLabelledBy(&Label1);
    cmbDemo.setAccessibleDescription(N_("Choose the demonstration to show"));
    cmbOne.setLabelledBy(&lblOne);
    cmbOne.setAccessibleDescription(N_("First option of the demonstration: pick or type a value"));
    cmbTwo.setLabelledBy(&lblTwo);
    cmbTwo.setAccessibleDescription(N_("Second option of the demonstration: pick or type a value"));
    cmdStart.setAccessibleDescription(N_("Start or pause the animation"));
    cmdHist.setAccessibleDescription(N_("Start collecting the histogram of the received envelope"));
    cmdHist.setAccessiblePressed(false);  // on once pressed, as the narration keeps it
    hscPhase.setLabelledBy(&lblThree);
    hscPhase.setAccessibleDescription(
        N_("Phase of component 2 relative to component 1, in degrees"));
    hscAmp1.setAccessibleName(N_("Amplitude 1"));
    hscAmp1.setAccessibleDescription(N_("Amplitude of component 1; the middle is amplitude 1"));
    hscAmp2.setAccessibleName(N_("Amplitude 2"));
    hscAmp2.setAccessibleDescription(N_("Amplitude of component 2; the middle is amplitude 1"));
    hscRate.setLabelledBy(&lblRate);
    hscRate.setAccessibleDescription(N_("How fast the phases of the rays wander"));
    hscFixed.setLabelledBy(&lblFixed);
    hscFixed.setAccessibleDescription(N_("Strength of the direct component"));
    const char* const handles[] = {N_("Phasor 1 tip"), N_("Phasor 2 tip"), N_("Resultant tip")};
    for (int i = 0; i < 3; ++i) cmdPhasor[i].setAccessibleName(handles[i]);
    cmdPhasor[0].setAccessibleDescription(
        N_("Drag it, or move it with the arrow keys, to set phasor 1"));
    cmdPhasor[1].setAccessibleDescription(
        N_("Drag it, or move it with the arrow keys, to set phasor 2"));
    cmdPhasor[2].setAccessibleDescription(N_("The sum of phasor 1 and phasor 2"));
}

// Painted controls, bottom first: each lies above everything added before it.
void Form1::arrangeStackingOrder() {
    addPainted(lnePlot, 0, 47);
    addPainted(lblOne);
    addPainted(lblTwo);
    addPainted(lnePlot, 48, 191);
    addPainted(lblThree);
    addPainted(lblFour);
    addPainted(Line1);
    addPainted(Line2);
    addPainted(Shape1);
    addPainted(lnePol);
    addPainted(imgTarm);
    addPainted(Label1);
    addPainted(Line3);
    addPainted(Line4);
    addPainted(shpHist);
    addPainted(lblRate);
    addPainted(lblFixed);
    addPainted(lnePhasor);
    addPainted(lnePlot2);
    addPainted(lnePlot3);

    addWindowed(cmbDemo);
    addWindowed(cmbOne);
    addWindowed(cmbTwo);
    addWindowed(cmdStart);
    addWindowed(cmdHist);
    addWindowed(hscPhase);
    addWindowed(hscAmp1);
    addWindowed(hscAmp2);
    addWindowed(hscRate);
    addWindowed(hscFixed);
    addWindowed(cmdPhasor);
    addTimer(tmrOne);
}

void Form1::connectEvents() {
    onLoad = [this] { Form_Load(); };
    cmbDemo.onChange = [this] { cmbDemo_Change(); };
    cmbDemo.onClick = [this] { cmbDemo_Click(); };
    cmbOne.onChange = [this] { cmbOne_Change(); };
    cmbOne.onClick = [this] { cmbOne_Click(); };
    cmdStart.onClick = [this] { cmdStart_Click(); };
    tmrOne.onTimer = [this] { tmrOne_Timer(); };
    hscPhase.onChange = [this] { hscPhase_Change(); };
    cmdHist.onClick = [this] { histogram::cmdHist_Click(*this); };
    for (int i = 0; i < 3; ++i) {
        cmdPhasor[i].onMouseDown = [this, i](int button, int shift, float x, float y) {
            phasors::cmdPhasor_MouseDown(*this, i, button, shift, x, y);
        };
    }
    onDragDrop = [this](Button& source, float x, float y) {
        phasors::Form_DragDrop(*this, source, x, y);
    };
}

void Form1::Form_Load() {
    int position = 0;
    for (const demos::Demonstration& demonstration : demos::all())
        cmbDemo.addItem(std::string(demonstration.name), position++);
    cmbDemo.setText("Plane Wave");
    SetupDemo();
}

void Form1::cmbDemo_Change() {
    SetupDemo();
}

void Form1::cmbDemo_Click() {
    cmbDemo_Change();
}

void Form1::cmbOne_Change() {
    OptionValue = number_rules::numericValue(cmbOne.text());
    if (demoIs("Ricean") || demoIs("Rayleigh")) {
        for (int i = 0; i <= 96; ++i) lnePlot[i].setVisible(false);
    }
}

void Form1::cmbOne_Click() {
    cmbOne_Change();
}

// The caption is the state: "Start" means paused.
void Form1::cmdStart_Click() {
    if (cmdStart.caption() == "Start") {
        tmrOne.setEnabled(true);
        cmdStart.setCaption("Pause");
    } else {
        tmrOne.setEnabled(false);
        cmdStart.setCaption(N_("Start"));
    }
}

void Form1::tmrOne_Timer() {
    if (!tmrOne.enabled())
        return;
    advanceOneFrame();
}

void Form1::advanceOneFrame() {
    FrameCount = FrameCount + 1.0;
    DrawFrame();
    lesson.frameAdvanced();  // the fading record keeps the frame, where it is on
}

void Form1::hscPhase_Change() {
    lblFour.setCaption(phaseCaption(hscPhase.value()));
}

// Whatever the previous demonstration left, every set-up starts from this state. The caption
// "Pause" always comes with a running timer, so that the button never claims a stopped
// animation is running: choosing a demonstration starts the animation.
void Form1::resetToNeutralState() {
    cmdStart.setCaption("Pause");
    tmrOne.setEnabled(true);
    cmdHist.setVisible(false);
    for (Line* axis : {&Line1, &Line2, &Line3, &Line4}) axis->setVisible(false);
    for (int i = 0; i <= 2; ++i) Shape1[i].setVisible(false);
    for (int i = 0; i <= 5; ++i) lnePol[i].setVisible(false);
    for (int i = 0; i <= 5; ++i) lnePol[i].setBorderWidth(2);
    for (int i = 0; i <= 96; ++i) lnePlot[i].setVisible(false);
    for (int i = 0; i <= 96; ++i) lnePlot2[i].setVisible(false);
    for (int i = 0; i <= 96; ++i) lnePlot3[i].setVisible(false);
    for (int i = 0; i <= 96; ++i) lnePlot[i].setBorderColour(colours::kDarkGreen);
    for (int i = 0; i <= 31; ++i) shpHist[i].setVisible(false);
    for (int i = 0; i <= 8; ++i) lnePhasor[i].setVisible(false);
    for (int i = 0; i <= 2; ++i) cmdPhasor[i].setVisible(false);
    hscAmp1.setVisible(false);
    hscAmp1.setValue(50);
    hscAmp2.setVisible(false);
    hscAmp2.setValue(50);
    hscRate.setVisible(false);
    lblRate.setVisible(false);
    hscFixed.setVisible(false);
    lblFixed.setVisible(false);
}

// The name tests are independent of one another and each reads the text anew; a name that
// matches none (a partly typed one) leaves the window in the neutral state.
void Form1::SetupDemo() {
    resetToNeutralState();
    if (demoIs("Plane Wave"))
        plane_wave::setUp(*this);
    if (demoIs("Group Velocity"))
        group_velocity::setUp(*this);
    if (demoIs("Polarisation"))
        polarisation::setUp(*this);
    if (demoIs("Ricean") || demoIs("Rayleigh"))
        fading::setUp(*this);
    if (demoIs("Phasors"))
        phasors::setUp(*this);
}

// The two wave demonstrations compute their samples first, then share one drawing step.
void Form1::DrawFrame() {
    if (demoIs("Group Velocity"))
        group_velocity::computeFrame(*this);
    if (demoIs("Plane Wave"))
        plane_wave::computeFrame(*this);
    if (demoIs("Group Velocity") || demoIs("Plane Wave"))
        wave_trace::drawFrame(*this);
    if (demoIs("Polarisation"))
        polarisation::drawFrame(*this);
    if (demoIs("Ricean") || demoIs("Rayleigh"))
        fading::drawFrame(*this);
    if (demoIs("Phasors"))
        phasors::drawFrame(*this);
}
