#include "FailingAllocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
const size_t NEVER = static_cast<size_t>(-1);
std::atomic<size_t> g_nAtLeast{NEVER};
std::atomic<int> g_nSkip{0};
std::atomic<bool> g_bFired{false};
} // namespace

void ArmAllocationFailure(size_t nAtLeast, int nSkip)
{
    g_bFired = false;
    g_nSkip = nSkip;
    g_nAtLeast = nAtLeast;
}

void DisarmAllocationFailure()
{
    g_nAtLeast = NEVER;
}

bool AllocationFailureFired()
{
    return g_bFired;
}

void* operator new(std::size_t n)
{
    if (n >= g_nAtLeast.load())
    {
        if (g_nSkip-- <= 0)
        {
            g_nAtLeast = NEVER;
            g_bFired = true;
            throw std::bad_alloc();
        }
    }
    if (void* p = std::malloc(n != 0 ? n : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
