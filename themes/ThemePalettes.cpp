#include "ThemePalettes.h"

#include "IColourTarget.h"

#include <stdexcept>

namespace {

constexpr TColor kMediumBlue = 0x00DC8821;
constexpr TColor kPaleYellow = 0x007BEBF4;
constexpr TColor kGoldenYellow = 0x0003DBE7;
constexpr TColor kSpringGreen = 0x0080FF00;
constexpr TColor kAzure = 0x00FF8000;
constexpr TColor kLightYellow = 0x0080FFFF;
constexpr TColor kPink = 0x00C080FF;

// Window, the two titles and the About lines first, then the gauge, the two
// frames, and the labels; GroupBox3 comes before Label1 to Label3 so that
// their equal colours change nothing.
TPalette StandardOrder(TColor window, TColor label17, TColor gauge, TColor credits) {
    return {
        {cpForm2Color, window},
        {cpLabel17FontColor, label17},
        {cpLabel19FontColor, clBlack},
        {cpLabel23FontColor, clBlack},
        {cpLabel24FontColor, clBlack},
        {cpLabel25FontColor, clBlack},
        {cpLabel26FontColor, clBlack},
        {cpLabel27FontColor, clBlack},
        {cpLabel28FontColor, clBlack},
        {cpGauge1ForeColor, gauge},
        {cpGroupBox3FontColor, clBlack},
        {cpGroupBox2FontColor, clBlack},
        {cpLabel1FontColor, clBlack},
        {cpLabel2FontColor, clBlack},
        {cpLabel3FontColor, clBlack},
        {cpLabel4FontColor, clBlack},
        {cpLabel5FontColor, clBlack},
        {cpLabel20FontColor, credits},
        {cpLabel21FontColor, credits},
        {cpLabel22FontColor, credits},
    };
}

// No assignment for Label1 to Label3: they turn white through GroupBox3.
TPalette AzulPalette() {
    return {
        {cpForm2Color, clNavy},
        {cpLabel17FontColor, clWhite},
        {cpLabel19FontColor, clWhite},
        {cpLabel23FontColor, clWhite},
        {cpLabel24FontColor, clWhite},
        {cpLabel25FontColor, clWhite},
        {cpLabel26FontColor, clWhite},
        {cpLabel27FontColor, clWhite},
        {cpLabel28FontColor, clWhite},
        {cpLabel4FontColor, clWhite},
        {cpLabel5FontColor, clWhite},
        {cpLabel20FontColor, clWhite},
        {cpLabel21FontColor, clWhite},
        {cpLabel22FontColor, clWhite},
        {cpGauge1ForeColor, clBlue},
        {cpGroupBox3FontColor, clWhite},
        {cpGroupBox2FontColor, clWhite},
    };
}

TPalette BuiltIn() {
    return {
        {cpForm2Color, kMediumBlue},
        {cpLabel17FontColor, kPaleYellow},
        {cpGauge1ForeColor, kGoldenYellow},
        {cpLabel19FontColor, kPaleYellow},
        {cpGroupBox3FontColor, clBlack},
        {cpGroupBox2FontColor, clBlack},
        {cpLabel1FontColor, clBlack},
        {cpLabel2FontColor, clBlack},
        {cpLabel3FontColor, clBlack},
        {cpLabel4FontColor, clBlack},
        {cpLabel5FontColor, clBlack},
        {cpLabel20FontColor, clBlack},
        {cpLabel21FontColor, clBlack},
        {cpLabel22FontColor, clBlack},
        {cpLabel23FontColor, clWhite},
        {cpLabel24FontColor, clWhite},
        {cpLabel25FontColor, clWhite},
        {cpLabel26FontColor, clWhite},
        {cpLabel27FontColor, clWhite},
        {cpLabel28FontColor, clWhite},
    };
}

TPalette FormDefinition() {
    return {
        {cpForm2Color, kMediumBlue},
        {cpGauge1ForeColor, kGoldenYellow},
        {cpLabel17FontColor, kPaleYellow},
        {cpLabel19FontColor, kPaleYellow},
        {cpGroupBox3FontColor, clWindowText},
        {cpGroupBox2FontColor, clWindowText},
        {cpLabel1FontColor, clWindowText},
        {cpLabel2FontColor, clWindowText},
        {cpLabel3FontColor, clWindowText},
        {cpLabel4FontColor, clWindowText},
        {cpLabel5FontColor, clWindowText},
        {cpLabel20FontColor, clWindowText},
        {cpLabel21FontColor, clWindowText},
        {cpLabel22FontColor, clWindowText},
        {cpLabel23FontColor, clWhite},
        {cpLabel24FontColor, clWhite},
        {cpLabel25FontColor, clWhite},
        {cpLabel26FontColor, clWhite},
        {cpLabel27FontColor, clWhite},
        {cpLabel28FontColor, clWhite},
    };
}

} // namespace

const TPalette& ThemePalette(TColorTheme theme) {
    static const TPalette verde = StandardOrder(kSpringGreen, clBlack, clGreen, clBlack);
    static const TPalette azul = AzulPalette();
    static const TPalette aqua = StandardOrder(clAqua, kAzure, kAzure, clBlack);
    static const TPalette amarelo = StandardOrder(kLightYellow, kAzure, kAzure, clBlack);
    static const TPalette rosa = StandardOrder(kPink, clPurple, clPurple, clWhite);
    static const TPalette vermelho = StandardOrder(clRed, clWhite, clBlack, clWhite);
    switch (theme) {
    case ctVerde: return verde;
    case ctAzul: return azul;
    case ctAqua: return aqua;
    case ctAmarelo: return amarelo;
    case ctRosa: return rosa;
    case ctVermelho: return vermelho;
    }
    throw std::out_of_range("no such colour theme");
}

const TPalette& BuiltInPalette() {
    static const TPalette palette = BuiltIn();
    return palette;
}

const TPalette& FormDefinitionColours() {
    static const TPalette colours = FormDefinition();
    return colours;
}

void ApplyPalette(IColourTarget& target, const TPalette& palette) {
    for (const TColourAssignment& assignment : palette)
        target.SetColour(assignment.property, assignment.colour);
}
