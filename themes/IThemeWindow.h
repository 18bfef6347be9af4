#pragma once

#include "IColourTarget.h"

// The visible main window: its colours, and hiding and showing it again so that
// it is drawn anew in them.
class IThemeWindow : public IColourTarget {
public:
    virtual void HideAndShow() = 0;
};
