// The share arithmetic of the resizable layout: plain integers, no window.
#pragma once

// Adds nShare parts (of nScale) of nDelta to nValue. What does not make a
// whole pixel is carried in nRemainder, in parts of nScale, so that a value
// always ends where the total change times its share puts it. A size
// (bIsSize) never goes below 0: its deficit waits in the remainder and is
// paid back by the next growth. Coordinates are never clamped.
// Returns false, changing nothing but a remainder that has been paid off,
// when the share is 0 or less or nothing is to be added; true otherwise, even
// when the value itself does not move.
bool AdjustByShare(int nDelta, int nShare, int nScale, int& nRemainder, int& nValue, bool bIsSize);
