#include "ResetBeforeEachTest.h"
#include "service/settings.h"

namespace {

// Every test starts signed out, with the built-in hosts and limits.
const bool registered = ResetBeforeEachTest(&ResetServiceSettings);

} // namespace
