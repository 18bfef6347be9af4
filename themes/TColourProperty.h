#pragma once

// The colour properties of the main window that the palettes set.
enum TColourProperty {
    cpForm2Color,
    cpGauge1ForeColor,
    cpLabel17FontColor,
    cpLabel19FontColor,
    cpGroupBox3FontColor,
    cpGroupBox2FontColor,
    cpLabel1FontColor,
    cpLabel2FontColor,
    cpLabel3FontColor,
    cpLabel4FontColor,
    cpLabel5FontColor,
    cpLabel20FontColor,
    cpLabel21FontColor,
    cpLabel22FontColor,
    cpLabel23FontColor,
    cpLabel24FontColor,
    cpLabel25FontColor,
    cpLabel26FontColor,
    cpLabel27FontColor,
    cpLabel28FontColor,
};
