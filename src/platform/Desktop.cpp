#include "Desktop.h"

#include "QtDesktop.h"

namespace {
Desktop* g_current = nullptr;
}

Desktop::~Desktop() = default;

void SetDesktop(Desktop* desktop)
{
    g_current = desktop;
}

Desktop& CurrentDesktop()
{
    static QtDesktop qtDesktop;
    return g_current ? *g_current : qtDesktop;
}
