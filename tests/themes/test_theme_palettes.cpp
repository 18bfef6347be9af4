#include "RecordingThemeWindow.h"
#include "ThemeExpectations.h"
#include "ThemePalettes.h"

#include <QtTest>

#include <set>
#include <vector>

using TPropertyOrder = std::vector<TColourProperty>;
Q_DECLARE_METATYPE(TScreen)
Q_DECLARE_METATYPE(TPropertyOrder)

namespace {

// -1 stands for the restore button's palette, -2 for none at all.
constexpr int kBuiltIn = -1;
constexpr int kNothing = -2;

const TPalette& PaletteOf(int which) {
    return which == kBuiltIn ? BuiltInPalette() : ThemePalette(TColorTheme(which));
}

TScreen ScreenOf(int which) {
    if (which == kNothing)
        return FormScreen();
    return which == kBuiltIn ? BuiltInScreen() : ThemeScreen(TColorTheme(which));
}

const char* NameOf(int which) {
    static const char* const themes[] = {"verde", "azul", "aqua", "amarelo", "rosa", "vermelho"};
    if (which == kNothing)
        return "form";
    return which == kBuiltIn ? "builtin" : themes[which];
}

const TPropertyOrder kThemeOrder = {
    cpForm2Color,       cpLabel17FontColor,   cpLabel19FontColor,   cpLabel23FontColor,
    cpLabel24FontColor, cpLabel25FontColor,   cpLabel26FontColor,   cpLabel27FontColor,
    cpLabel28FontColor, cpGauge1ForeColor,    cpGroupBox3FontColor, cpGroupBox2FontColor,
    cpLabel1FontColor,  cpLabel2FontColor,    cpLabel3FontColor,    cpLabel4FontColor,
    cpLabel5FontColor,  cpLabel20FontColor,   cpLabel21FontColor,   cpLabel22FontColor,
};
const TPropertyOrder kAzulOrder = {
    cpForm2Color,       cpLabel17FontColor, cpLabel19FontColor, cpLabel23FontColor,
    cpLabel24FontColor, cpLabel25FontColor, cpLabel26FontColor, cpLabel27FontColor,
    cpLabel28FontColor, cpLabel4FontColor,  cpLabel5FontColor,  cpLabel20FontColor,
    cpLabel21FontColor, cpLabel22FontColor, cpGauge1ForeColor,  cpGroupBox3FontColor,
    cpGroupBox2FontColor,
};
const TPropertyOrder kBuiltInOrder = {
    cpForm2Color,       cpLabel17FontColor,   cpGauge1ForeColor,    cpLabel19FontColor,
    cpGroupBox3FontColor, cpGroupBox2FontColor, cpLabel1FontColor,  cpLabel2FontColor,
    cpLabel3FontColor,  cpLabel4FontColor,    cpLabel5FontColor,    cpLabel20FontColor,
    cpLabel21FontColor, cpLabel22FontColor,   cpLabel23FontColor,   cpLabel24FontColor,
    cpLabel25FontColor, cpLabel26FontColor,   cpLabel27FontColor,   cpLabel28FontColor,
};

} // namespace

class TestThemePalettes : public QObject {
    Q_OBJECT

private slots:
    void assignmentOrder_data();
    void assignmentOrder();
    void shownAfterPalettes_data();
    void shownAfterPalettes();
    void formDefinitionColours();
    void applyPaletteSetsEachInTurn();
    void thumbnailLabelsFollowGroupBox3();
};

// Each palette assigns exactly these properties in this order; the colour of
// each assignment is the one that property is meant to show.
void TestThemePalettes::assignmentOrder_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<TPropertyOrder>("order");
    QTest::newRow("verde") << int(ctVerde) << kThemeOrder;
    QTest::newRow("azul") << int(ctAzul) << kAzulOrder;
    QTest::newRow("aqua") << int(ctAqua) << kThemeOrder;
    QTest::newRow("amarelo") << int(ctAmarelo) << kThemeOrder;
    QTest::newRow("rosa") << int(ctRosa) << kThemeOrder;
    QTest::newRow("vermelho") << int(ctVermelho) << kThemeOrder;
    QTest::newRow("builtin") << kBuiltIn << kBuiltInOrder;
}

void TestThemePalettes::assignmentOrder() {
    QFETCH(int, which);
    QFETCH(TPropertyOrder, order);
    const TPalette& palette = PaletteOf(which);
    const TScreen colours = ScreenOf(which);
    QCOMPARE(palette.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::string where = "assignment " + std::to_string(i) + ": " +
                                  PropertyName(palette[i].property) + " " +
                                  ColourHex(palette[i].colour);
        QVERIFY2(palette[i].property == order[i], where.c_str());
        QVERIFY2(palette[i].colour == colours[order[i]], where.c_str());
    }
}

// Whatever the window showed before, it shows the look of the last palette.
void TestThemePalettes::shownAfterPalettes_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    const std::vector<int> palettes = {ctVerde, ctAzul,  ctAqua,    ctAmarelo,
                                       ctRosa,  ctVermelho, kBuiltIn};
    std::vector<int> befores = palettes;
    befores.insert(befores.begin(), kNothing);
    for (int second : palettes)
        for (int first : befores)
            QTest::addRow("%s after %s", NameOf(second), NameOf(first)) << first << second;
}

void TestThemePalettes::shownAfterPalettes() {
    QFETCH(int, first);
    QFETCH(int, second);
    std::vector<std::string> log;
    RecordingThemeWindow window(log);
    if (first != kNothing)
        ApplyPalette(window, PaletteOf(first));
    ApplyPalette(window, PaletteOf(second));
    const std::string diff = ScreenDiff(window.Screen(), ScreenOf(second));
    QVERIFY2(diff.empty(), diff.c_str());
    // The thumbnail labels are never given a colour of their own.
    for (TColourProperty label : {cpLabel1FontColor, cpLabel2FontColor, cpLabel3FontColor})
        QVERIFY(window.FollowsGroupBox3(label));
}

void TestThemePalettes::formDefinitionColours() {
    const TPalette& form = FormDefinitionColours();
    QCOMPARE(form.size(), kColourPropertyCount);
    std::set<TColourProperty> seen;
    TScreen screen{};
    for (const TColourAssignment& entry : form) {
        QVERIFY2(seen.insert(entry.property).second, PropertyName(entry.property).c_str());
        screen[entry.property] = entry.colour;
    }
    const std::string diff = ScreenDiff(screen, FormScreen());
    QVERIFY2(diff.empty(), diff.c_str());
}

void TestThemePalettes::applyPaletteSetsEachInTurn() {
    std::vector<std::string> log;
    RecordingThemeWindow window(log);
    ApplyPalette(window, {{cpGauge1ForeColor, clRed},
                          {cpForm2Color, 0x00123456},
                          {cpGauge1ForeColor, clPurple}});
    const std::vector<std::string> expected = {
        "SetColour Gauge1.ForeColor 0x000000FF",
        "SetColour Form2.Color 0x00123456",
        "SetColour Gauge1.ForeColor 0x00800080",
    };
    QCOMPARE(log, expected);
    QCOMPARE(window.Shown(cpGauge1ForeColor), clPurple);
    QCOMPARE(window.Shown(cpForm2Color), TColor(0x00123456));
    QCOMPARE(window.HideAndShowCount(), 0);
}

// The window model itself: following ends only with a different colour.
void TestThemePalettes::thumbnailLabelsFollowGroupBox3() {
    std::vector<std::string> log;
    RecordingThemeWindow window(log);
    QCOMPARE(window.Shown(cpLabel1FontColor), clWindowText);
    window.SetColour(cpGroupBox3FontColor, clWhite);
    QCOMPARE(window.Shown(cpLabel2FontColor), clWhite);
    window.SetColour(cpLabel2FontColor, clWhite);
    QVERIFY(window.FollowsGroupBox3(cpLabel2FontColor));
    window.SetColour(cpLabel3FontColor, clRed);
    QVERIFY(!window.FollowsGroupBox3(cpLabel3FontColor));
    window.SetColour(cpGroupBox3FontColor, clBlack);
    QCOMPARE(window.Shown(cpLabel1FontColor), clBlack);
    QCOMPARE(window.Shown(cpLabel2FontColor), clBlack);
    QCOMPARE(window.Shown(cpLabel3FontColor), clRed);
}

QTEST_APPLESS_MAIN(TestThemePalettes)
#include "test_theme_palettes.moc"
