#include "ResetBeforeEachTest.h"
#include "platform/Desktop.h"

namespace {

// Every test starts with no desktop installed; fixtures install the one they record with.
const bool registered = ResetBeforeEachTest([] { SetDesktop(nullptr); });

} // namespace
