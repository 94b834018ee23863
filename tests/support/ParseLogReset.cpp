#include "ResetBeforeEachTest.h"
#include "text/JSON.h"

namespace {

// Every test starts with an empty parse log.
const bool registered = ResetBeforeEachTest(&ResetParseErrors);

} // namespace
