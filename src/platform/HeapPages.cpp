#include "platform/HeapPages.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
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

} // namespace

void startWithHugeHeapPages(char** argv) {
    if (const char* set = std::getenv(kTunables)) {
        if (std::strcmp(set, kHugeHeap) == 0)
            unsetenv(kTunables); // ours, taken at this start: not for child processes
        return;
    }
    if (!kernelGivesHugePagesOnRequest())
        return;
    setenv(kTunables, kHugeHeap, 1);
    execv("/proc/self/exe", argv);
    unsetenv(kTunables); // the start failed: go on as we are
}
