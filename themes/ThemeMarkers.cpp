#include "ThemeMarkers.h"

#include "IPlatform.h"

#include <stdexcept>

namespace {

const char* ThemeWord(TColorTheme theme) {
    switch (theme) {
    case ctVerde: return "VERDE";
    case ctAzul: return "AZUL";
    case ctAqua: return "AQUA";
    case ctAmarelo: return "AMARELO";
    case ctRosa: return "ROSA";
    case ctVermelho: return "VERMELHO";
    }
    throw std::out_of_range("no such colour theme");
}

} // namespace

std::string ThemeMarkerPath(TColorTheme theme) {
    return std::string("c:\\ORVANTIS") + ThemeWord(theme) + ".ORV";
}

std::string ThemeMarkerLine(TColorTheme theme) {
    // The lines use the feminine colour words, unlike the button captions.
    switch (theme) {
    case ctVerde: return "COR VERDE";
    case ctAzul: return "COR AZUL";
    case ctAqua: return "COR AQUA";
    case ctAmarelo: return "COR AMARELA";
    case ctRosa: return "COR ROSA";
    case ctVermelho: return "COR VERMELHA";
    }
    throw std::out_of_range("no such colour theme");
}

std::string ThemeDeleteCommand(TColorTheme theme) {
    return "Command.com /c Del " + ThemeMarkerPath(theme);
}

std::vector<TColorTheme> ThemeDeletionsOnSelect(TColorTheme selected) {
    switch (selected) {
    case ctVerde: return {ctAmarelo, ctAqua, ctRosa, ctVermelho, ctAzul};
    case ctAzul: return {ctAmarelo, ctAqua, ctRosa, ctVermelho, ctVerde};
    case ctAqua: return {ctAmarelo, ctVerde, ctRosa, ctVermelho, ctAzul};
    case ctAmarelo: return {ctAqua, ctVerde, ctRosa, ctVermelho, ctAzul};
    case ctRosa: return {ctAqua, ctVerde, ctAmarelo, ctVermelho, ctAzul};
    case ctVermelho: return {ctAqua, ctVerde, ctAmarelo, ctRosa, ctAzul};
    }
    throw std::out_of_range("no such colour theme");
}

std::vector<TColorTheme> ThemeDeletionsOnRestore() {
    return {ctAqua, ctVerde, ctAmarelo, ctRosa, ctAzul, ctVermelho};
}

void WriteThemeMarker(IPlatform& platform, TColorTheme theme) {
    platform.AppendTextLine(ThemeMarkerPath(theme), ThemeMarkerLine(theme));
}
