#include "platform/HeapPages.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kTunables = "GLIBC_TUNABLES";
constexpr const char* kHugeHeap = "glibc.malloc.hugetlb=1";

bool kernelGivesHugePagesOnRequest() {
    std::ifstream mode("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string line;
    return std::getline(mode, line) && line.find("[madvise]") != std::string::npos;
}

// Blocks up to 32 MiB come from the heap and freed memory stays for reuse up to
// 64 MiB (what the C library settles on by itself once it has seen such blocks
// freed): a big block mapped and unmapped anew each time a list or buffer grows
// is faulted in again, page by page.
void keepFreedMemoryForReuse() {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

} // namespace

void startWithHugeHeapPages(char** argv) {
    if (const char* set = std::getenv(kTunables)) {
        if (std::strcmp(set, kHugeHeap) != 0)
            return;          // the user's own settings: the allocator is left as they set it
        unsetenv(kTunables); // ours, taken at this start: not for child processes
    } else if (kernelGivesHugePagesOnRequest()) {
        setenv(kTunables, kHugeHeap, 1);
        execv("/proc/self/exe", argv);
        unsetenv(kTunables); // the start failed: go on as we are
    }
    keepFreedMemoryForReuse();
}
