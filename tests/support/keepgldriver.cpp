// Built into the test programs and the editor in sanitizer builds only.
//
// Mesa unloads its GL driver when the last context goes, before
// LeakSanitizer looks for leaks at exit. The driver's one-time allocations
// are then reported against an unloaded module that the suppression list
// cannot name. Loading the driver once more with RTLD_NODELETE keeps it
// mapped until the process ends, so its allocations stay attributed to it.
#include <dlfcn.h>
#include <glob.h>

namespace {
struct KeepGlDriverLoaded {
    KeepGlDriverLoaded()
    {
        glob_t found{};
        if (glob("/usr/lib/*/dri/swrast_dri.so", 0, nullptr, &found) == 0) {
            for (size_t i = 0; i < found.gl_pathc; ++i)
                dlopen(found.gl_pathv[i], RTLD_LAZY | RTLD_NODELETE);
        }
        globfree(&found);
    }
} keepGlDriverLoaded;
} // namespace
