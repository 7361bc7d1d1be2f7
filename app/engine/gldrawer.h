#pragma once

// OpenGL drawing, transitions and effects.
//
// The drawing is split in two so that one drawing core serves every host:
//
//  - GLDrawCore holds every GL object and every piece of drawing code (the
//    slot textures, texture generation, the display list, the uploads with
//    dissolve and mask ramp, the initialise / resize / paint hooks and the
//    read-back). It knows nothing about where its context comes from; every
//    call expects its context to be current.
//  - GLDrawer is the drawer interface that StoryBoardRender
//    drives: initTextures, the uploads, beginFrame / drawLayer / endFrame,
//    readPixels, releaseGL. It forwards to its core after asking its host to
//    make the context current, and asks the host for the synchronous update
//    at endFrame.
//
// Hosts:
//  - OffscreenGLDrawer (offscreengl.h): an EGL context on Mesa's surfaceless
//    platform rendering into a framebuffer object; no display server needed.
//    The writer (AVWriterManager) derives from it.
//  - The on-screen preview player derives from QOpenGLWidget and
//    GLDrawer (GLDrawer is not a QObject, so both bases combine):
//      bool makeCurrentGL() override { makeCurrent(); return true; }
//      void presentFrame() override { repaint(); }  // or makeCurrent+paintGL+glFinish
//      void resizeHost(int w, int h) override { resize(w, h); }
//      void initializeGL() override { core().initializeGL(); }
//      void resizeGL(int a, int b) override { core().resizeGL(a, b); }
//      void paintGL() override { core().paintGL(); }
//    and calls initTextures(..., flipRows = false) once its context exists.

#include <GL/gl.h>

#include <cstdint>
#include <vector>

#include "album/album.h"
#include "engine/softcompositor.h"

class GLDrawCore
{
public:
    // The largest frame the core draws (each slot's texture is the frame
    // size plus a one-texel black border): a 2160p video upright (2160 x
    // 3840) fits; the driver's own limit may be lower (checked).
    static constexpr int kTextureSize = 4096;
    static constexpr int kMaxLayers = 8;

    GLDrawCore();
    ~GLDrawCore();
    GLDrawCore(const GLDrawCore &) = delete;
    GLDrawCore &operator=(const GLDrawCore &) = delete;

    // The initialise hook: fixed-function state (once per context).
    void initializeGL();
    // The resize hook: viewport (pillar-box / letter-box) and projection for
    // a surface of a x b pixels.
    void resizeGL(int a, int b);
    // The paint hook: clear, place the camera, call the display list, finish.
    void paintGL();

    // Frames of width x height stored pixels, shown in the format's shape
    // (a DVD frame's pixels are not square). The frame is composed for the
    // display shape directly at the stored size: the layers and their
    // pan-and-zoom are placed in displayed pixels (a circle stays round on
    // screen) and squeezed across to the stored width, with no resampling
    // of the rows. The pictures uploaded are frame-size, already in the
    // stored shape.
    bool initTextures(const OutputFormat &format, int textureCount, bool flipRows);
    // Square pixels: a frame shown as width x height.
    bool initTextures(int width, int height, int textureCount, bool flipRows);
    void releaseGL();
    void setClearColor(float r, float g, float b, float a);

    // contentId: a non-zero id of immutable pixels; uploading the id that a
    // slot already holds is skipped. opaque: every alpha byte is 255, so the
    // layer is drawn without blending (the same pixels, less work).
    void uploadPicture(int slot, const uint8_t *bgra, int strideBytes, uint64_t contentId = 0,
                       bool opaque = false);
    // The picture (opaque) drawn with one alpha for all its pixels,
    // (int)(alpha x 255) / 255 as if every alpha byte were rewritten.
    void uploadDissolve(int slot, double alpha, const uint8_t *bgra, int strideBytes, uint64_t contentId = 0);
    void uploadMasked(int slot, double progress, double softness, const uint8_t *mask, int maskStride,
                      const uint8_t *bgra, int strideBytes);
    void buildMaskRamp(double progress, double softness);
    const double *maskRamp() const { return m_maskRamp; }
    const uint8_t *maskRampBytes() const { return m_rampBytes; }
    int maskRampLow() const { return m_rampLo; }
    int maskRampHigh() const { return m_rampHi; }

    // beginFrame / drawLayer record the frame; compileFrame turns the record
    // into the display list (the uploads in between run at once, outside
    // the list, so no picture is ever copied into a display list).
    void beginFrame();
    void drawLayer(int slot, int orientationCode, const MotionSample *sample);
    void compileFrame();

    void readPixels(GLenum format, GLenum type, void *destination);

    // Frames whose layers all lie parallel to the screen are composed on
    // the processor (SoftCompositor) instead of by OpenGL: the same
    // pixels, several times faster than a software OpenGL draws them. The
    // uploads then only remember the pictures (which must stay as they
    // are until the frame is read back); the textures are filled when a
    // frame needs OpenGL after all (a turned layer, a read-back in another
    // format). Only for an off-screen host whose surface is the frame
    // size, and whose pixels are read back with readPixels.
    void setSoftwareCompositing(bool on);
    bool softwareCompositing() const { return m_software; }
    // Whether the frame compiled last is composed on the processor (and
    // the paint hook has nothing to draw for it).
    bool composedInSoftware() const { return m_softFrame; }
    // Ends the recorded frame; true when it is composed on the processor
    // (then it needs no OpenGL call, compileFrame is not needed).
    bool composeInSoftware();
    // Composes the frame into destination when it is composed on the
    // processor and read as BGRA bytes; false otherwise (nothing done).
    bool readComposed(GLenum format, GLenum type, void *destination);
    // The same frame as BGRA bytes, a band of rows at a time (see
    // SoftCompositor::composeInBands); false when it is not composed on the
    // processor (nothing done).
    bool readComposedInBands(uint8_t *band, int bandStride, int bandRows,
                             const SoftCompositor::BandDone &done);
    // A frame composed on the processor, kept while the next one is
    // recorded, so that the two are composed together (their pictures must
    // stay as they are until then).
    struct HeldFrame {
        SoftLayer layers[kMaxLayers];
        int count = 0;
    };
    // Keeps the frame recorded last; false (nothing kept) when it is not
    // composed on the processor.
    bool holdComposed(HeldFrame *held) const;
    // The held frame and the frame recorded last, composed together band
    // by band (SoftCompositor::composeFramesInBands), each into its own
    // band and done; false (nothing done) when the last frame is not
    // composed on the processor.
    bool readComposedInBands(const HeldFrame &held, uint8_t *heldBand,
                             const SoftCompositor::BandDone &heldDone, uint8_t *band, int bandStride,
                             int bandRows, const SoftCompositor::BandDone &done);
    // The held frame alone, in bands.
    void readHeldInBands(const HeldFrame &held, uint8_t *band, int bandStride, int bandRows,
                         const SoftCompositor::BandDone &done);
    // Draws a frame composed on the processor with OpenGL after all (the
    // context current): for a read of the surface itself.
    void drawWithGL();
    SoftCompositor &compositor() { return m_compositor; }

    int width() const { return m_width; }
    int height() const { return m_height; }
    // The frame's width on screen, in pixels as tall as a stored row.
    double displayWidth() const { return m_displayWidth; }
    int textureCount() const { return int(m_slots.size()); }
    bool flipRows() const { return m_flipRows; }
    bool ready() const { return m_width > 0; }
    // Whether layers are drawn by the shader program (GLSL 1.20) rather
    // than the fixed-function pipeline (drivers without GLSL).
    bool usesShaders() const { return m_program != 0; }

private:
    struct Layer {
        int slot;
        int orientationCode;
        bool hasSample;
        MotionSample sample;
    };
    struct Slot {
        GLuint texture = 0;
        uint64_t content = 0;
        bool opaque = true;
        float alpha = 1.f;
        int alphaByte = 255;
        // The pixels of the last upload, and whether the texture still
        // lacks them (software compositing fills textures on demand).
        const uint8_t *pixels = nullptr;
        int stride = 0;
        bool textureStale = false;
        // Whether the texture has its storage (composing on the processor,
        // it gets it only when OpenGL draws a frame after all).
        bool hasStorage = false;
    };
    void ensureStorage(Slot &s);
    bool setupFrame(int width, int height, double displayWidth, double motionUnit, int textureCount,
                    bool flipRows);
    void upload(int slot, const uint8_t *bgra, int strideBytes);
    void fillTexture(Slot &slot);
    void compileDisplayList();
    bool softLayers(SoftLayer *out, int *count) const;
    bool coversFrame(const Layer &layer) const;
    bool parallelScale(const Layer &layer, float *tx, float *ty, float *scale) const;
    void drawQuad() const;
    void drawLayerQuad(const Layer &layer) const;
    void createProgram();

    int m_width = -1;
    int m_height = -1;
    // The display shape: the frame's width on screen (pixels as tall as a
    // row), stored pixels per displayed one across, the displayed pixels of
    // one pixel of a motion key, and the camera's distance (in displayed
    // pixels) at which the frame's plane fills the view.
    double m_displayWidth = 0.0;
    double m_squeeze = 1.0;
    double m_motionUnit = 1.0;
    double m_distance = 0.0;
    int m_textureWidth = 0;
    int m_textureHeight = 0;
    bool m_flipRows = false;
    std::vector<Slot> m_slots;
    GLuint m_displayList = 0;
    GLuint m_program = 0;
    double m_maskRamp[256] = {};
    uint8_t m_rampBytes[256] = {};
    int m_rampLo = 0; // the ramp's bounds: 0 below, 255 from hi on
    int m_rampHi = 0;
    std::vector<uint8_t> m_workBuffer;
    float m_quad[4][2] = {};
    float m_clear[4] = {0.f, 0.f, 0.f, 1.f};
    Layer m_layers[kMaxLayers];
    int m_layerCount = 0;
    bool m_recording = false;
    bool m_software = false;
    bool m_softFrame = false;
    bool m_surfaceIsFrame = true;
    SoftCompositor m_compositor;
    SoftLayer m_softLayers[kMaxLayers];
    int m_softCount = 0;
};

class GLDrawer
{
public:
    GLDrawer() = default;
    virtual ~GLDrawer() = default;
    GLDrawer(const GLDrawer &) = delete;
    GLDrawer &operator=(const GLDrawer &) = delete;

    // See GLDrawCore::initTextures.
    bool initTextures(const OutputFormat &format, int textureCount, bool flipRows);
    bool initTextures(int width, int height, int textureCount, bool flipRows);
    virtual void releaseGL();
    virtual void beginFrame();
    virtual void drawLayer(int slot, int orientationCode, const MotionSample *sample);
    // Finishes the display list and runs the synchronous update (paint).
    virtual bool endFrame();

    void uploadPicture(int slot, const uint8_t *bgra, int strideBytes = 0, uint64_t contentId = 0,
                       bool opaque = false);
    void uploadDissolve(int slot, double alpha, const uint8_t *bgra, int strideBytes = 0,
                        uint64_t contentId = 0);
    void uploadMasked(int slot, double progress, double softness, const uint8_t *mask, const uint8_t *bgra,
                      int maskStride = 0, int strideBytes = 0);
    // Reads the whole width x height frame from (0, 0).
    bool readPixels(GLenum format, GLenum type, void *destination);
    // The frame as BGRA bytes in bands when it is composed on the processor
    // (GLDrawCore::readComposedInBands); false otherwise, and readPixels
    // reads it.
    bool readComposedInBands(uint8_t *band, int bandStride, int bandRows,
                             const SoftCompositor::BandDone &done)
    {
        return m_core.readComposedInBands(band, bandStride, bandRows, done);
    }
    void setClearColor(float r, float g, float b, float a);

    GLDrawCore &core() { return m_core; }
    const GLDrawCore &core() const { return m_core; }
    int frameWidth() const { return m_core.width(); }
    int frameHeight() const { return m_core.height(); }
    double frameDisplayWidth() const { return m_core.displayWidth(); }

protected:
    // The host: makes its GL context current (false when it has none).
    virtual bool makeCurrentGL() = 0;
    // The synchronous update: make current, run the paint hook, finish.
    virtual void presentFrame() = 0;
    // Gives the host surface the frame size (a widget resizes itself).
    virtual void resizeHost(int width, int height) = 0;

private:
    // An upload's context: none needed when the core composes on the
    // processor, else the host's made current.
    bool contextForUpload();

    GLDrawCore m_core;
};
