#pragma once

// The six colour themes, in the order in which start-up detection applies them.
enum TColorTheme { ctVerde, ctAzul, ctAqua, ctAmarelo, ctRosa, ctVermelho };

inline constexpr TColorTheme AllColorThemes[] = {ctVerde, ctAzul,  ctAqua,
                                                 ctAmarelo, ctRosa, ctVermelho};
