#pragma once
// Deeply nested input (blocks, bodies, else-if chains) is parsed by plain recursion. So that
// no input can exhaust the stack, each recursion point calls with_stack_room: when the
// current stack runs low, the rest of that descent runs on a fresh thread with a stack of its
// own, and the caller waits for it. Only one thread ever runs at a time.

#include <exception>

namespace cullsrc {

bool stack_is_low();
// Runs fn(context) on a new stack segment and waits; rethrows what fn threw.
void run_on_new_stack(void (*fn)(void*), void* context);

template <class Body>
void with_stack_room(Body&& body) {
    if (!stack_is_low()) {
        body();
        return;
    }
    run_on_new_stack([](void* context) { (*static_cast<Body*>(context))(); }, &body);
}

}  // namespace cullsrc
