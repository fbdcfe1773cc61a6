#pragma once

#include <windows.h>

namespace support {

// How many GDI objects the process holds. The platform counts them (GetGuiResources); Wine
// answers 0 there, so under Wine the count is worked out from its handle table instead: only
// differences between two counts mean anything, and nothing may make or free GDI objects on
// another thread while counting.
DWORD gdiObjectCount();

// The count once it has stopped changing: windows of an earlier test may still be giving their
// objects back on their own threads. Taken before a test's own work, so that only the test's
// objects move it.
DWORD settledGdiObjectCount();

// How many USER objects the process holds. Where the platform answers 0 (Wine), the count of
// the process's windows (top-level and children) stands in.
DWORD userObjectCount();

}  // namespace support
