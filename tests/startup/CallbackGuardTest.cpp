#include "startup/CallbackGuard.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace StartUp;

TEST(CallbackGuard, KeepsTheFirstExceptionAndSkipsLaterBodies)
{
    guardCallback([] { throw std::runtime_error("first"); });
    bool ran = false;
    guardCallback([&] { ran = true; });
    guardCallback([] { throw std::runtime_error("second"); });
    EXPECT_FALSE(ran);
    ASSERT_TRUE(exceptionPending());
    try
    {
        rethrowPending();
        FAIL() << "nothing was rethrown";
    }
    catch (const std::runtime_error& e)
    {
        EXPECT_STREQ("first", e.what());
    }
    EXPECT_FALSE(exceptionPending());
    EXPECT_NO_THROW(rethrowPending());
}
