// A library with data of each thread's own, loaded with dlopen as Qt loads its plugins: its TLS is
// dynamic, allocated with malloc at a thread's first use (as libjpeg's, under Qt's JPEG plugin).
extern "C" void* threadData() {
    static thread_local char data[24];
    data[0] = 1;
    return data;
}
