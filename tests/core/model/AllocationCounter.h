#pragma once

// The core test program replaces the global allocation functions with counting ones
// (AllocationCounter.cpp); this is how many allocations the program has made so far.
long AllocationCount();
