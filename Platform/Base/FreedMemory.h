// How a program's allocator treats the memory it frees.
#pragma once

namespace base {

// Keeps freed memory in the process for the blocks that follow, up to far
// more than a window holds, instead of giving it back to the system. Every
// list call returns its rows as a text of up to tens of megabytes, read and
// freed at once; given back at every free, each text and each recordset
// read from it would be written on fresh pages, a page fault per 4 KB,
// which costs more than the writing. Each program that writes or reads
// these texts calls it once, first thing at start.
void KeepFreedMemory();

}  // namespace base
