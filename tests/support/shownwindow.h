#pragma once

#include "tcadregeneral.h"

#include <QTest>

// The program's main window, built once as the program builds it (from the
// working directory) and shown, for measuring: it lives until the end.
inline TCadreGeneral &shownWindow()
{
    static TCadreGeneral *window = [] {
        auto *created = new TCadreGeneral(GlyphSets::fromResources(), {});
        created->show();
        if (!QTest::qWaitForWindowExposed(created))
            qFatal("the window was never shown");
        return created;
    }();
    return *window;
}
