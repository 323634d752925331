// Preloaded into the real shell by the end-to-end scripts: records every pointer hide and show
// request in the file named by $TAVROLIN_POINTER_LOG, then passes the request on. The pointer's
// visibility cannot be read back from the X server, so the requests are what a test can check.
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace {

void record(const char* what)
{
    if (const char* file = std::getenv("TAVROLIN_POINTER_LOG")) {
        if (std::FILE* log = std::fopen(file, "a")) {
            std::fprintf(log, "%s\n", what);
            std::fclose(log);
        }
    }
}

using PointerRequest = void (*)(void*, unsigned long);

void forward(const char* name, void* display, unsigned long window)
{
    if (auto real = reinterpret_cast<PointerRequest>(dlsym(RTLD_NEXT, name)))
        real(display, window);
}

}

extern "C" void XFixesHideCursor(void* display, unsigned long window)
{
    record("hide");
    forward("XFixesHideCursor", display, window);
}

extern "C" void XFixesShowCursor(void* display, unsigned long window)
{
    record("show");
    forward("XFixesShowCursor", display, window);
}
