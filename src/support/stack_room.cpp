#include "support/stack_room.h"

#include <pthread.h>

#include <cstddef>
#include <cstring>
#include <new>

namespace cullsrc {

namespace {

constexpr std::size_t segment_size = std::size_t{256} << 20;
// Room kept free below the limit for the frames between two recursion points, the
// formatting of an error and the unwinding that reports it.
constexpr std::size_t reserve_room = std::size_t{1} << 20;

// The lowest address this thread's frames may reach, learnt on first use; a thread whose
// stack cannot be learnt moves to a segment at once.
thread_local const char* stack_limit = nullptr;
thread_local bool stack_known = false;

const char* frame_address() { return static_cast<const char*>(__builtin_frame_address(0)); }

void learn_stack() {
    stack_known = true;
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0) return;
    void* lowest = nullptr;
    std::size_t size = 0;
    if (pthread_attr_getstack(&attributes, &lowest, &size) == 0 && size > 2 * reserve_room) {
        stack_limit = static_cast<const char*>(lowest) + reserve_room;
    }
    pthread_attr_destroy(&attributes);
}

struct Segment {
    void (*fn)(void*);
    void* context;
    std::exception_ptr failure;
};

void* run_segment(void* argument) {
    auto* segment = static_cast<Segment*>(argument);
    stack_known = true;
    stack_limit = frame_address() - (segment_size - reserve_room);
    try {
        segment->fn(segment->context);
    } catch (...) {
        segment->failure = std::current_exception();
    }
    return nullptr;
}

}  // namespace

bool stack_is_low() {
    if (!stack_known) learn_stack();
    return stack_limit == nullptr || frame_address() < stack_limit;
}

void run_on_new_stack(void (*fn)(void*), void* context) {
    Segment segment{fn, context, nullptr};
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) throw std::bad_alloc();
    pthread_attr_setstacksize(&attributes, segment_size);
    pthread_t thread;
    int started = pthread_create(&thread, &attributes, run_segment, &segment);
    pthread_attr_destroy(&attributes);
    if (started != 0) throw std::bad_alloc();
    pthread_join(thread, nullptr);
    if (segment.failure) std::rethrow_exception(segment.failure);
}

}  // namespace cullsrc
