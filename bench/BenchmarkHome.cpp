#include "PrivateHome.h"

#include <QTemporaryDir>

// Linked into every benchmark: before main starts, the process gets a home of its own, removed at
// exit, so that no benchmark reaches the user's settings, SHA1 store or keyring, nor do the
// programs it starts.

namespace {

struct BenchmarkHome
{
    BenchmarkHome() { UsePrivateHome(home); }

    QTemporaryDir home;
};

const BenchmarkHome benchmarkHome;

} // namespace
