#pragma once

// The off-screen host of the drawing core: an EGL context on Mesa's
// surfaceless platform (EGL_PLATFORM_SURFACELESS_MESA, EGL_OPENGL_API,
// compatibility profile, no surface) rendering into a framebuffer object of
// the frame size. It needs no display server (QT_QPA_PLATFORM=offscreen, no
// DISPLAY) and works the same under X11.

#include "engine/gldrawer.h"

#include <QString>

#include <memory>

class EglContext;

class OffscreenGLDrawer : public GLDrawer
{
public:
    OffscreenGLDrawer();
    ~OffscreenGLDrawer() override;

    // Creates the EGL display and context (once); false with glError() set
    // when no context can be had. initTextures creates it on demand.
    bool createContext();
    bool hasContext() const;
    QString glError() const { return m_glError; }
    // The renderer string of the context (for diagnostics).
    QString rendererName();
    // Whether a renderer string names an OpenGL that draws on the processor
    // (Mesa's llvmpipe, softpipe or swrast).
    static bool isSoftwareRenderer(const QString &name);

    // Gives the render target another size (tests of the pillar-box and
    // letter-box viewports); initTextures sets it to the frame size.
    bool resizeSurface(int a, int b);
    int surfaceWidth() const { return m_surfaceWidth; }
    int surfaceHeight() const { return m_surfaceHeight; }
    // Reads the whole surface (surfaceWidth x surfaceHeight), bottom row first.
    bool readSurface(GLenum format, GLenum type, void *destination);

    void releaseGL() override;
    // Releases the context from the thread (it is made current again on
    // the next drawing call): a drawer that shares its thread with windows
    // drawn by Qt through OpenGL calls this before the event loop runs.
    void doneCurrentGL();

protected:
    bool makeCurrentGL() override;
    void presentFrame() override;
    void resizeHost(int width, int height) override;

private:
    void destroyFramebuffer();

    std::unique_ptr<EglContext> m_egl;
    QString m_glError;
    unsigned m_fbo = 0;
    unsigned m_colorBuffer = 0;
    int m_surfaceWidth = 0;
    int m_surfaceHeight = 0;
};
