// Replacement allocation functions for the test programs that make
// allocations fail on demand or watch what is freed. Add
// support/allocations.cpp to the sources of such a program; every other
// program keeps the library's allocation functions.
#pragma once

#include <cstddef>

// What one allocation asks for.
struct AllocationRequest {
    std::size_t nSize;
    bool bArray;   // new[]
    bool bNoThrow; // the std::nothrow form
};

// Decides whether an allocation fails; null lets every one through.
extern bool (*g_pfnFailAllocation)(const AllocationRequest&);
// Called with every pointer freed; null calls nothing.
extern void (*g_pfnWatchFree)(void*);

// After nLeft more allocations every further one fails: of the
// non-throwing single objects only, or of every form. A negative nLeft lets
// all through.
enum class FailingForms { kNoThrowObjects, kAll };
void FailAllocationsAfter(int nLeft, FailingForms forms);
// No allocation fails any more.
void AllowAllAllocations();
