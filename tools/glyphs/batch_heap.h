#pragma once

// For a command that makes thousands of pictures one after another, each freeing what the
// last one took: keeps freed memory in the process instead of handing it back to the system
// after every picture. Handing back the top of the heap, or a large block mapped on its own,
// costs a system call, a TLB flush and the pages' faults when it is taken again: the most of
// a run's system time. The run is short, and the memory it holds is its own peak anyway.
// A no-op where the C library has no such setting.
void keepFreedHeapForBatch();
