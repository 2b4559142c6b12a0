// The leak check at exit, with a thread's dynamic TLS block where malloc sometimes puts one by
// chance: 16 bytes past a 4 KiB boundary. Up to GCC 13 the sanitizer runtime's TLS interceptor
// takes such a block for a glibc 2.19 one, reads a bogus range from the bytes before it and the
// leak check crashes ("Tracer caught signal 11") without reporting anything; the sanitizer tests'
// options must keep it working. Passes when the leak made on purpose here is reported.
#include <dlfcn.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

int main(int, char** argv) {
    void* library = dlopen(argv[1], RTLD_NOW);
    if (!library) return std::puts(dlerror()), 1;
    auto threadData = reinterpret_cast<void* (*)()>(dlsym(library, "threadData"));
    // Each new thread gets a new block; other allocations first move it along, until one lands.
    static std::vector<void*> kept;  // reachable to the end: not leaks
    kept.reserve(4096 * 4097 / 2);
    for (int before = 0; before < 4096; ++before) {
        std::atomic<int> step{0};
        std::uintptr_t block = 0;
        std::thread thread([&] {
            for (int i = 0; i < before; ++i) kept.push_back(std::malloc(16));
            block = reinterpret_cast<std::uintptr_t>(threadData());
            step = 1;
            while (step != 2) std::this_thread::yield();
        });
        while (step != 1) std::this_thread::yield();
        if (block % 4096 == 16) {
            void* volatile lost = std::malloc(4242);
            static_cast<void>(lost);
            lost = nullptr;
            std::printf("the block is at %#zx; exiting with that thread alive and 4242 bytes lost\n", size_t(block));
            std::fflush(stdout);
            std::exit(0);  // the leak check runs now
        }
        step = 2;
        thread.join();
    }
    std::puts("no block landed 16 bytes past a 4 KiB boundary");
    return 1;
}
