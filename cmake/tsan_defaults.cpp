// ThreadSanitizer defaults linked into every program and library of a
// SORVEL_TSAN build (tools, tests and sorvel itself, also when a test starts
// sorvel as a child process).
//
// Qt, Mesa, FFmpeg, libburn and the other system libraries are not built
// with the sanitizer: the locks and atomics inside them are invisible to it,
// so it would report their own thread pools and caches as races. Races in
// those libraries are suppressed; races in our code, including those on Qt
// containers and strings that our code instantiates, are still reported and
// make the program exit with code 66.

extern "C" const char *__tsan_default_options()
{
    // QProcess forks a threaded program; the child only calls exec.
    return "die_after_fork=0:second_deadlock_stack=1:history_size=4";
}

extern "C" const char *__tsan_default_suppressions()
{
    return "race:libQt6Core.so\n"
           "race:libQt6Test.so\n"
           "race:libQt6Gui.so\n"
           "race:libQt6Widgets.so\n"
           "race:libQt6OpenGL.so\n"
           "race:libQt6DBus.so\n"
           "race:libQt6XcbQpa.so\n"
           "race:libqxcb.so\n"
           "race:libqoffscreen.so\n"
           "race:libxcb.so\n"
           "race:libX11.so\n"
           "race:libdvdread.so\n"
           "race:libdbus-1.so\n"
           "race:libglib-2.0.so\n"
           "race:libfontconfig.so\n"
           "race:libEGL_mesa.so\n"
           "race:libGLX_mesa.so\n"
           "race:libgallium\n"
           "race:swrast_dri.so\n"
           "race:libLLVM\n"
           "race:libavcodec.so\n"
           "race:libavformat.so\n"
           "race:libavutil.so\n"
           "race:libswscale.so\n"
           "race:libswresample.so\n"
           "race:libburn.so\n"
           "race:libudev.so\n"
           "race:libopenal.so\n"
           "race:libexiv2.so\n"
           "deadlock:libQt6Core.so\n"
           "deadlock:libburn.so\n";
}
