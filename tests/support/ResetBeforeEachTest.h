#pragma once

#include <gtest/gtest.h>

/** Runs `reset` at the start of every test of this binary, before the test's fixture is built,
 *  so that each test starts from the state the program starts with. Meant for a static
 *  initialiser in a file the binary links directly:
 *  `const bool registered = ResetBeforeEachTest(&ResetParseErrors);`. Always true. */
inline bool ResetBeforeEachTest(void (*reset)())
{
    class Listener final : public ::testing::EmptyTestEventListener
    {
    public:
        explicit Listener(void (*reset)()) : m_reset(reset) {}
        void OnTestStart(const ::testing::TestInfo&) override { m_reset(); }

    private:
        void (*m_reset)();
    };
    // GoogleTest owns and deletes the listener.
    ::testing::UnitTest::GetInstance()->listeners().Append(new Listener(reset));
    return true;
}
