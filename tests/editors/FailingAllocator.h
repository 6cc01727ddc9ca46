// A seam for memory exhaustion: this test executable's global operator new
// can be told to fail one large request.
#pragma once

#include <cstddef>

// The next request of at least nAtLeast bytes, after nSkip such requests
// have been served, throws std::bad_alloc. One failure per arming.
void ArmAllocationFailure(size_t nAtLeast, int nSkip = 0);
void DisarmAllocationFailure();
bool AllocationFailureFired();

// Disarms when the test ends, failed or not.
class CAllocationFailure
{
public:
    explicit CAllocationFailure(size_t nAtLeast, int nSkip = 0) { ArmAllocationFailure(nAtLeast, nSkip); }
    ~CAllocationFailure() { DisarmAllocationFailure(); }
    CAllocationFailure(const CAllocationFailure&) = delete;
    CAllocationFailure& operator=(const CAllocationFailure&) = delete;
};
