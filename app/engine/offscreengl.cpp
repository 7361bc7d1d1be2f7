#include "engine/offscreengl.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <QLoggingCategory>
#include <QOpenGLContext>

#include <mutex>

Q_LOGGING_CATEGORY(lcOffscreen, "sorvel.offscreen")

#ifndef GL_FRAMEBUFFER
#define GL_FRAMEBUFFER 0x8D40
#define GL_RENDERBUFFER 0x8D41
#define GL_COLOR_ATTACHMENT0 0x8CE0
#define GL_FRAMEBUFFER_COMPLETE 0x8CD5
#endif
#ifndef GL_RGBA8
#define GL_RGBA8 0x8058
#endif
#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif

namespace {

using PFNGenFramebuffers = void (*)(GLsizei, GLuint *);
using PFNDeleteFramebuffers = void (*)(GLsizei, const GLuint *);
using PFNBindFramebuffer = void (*)(GLenum, GLuint);
using PFNGenRenderbuffers = void (*)(GLsizei, GLuint *);
using PFNDeleteRenderbuffers = void (*)(GLsizei, const GLuint *);
using PFNBindRenderbuffer = void (*)(GLenum, GLuint);
using PFNRenderbufferStorage = void (*)(GLenum, GLenum, GLsizei, GLsizei);
using PFNFramebufferRenderbuffer = void (*)(GLenum, GLenum, GLenum, GLuint);
using PFNCheckFramebufferStatus = GLenum (*)(GLenum);
using PFNFramebufferTexture2D = void (*)(GLenum, GLenum, GLenum, GLuint, GLint);

struct FboFunctions {
    PFNGenFramebuffers genFramebuffers = nullptr;
    PFNDeleteFramebuffers deleteFramebuffers = nullptr;
    PFNBindFramebuffer bindFramebuffer = nullptr;
    PFNGenRenderbuffers genRenderbuffers = nullptr;
    PFNDeleteRenderbuffers deleteRenderbuffers = nullptr;
    PFNBindRenderbuffer bindRenderbuffer = nullptr;
    PFNRenderbufferStorage renderbufferStorage = nullptr;
    PFNFramebufferRenderbuffer framebufferRenderbuffer = nullptr;
    PFNCheckFramebufferStatus checkFramebufferStatus = nullptr;
    PFNFramebufferTexture2D framebufferTexture2D = nullptr;

    bool load()
    {
        if (genFramebuffers)
            return true;
        auto get = [](const char *name) { return eglGetProcAddress(name); };
        genFramebuffers = reinterpret_cast<PFNGenFramebuffers>(get("glGenFramebuffers"));
        deleteFramebuffers = reinterpret_cast<PFNDeleteFramebuffers>(get("glDeleteFramebuffers"));
        bindFramebuffer = reinterpret_cast<PFNBindFramebuffer>(get("glBindFramebuffer"));
        genRenderbuffers = reinterpret_cast<PFNGenRenderbuffers>(get("glGenRenderbuffers"));
        deleteRenderbuffers = reinterpret_cast<PFNDeleteRenderbuffers>(get("glDeleteRenderbuffers"));
        bindRenderbuffer = reinterpret_cast<PFNBindRenderbuffer>(get("glBindRenderbuffer"));
        renderbufferStorage = reinterpret_cast<PFNRenderbufferStorage>(get("glRenderbufferStorage"));
        framebufferRenderbuffer =
            reinterpret_cast<PFNFramebufferRenderbuffer>(get("glFramebufferRenderbuffer"));
        checkFramebufferStatus = reinterpret_cast<PFNCheckFramebufferStatus>(get("glCheckFramebufferStatus"));
        framebufferTexture2D = reinterpret_cast<PFNFramebufferTexture2D>(get("glFramebufferTexture2D"));
        return genFramebuffers && deleteFramebuffers && bindFramebuffer && genRenderbuffers &&
               deleteRenderbuffers && bindRenderbuffer && renderbufferStorage && framebufferRenderbuffer &&
               checkFramebufferStatus && framebufferTexture2D;
    }
};

FboFunctions g_fbo;

// EGL displays are process-wide: one initialised display shared by every
// context.
struct SharedDisplay {
    std::mutex mutex;
    EGLDisplay display = EGL_NO_DISPLAY;
    int users = 0;
};
SharedDisplay g_display;

// Mesa's software rasteriser (llvmpipe) starts one rasteriser thread per
// core. While the writer runs, its encoding thread keeps the other core busy,
// and two rasteriser threads then only add hand-offs: one thread renders the
// same frames with less processor time and less wall time. The driver reads
// LP_NUM_THREADS when it creates its screen, in eglInitialize of a display,
// so the default is set around that call only (other drivers ignore it, a
// value the user set is kept, and the windows' own OpenGL, whose screen is
// created apart, keeps the driver's default).
class RasteriserThreadsDefault
{
public:
    RasteriserThreadsDefault() : m_set(!qEnvironmentVariableIsSet(kVariable))
    {
        if (m_set)
            qputenv(kVariable, "1");
    }
    ~RasteriserThreadsDefault()
    {
        if (m_set)
            qunsetenv(kVariable);
    }
    RasteriserThreadsDefault(const RasteriserThreadsDefault &) = delete;
    RasteriserThreadsDefault &operator=(const RasteriserThreadsDefault &) = delete;

private:
    static constexpr const char *kVariable = "LP_NUM_THREADS";
    const bool m_set;
};

QString eglErrorText(const char *what)
{
    return QStringLiteral("%1 failed (EGL error 0x%2)").arg(QLatin1String(what)).arg(eglGetError(), 0, 16);
}

} // namespace

// RAII owner of one EGL context (and one reference to the shared display).
class EglContext
{
public:
    EglContext() = default;
    ~EglContext()
    {
        if (m_context != EGL_NO_CONTEXT) {
            if (eglGetCurrentContext() == m_context)
                eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
            eglDestroyContext(m_display, m_context);
        }
        if (m_display != EGL_NO_DISPLAY) {
            // The display stays initialised for the life of the process
            // (terminating it would unload and reload the driver, with its
            // shader cache, on every writer run).
            std::lock_guard<std::mutex> lock(g_display.mutex);
            --g_display.users;
        }
    }
    EglContext(const EglContext &) = delete;
    EglContext &operator=(const EglContext &) = delete;

    bool create(QString *error)
    {
        {
            std::lock_guard<std::mutex> lock(g_display.mutex);
            if (g_display.display == EGL_NO_DISPLAY) {
                EGLDisplay dpy = EGL_NO_DISPLAY;
                auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
                    eglGetProcAddress("eglGetPlatformDisplayEXT"));
                if (getPlatformDisplay)
                    dpy = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
                if (dpy == EGL_NO_DISPLAY) {
                    *error = eglErrorText("eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA)");
                    return false;
                }
                EGLint major = 0, minor = 0;
                const RasteriserThreadsDefault rasteriserThreads;
                if (!eglInitialize(dpy, &major, &minor)) {
                    *error = eglErrorText("eglInitialize");
                    return false;
                }
                g_display.display = dpy;
            }
            ++g_display.users;
            m_display = g_display.display;
        }
        if (!eglBindAPI(EGL_OPENGL_API)) {
            *error = eglErrorText("eglBindAPI(EGL_OPENGL_API)");
            return false;
        }
        EGLConfig config = nullptr;
        EGLint count = 0;
        const EGLint configAttribs[] = {EGL_RENDERABLE_TYPE,
                                        EGL_OPENGL_BIT,
                                        EGL_SURFACE_TYPE,
                                        EGL_PBUFFER_BIT,
                                        EGL_RED_SIZE,
                                        8,
                                        EGL_GREEN_SIZE,
                                        8,
                                        EGL_BLUE_SIZE,
                                        8,
                                        EGL_NONE};
        if (!eglChooseConfig(m_display, configAttribs, &config, 1, &count) || count < 1) {
            const EGLint anyAttribs[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_SURFACE_TYPE, 0, EGL_NONE};
            if (!eglChooseConfig(m_display, anyAttribs, &config, 1, &count) || count < 1)
                config = nullptr; // EGL_KHR_no_config_context
        }
        // No version asked: the highest compatibility-profile version the
        // driver has (fixed-function calls, display lists, glBegin).
        const EGLint contextAttribs[] = {EGL_NONE};
        m_context = eglCreateContext(m_display, config, EGL_NO_CONTEXT, contextAttribs);
        if (m_context == EGL_NO_CONTEXT) {
            *error = eglErrorText("eglCreateContext(EGL_OPENGL_API)");
            return false;
        }
        if (!makeCurrent()) {
            *error = eglErrorText("eglMakeCurrent(surfaceless)");
            return false;
        }
        return true;
    }

    bool makeCurrent()
    {
        if (eglGetCurrentContext() == m_context)
            return true;
        // A thread has the current context of one window system binding at
        // a time: a Qt context left current by a window drawn with OpenGL
        // on this thread (the preview on the GUI thread, through GLX) is
        // released first, or EGL refuses with EGL_BAD_ACCESS.
        if (QOpenGLContext *qtContext = QOpenGLContext::currentContext())
            qtContext->doneCurrent();
        eglBindAPI(EGL_OPENGL_API);
        return eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context) == EGL_TRUE;
    }

    // Leaves the thread without a current context, so that Qt can make its
    // own current again (GLX refuses while an EGL context is current).
    void doneCurrent()
    {
        if (eglGetCurrentContext() == m_context)
            eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }

private:
    EGLDisplay m_display = EGL_NO_DISPLAY;
    EGLContext m_context = EGL_NO_CONTEXT;
};

OffscreenGLDrawer::OffscreenGLDrawer() = default;

OffscreenGLDrawer::~OffscreenGLDrawer()
{
    OffscreenGLDrawer::releaseGL();
    destroyFramebuffer();
}

bool OffscreenGLDrawer::hasContext() const
{
    return m_egl != nullptr;
}

bool OffscreenGLDrawer::createContext()
{
    if (m_egl)
        return true;
    auto egl = std::make_unique<EglContext>();
    QString error;
    if (!egl->create(&error)) {
        m_glError = QStringLiteral("No OpenGL context for the off-screen renderer: %1").arg(error);
        qCWarning(lcOffscreen).noquote() << m_glError;
        return false;
    }
    if (!g_fbo.load()) {
        m_glError =
            QStringLiteral("No OpenGL context for the off-screen renderer: framebuffer objects missing");
        return false;
    }
    m_egl = std::move(egl);
    core().initializeGL();
    m_glError.clear();
    return true;
}

QString OffscreenGLDrawer::rendererName()
{
    if (!makeCurrentGL())
        return QString();
    return QString::fromLatin1(reinterpret_cast<const char *>(glGetString(GL_RENDERER)));
}

bool OffscreenGLDrawer::isSoftwareRenderer(const QString &name)
{
    for (const char *software : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
        if (name.contains(QLatin1String(software), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool OffscreenGLDrawer::makeCurrentGL()
{
    if (!m_egl && !createContext())
        return false;
    if (!m_egl->makeCurrent())
        return false;
    if (m_fbo)
        g_fbo.bindFramebuffer(GL_FRAMEBUFFER, m_fbo);
    return true;
}

void OffscreenGLDrawer::doneCurrentGL()
{
    if (m_egl)
        m_egl->doneCurrent();
}

void OffscreenGLDrawer::destroyFramebuffer()
{
    if (!m_egl || !m_egl->makeCurrent())
        return;
    if (m_fbo) {
        g_fbo.bindFramebuffer(GL_FRAMEBUFFER, 0);
        g_fbo.deleteFramebuffers(1, &m_fbo);
        m_fbo = 0;
    }
    if (m_colorBuffer) {
        glDeleteTextures(1, &m_colorBuffer);
        m_colorBuffer = 0;
    }
    m_surfaceWidth = m_surfaceHeight = 0;
}

bool OffscreenGLDrawer::resizeSurface(int a, int b)
{
    if (!makeCurrentGL())
        return false;
    if (a != m_surfaceWidth || b != m_surfaceHeight || !m_fbo) {
        destroyFramebuffer();
        // The colour buffer is a texture of unsized RGBA created from BGRA
        // bytes, so that the driver picks its own BGRA layout (a sized
        // GL_RGBA8 gets RGBA order on Mesa): the BGRA read-back is then a
        // plain copy, and llvmpipe draws into it with its fast paths.
        glGenTextures(1, &m_colorBuffer);
        glBindTexture(GL_TEXTURE_2D, m_colorBuffer);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, a, b, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
        glBindTexture(GL_TEXTURE_2D, 0);
        g_fbo.genFramebuffers(1, &m_fbo);
        g_fbo.bindFramebuffer(GL_FRAMEBUFFER, m_fbo);
        g_fbo.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_colorBuffer, 0);
        if (g_fbo.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
            m_glError = QStringLiteral("The off-screen framebuffer of %1 x %2 is incomplete").arg(a).arg(b);
            destroyFramebuffer();
            return false;
        }
        m_surfaceWidth = a;
        m_surfaceHeight = b;
    }
    core().resizeGL(a, b);
    return true;
}

void OffscreenGLDrawer::resizeHost(int width, int height)
{
    resizeSurface(width, height);
}

void OffscreenGLDrawer::presentFrame()
{
    core().paintGL();
}

bool OffscreenGLDrawer::readSurface(GLenum format, GLenum type, void *destination)
{
    if (!makeCurrentGL() || !m_fbo)
        return false;
    core().drawWithGL(); // a frame composed on the processor is not in the surface yet
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, m_surfaceWidth, m_surfaceHeight, format, type, destination);
    return glGetError() == GL_NO_ERROR;
}

void OffscreenGLDrawer::releaseGL()
{
    if (m_egl && m_egl->makeCurrent())
        core().releaseGL();
}
