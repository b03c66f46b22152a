// Starts a program the moment after reading CLOCK_MONOTONIC, for the start-up benchmark:
//   exec_clock PROGRAM [ARGUMENT …]
// prints "exec_monotonic_ns=NN" and then becomes PROGRAM (same process), so the time from this
// reading to PROGRAM's own reading covers loading it and its libraries. Plain C++: no Qt library
// is loaded before the reading.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: exec_clock PROGRAM [ARGUMENT ...]\n");
        return 2;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("exec_monotonic_ns=%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    execv(argv[1], argv + 1);
    std::fprintf(stderr, "exec_clock: cannot start %s: %s\n", argv[1], std::strerror(errno));
    return 127;
}
