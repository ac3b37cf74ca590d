// The window in another language: every text a user reads is translated and none is clipped,
// while the model keeps its English and every rule of the program holds.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <string>

#include "app/form1.h"
#include "app/setup_settings.h"
#include "demos/demonstrations.h"
#include "desktop/desktop_window.h"
#include "i18n/translate.h"
#include "ui/drawing/form_drawing.h"
#include "ui/qt/form_view.h"

namespace {

// English again after each test, whatever it chose.
struct InLanguage {
    explicit InLanguage(const char* code) { EXPECT_TRUE(i18n::setLanguage(code)) << code; }
    ~InLanguage() { i18n::setLanguage("en"); }
};

// A text of the pseudo-language, or one that no language translates: a number, a blank.
bool translatedOrNumber(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    if (text.find_first_not_of(" 0123456789.,-+") == std::string::npos)
        return true;
    return text.find('[') != std::string::npos && text.find('~') != std::string::npos;
}

void showDemo(Form1& form, FormView& view, const std::string& demo) {
    SetupSettings setup;
    setup.demo = demo;
    setup.histogram = demo == "Rayleigh" || demo == "Ricean";
    EXPECT_EQ(setup.apply(form, [&](const std::function<void()>& a) { view.deliver(a); }), "");
}

// Every caption painted fits its box at the size it is drawn (the fitter, asked again at that
// size, keeps it), at `leastShare` of the design's size at least; in the pseudo-language every
// one is translated.
void expectCaptionsFit(FormView& view, const Form1& form, const std::string& at, double leastShare,
                       bool pseudo) {
    const drawing::ViewGeometry& geometry = view.viewGeometry();
    std::vector<drawing::Primitive> painted;
    drawing::drawForm(form, {0, 0, form.clientWidth(), form.clientHeight()}, geometry,
                      FormView::textFitter(), {240, 240, 240, 255}, painted);
    for (const drawing::Primitive& primitive : painted) {
        const auto* text = std::get_if<drawing::Text>(&primitive);
        if (text == nullptr || text->text.empty())
            continue;
        EXPECT_TRUE(!pseudo || translatedOrNumber(text->text))
            << at << ": \"" << text->text << "\"";
        const int room = static_cast<int>(std::floor(geometry.toPixels(text->box).width));
        EXPECT_EQ(FormView::textFitter().fit(text->text, room, text->pixelSize), text->pixelSize)
            << at << ": \"" << text->text << "\" is clipped";
        EXPECT_GE(text->pixelSize, leastShare * geometry.fontPixels(18))
            << at << ": \"" << text->text << "\"";
    }
}

TEST(Languages, ThePseudoLanguageLeavesNoEnglishOnScreenOrInTheMenusAndClipsNothing) {
    InLanguage pseudo("en-XA");
    for (const demos::Demonstration& demo : demos::all()) {
        const std::string name(demo.name);
        Form1 form;
        DesktopWindow window(form);
        window.view().load();
        showDemo(form, window.view(), name);
        for (const QComboBox* combo : window.findChildren<QComboBox*>()) {
            if (!combo->isVisibleTo(&window))
                continue;
            EXPECT_TRUE(translatedOrNumber(combo->currentText().toStdString()))
                << name << ": " << combo->currentText().toStdString();
            for (int i = 0; i < combo->count(); ++i) {
                EXPECT_TRUE(translatedOrNumber(combo->itemText(i).toStdString()))
                    << name << ": " << combo->itemText(i).toStdString();
            }
        }
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->isVisibleTo(&window)) {
                EXPECT_TRUE(translatedOrNumber(button->text().toStdString()))
                    << name << ": " << button->text().toStdString();
            }
        }
        // A 1.33 times longer text may shrink, but never past its box.
        expectCaptionsFit(window.view(), form, name, 0, true);
        EXPECT_TRUE(translatedOrNumber(window.windowTitle().toStdString()));
        for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
            EXPECT_TRUE(translatedOrNumber(menu->title().toStdString()));
            for (const QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    EXPECT_TRUE(translatedOrNumber(action->text().toStdString()))
                        << action->text().toStdString();
                }
            }
        }
    }
}

// Each shipped language: its captions at three quarters of the design's size at least, none
// clipped, and the names in the lists picked or typed in the language drive the model's English.
TEST(Languages, EveryShippedLanguageFitsItsCaptionsAndDrivesTheModelInEnglish) {
    for (const i18n::Language& language : i18n::languages()) {
        if (language.code == "en")
            continue;
        InLanguage chosen(std::string(language.code).c_str());
        for (const demos::Demonstration& demo : demos::all()) {
            const std::string at = std::string(language.code) + ", " + std::string(demo.name);
            Form1 form;
            FormView view(form);
            view.load();
            showDemo(form, view, std::string(demo.name));
            expectCaptionsFit(view, form, at, 0.75, false);
            // Every entry of a list, typed as the language shows it, is the model's entry.
            for (ComboBox* combo : {&form.cmbDemo, &form.cmbOne, &form.cmbTwo}) {
                for (const std::string& entry : combo->items()) {
                    EXPECT_EQ(i18n::fromShown(i18n::shown(entry), combo->items()), entry) << at;
                }
            }
        }
    }
}

TEST(Languages, GermanTypedTextsMeanWhatTheEnglishOnesDo) {
    InLanguage german("de");
    EXPECT_EQ(i18n::language().name, "Deutsch");
    Form1 form;
    FormView view(form);
    view.load();
    showDemo(form, view, "Polarisation");
    auto* one = view.findChild<QComboBox*>("cmbOne");
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->currentText().toStdString(), i18n::shown("Horizontal"));
    // The German for "Vertical", typed: the model has "Vertical".
    one->lineEdit()->clear();
    QTest::keyClicks(one->lineEdit(), QString::fromStdString(i18n::shown("Vertical")));
    EXPECT_EQ(form.cmbOne.text(), "Vertical");
    // A decimal comma: "2,5" is a wavelength of 2.5, and the list shows its entries with commas.
    showDemo(form, view, "Plane Wave");
    EXPECT_EQ(one->itemText(1).toStdString(), "1,0");
    one->lineEdit()->clear();
    QTest::keyClicks(one->lineEdit(), "2,5");
    EXPECT_EQ(form.cmbOne.text(), "2.5");
    EXPECT_EQ(one->currentText(), "2,5");
}

TEST(Languages, ArabicReadsFromTheRightAndEnglishIsTheDefault) {
    EXPECT_EQ(i18n::language().code, "en");
    EXPECT_EQ(i18n::shown("Horizontal"), "Horizontal");
    EXPECT_EQ(i18n::fromShown("2,5", {}), "2,5");  // English typing is as it always was
    InLanguage arabic("ar");
    EXPECT_TRUE(i18n::language().rightToLeft);
    EXPECT_FALSE(i18n::setLanguage("xx"));
    EXPECT_EQ(i18n::language().code, "ar");
    EXPECT_EQ(i18n::pickLanguage({"xx", "pt_BR.UTF-8", "de"}), "pt-BR");
    EXPECT_EQ(i18n::pickLanguage({"de-AT"}), "de");
    EXPECT_EQ(i18n::pickLanguage({"sv"}), "en");
}

}  // namespace
