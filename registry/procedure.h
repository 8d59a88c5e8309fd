#pragma once
// The common frame of a setting procedure: the body is trapped as a whole and
// ends at its first failure (each step returns its Status, VELMORA_TRY passes
// a failure on); the fallback then runs outside the trap, so a failure inside
// it is the procedure's result, which is how a load or apply sequence stops.
#include "registry/errors.h"

namespace velmora {

template <class Body, class Fallback>
Status trapped(Body&& body, Fallback&& fallback)
{
    if (body().ok()) return {};
    return fallback();
}

// A writer's fallback is to end quietly.
template <class Body>
Status trapped(Body&& body)
{
    static_cast<void>(body());
    return {};
}

}  // namespace velmora
