#pragma once

#include <QString>
#include <QStringList>

// What the main window asks while it is built: each theme's marker once per
// assignment of its palette (20 each, 17 for AZUL), in the order of the themes.
inline QStringList MarkerQuestions() {
    const struct {
        const char* word;
        int assignments;
    } themes[] = {{"VERDE", 20},   {"AZUL", 17}, {"AQUA", 20},
                  {"AMARELO", 20}, {"ROSA", 20}, {"VERMELHO", 20}};
    QStringList questions;
    for (const auto& theme : themes)
        for (int i = 0; i < theme.assignments; ++i)
            questions << QStringLiteral("FileIsPresent c:\\ORVANTIS%1.ORV").arg(QLatin1String(theme.word));
    return questions;
}
