#pragma once

// Where the kernel gives huge memory pages only to those who ask (transparent
// huge pages in "madvise" mode), the program asks for them for its heap. A big
// room arriving touches megabytes of fresh memory at once, and each small page
// touched for the first time costs a trip into the kernel; a huge page costs one
// for 512 of them. The C library takes the request only from its environment at
// start, so the program starts itself once more with it. A setting of the
// user's own is left alone, and child processes do not inherit ours. Freed
// memory is kept for reuse rather than given back and faulted in again.
//
// Call first in main, before anything else has run.
void startWithHugeHeapPages(char** argv);
