#include "ThemeExpectations.h"

#include <cstdio>
#include <stdexcept>

namespace {

constexpr TColor kMediumBlue = 0x00DC8821;
constexpr TColor kPaleYellow = 0x007BEBF4;
constexpr TColor kGoldenYellow = 0x0003DBE7;
constexpr TColor kSpringGreen = 0x0080FF00;
constexpr TColor kAzure = 0x00FF8000;
constexpr TColor kLightYellow = 0x0080FFFF;
constexpr TColor kPink = 0x00C080FF;

void Set(TScreen& screen, TColourProperty property, TColor colour) {
    screen[std::size_t(property)] = colour;
}

// Window and gauge fill, and every one of the eighteen texts in one colour.
TScreen Uniform(TColor window, TColor gauge, TColor text) {
    TScreen screen;
    screen.fill(text);
    Set(screen, cpForm2Color, window);
    Set(screen, cpGauge1ForeColor, gauge);
    return screen;
}

void SetCredits(TScreen& screen, TColor colour) {
    Set(screen, cpLabel20FontColor, colour);
    Set(screen, cpLabel21FontColor, colour);
    Set(screen, cpLabel22FontColor, colour);
}

// The colours of the form definition for window, gauge, titles and the six
// About lines; the frames and the other labels in the given colour.
TScreen FormLike(TColor others) {
    TScreen screen = Uniform(kMediumBlue, kGoldenYellow, others);
    Set(screen, cpLabel17FontColor, kPaleYellow);
    Set(screen, cpLabel19FontColor, kPaleYellow);
    for (TColourProperty p : {cpLabel23FontColor, cpLabel24FontColor, cpLabel25FontColor,
                              cpLabel26FontColor, cpLabel27FontColor, cpLabel28FontColor})
        Set(screen, p, clWhite);
    return screen;
}

} // namespace

std::string PropertyName(TColourProperty property) {
    switch (property) {
    case cpForm2Color: return "Form2.Color";
    case cpGauge1ForeColor: return "Gauge1.ForeColor";
    case cpLabel17FontColor: return "Label17.Font.Color";
    case cpLabel19FontColor: return "Label19.Font.Color";
    case cpGroupBox3FontColor: return "GroupBox3.Font.Color";
    case cpGroupBox2FontColor: return "GroupBox2.Font.Color";
    case cpLabel1FontColor: return "Label1.Font.Color";
    case cpLabel2FontColor: return "Label2.Font.Color";
    case cpLabel3FontColor: return "Label3.Font.Color";
    case cpLabel4FontColor: return "Label4.Font.Color";
    case cpLabel5FontColor: return "Label5.Font.Color";
    case cpLabel20FontColor: return "Label20.Font.Color";
    case cpLabel21FontColor: return "Label21.Font.Color";
    case cpLabel22FontColor: return "Label22.Font.Color";
    case cpLabel23FontColor: return "Label23.Font.Color";
    case cpLabel24FontColor: return "Label24.Font.Color";
    case cpLabel25FontColor: return "Label25.Font.Color";
    case cpLabel26FontColor: return "Label26.Font.Color";
    case cpLabel27FontColor: return "Label27.Font.Color";
    case cpLabel28FontColor: return "Label28.Font.Color";
    }
    return "property " + std::to_string(int(property));
}

std::string ColourHex(TColor colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", unsigned(colour));
    return text;
}

TScreen FormScreen() { return FormLike(clWindowText); }

TScreen BuiltInScreen() { return FormLike(clBlack); }

TScreen ThemeScreen(TColorTheme theme) {
    TScreen screen;
    switch (theme) {
    case ctVerde:
        return Uniform(kSpringGreen, clGreen, clBlack);
    case ctAzul:
        return Uniform(clNavy, clBlue, clWhite);
    case ctAqua:
        screen = Uniform(clAqua, kAzure, clBlack);
        Set(screen, cpLabel17FontColor, kAzure);
        return screen;
    case ctAmarelo:
        screen = Uniform(kLightYellow, kAzure, clBlack);
        Set(screen, cpLabel17FontColor, kAzure);
        return screen;
    case ctRosa:
        screen = Uniform(kPink, clPurple, clBlack);
        Set(screen, cpLabel17FontColor, clPurple);
        SetCredits(screen, clWhite);
        return screen;
    case ctVermelho:
        screen = Uniform(clRed, clBlack, clBlack);
        Set(screen, cpLabel17FontColor, clWhite);
        SetCredits(screen, clWhite);
        return screen;
    }
    throw std::out_of_range("no such colour theme");
}

std::string ScreenDiff(const TScreen& actual, const TScreen& expected) {
    std::string diff;
    for (std::size_t i = 0; i < kColourPropertyCount; ++i) {
        if (actual[i] != expected[i])
            diff += PropertyName(TColourProperty(i)) + ": " + ColourHex(actual[i]) +
                    ", expected " + ColourHex(expected[i]) + "\n";
    }
    return diff;
}
