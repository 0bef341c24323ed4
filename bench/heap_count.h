#pragma once
// Counts the heap allocations (every operator new) that a thread makes while it
// has counting switched on. Linking heap_count.cpp into a program replaces its
// global operator new and delete.

#include <cstdint>

namespace zenka::bench {

struct HeapCount {
    std::uint64_t calls = 0;
    std::uint64_t bytes = 0;
};

// Counting on or off for the calling thread; off at the start of every thread.
void count_heap(bool on);
// What all threads counted since the last reset.
HeapCount heap_count();
void reset_heap_count();

} // namespace zenka::bench
