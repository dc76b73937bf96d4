#include "startup/CallbackGuard.hpp"

namespace StartUp
{
namespace
{
std::exception_ptr pending;
}

void recordException(std::exception_ptr exception)
{
    if (!pending)
        pending = std::move(exception);
}

bool exceptionPending()
{
    return static_cast<bool>(pending);
}

void rethrowPending()
{
    if (!pending)
        return;
    std::exception_ptr exception = pending;
    pending = nullptr;
    std::rethrow_exception(exception);
}

} // namespace StartUp
