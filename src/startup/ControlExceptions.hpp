#pragma once
// The exceptions that end the run phases. They travel out of a GLUT callback
// through the callback guard and the phase loop into main.

#include <exception>
#include <stdexcept>
#include <string>

namespace StartUp
{

// A banner's time is up (and, for the start-up banner, the level is built).
class InitCompleted : public std::exception
{
public:
    const char* what() const noexcept override { return "InitCompleted"; }
};

// A banner picture is missing or altered; the run goes to its shutdown phase.
class StopApplication : public std::domain_error
{
public:
    explicit StopApplication(const std::string& message) : std::domain_error(message) {}
};

} // namespace StartUp
