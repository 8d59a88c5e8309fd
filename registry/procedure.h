#pragma once
// The common frame of a setting procedure: its trap is armed before the body
// touches anything; the first failure ends the body and, outside the trap,
// the fallback runs. A failure inside the fallback therefore escapes to the
// caller, which is how a load or apply sequence gets stopped.
#include <exception>
#include <new>

#include "registry/errors.h"

namespace velmora {

template <class Body, class Fallback>
void runTrapped(Body&& body, Fallback&& fallback)
{
    bool failed = false;
    try {
        body();
    } catch (const std::exception&) {
        failed = true;
    }
    if (failed) fallback();
}

// A writer's fallback is to end quietly.
template <class Body>
void runTrapped(Body&& body)
{
    runTrapped(body, [] {});
}

}  // namespace velmora
