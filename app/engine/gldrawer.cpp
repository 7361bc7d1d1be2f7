// The shader program's entry points (OpenGL 2.0) come from the GL library
// like the fixed-function ones; a context below 2.1 never calls them.
#define GL_GLEXT_PROTOTYPES 1
#include "engine/gldrawer.h"

#include <GL/glext.h>

#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

Q_LOGGING_CATEGORY(lcDrawer, "sorvel.drawer")

#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif
#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

GLDrawCore::GLDrawCore() = default;

GLDrawCore::~GLDrawCore()
{
    // GL objects die with their context; the host calls releaseGL while the
    // context is current. Only the CPU-side buffer is freed here.
}

void GLDrawCore::initializeGL()
{
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // The classic texture environment is "modulate" with the current colour;
    // that colour is always opaque white here, so "replace" gives the very
    // same pixels with less work per pixel on a software rasteriser.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
    glFrontFace(GL_CCW);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Polygon smoothing stays off: drivers that honour
    // it blend the shared diagonal of the quad's two triangles into a
    // visible seam, and the quad edges lie on pixel borders anyway.
    glDisable(GL_POLYGON_SMOOTH);
}

void GLDrawCore::resizeGL(int a, int b)
{
    if (b == 0)
        b = 1;
    const int w = m_width > 0 ? m_width : a;
    const int h = m_height > 0 ? m_height : b;
    const double shown = m_displayWidth > 0.0 ? m_displayWidth : double(w);
    const double distance = m_distance > 0.0 ? m_distance : double(w);
    m_surfaceIsFrame = a == w && b == h;
    // The frame's display shape fitted into the surface: pillar-box or
    // letter-box. A surface of the stored size is the frame itself.
    if (m_surfaceIsFrame) {
        glViewport(0, 0, a, b);
    } else if (shown * b < double(a) * h) {
        const int vw = int(double(b) * shown / h);
        glViewport((a - vw) / 2, 0, vw, b);
    } else {
        const int vh = int(double(a) * h / shown);
        glViewport(0, (b - vh) / 2, a, vh);
    }
    // The view at the camera's distance spans the frame in displayed
    // pixels (the near plane is at 2); the viewport squeezes that span to
    // whatever width it has.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-shown / distance, shown / distance, -double(h) / distance, double(h) / distance, 2.0, 10000.0);
    glMatrixMode(GL_MODELVIEW);
}

void GLDrawCore::paintGL()
{
    glClearColor(m_clear[0], m_clear[1], m_clear[2], m_clear[3]);
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.f, 0.f, -float(m_distance > 0.0 ? m_distance : double(m_width)));
    if (m_displayList)
        glCallList(m_displayList);
    glFinish();
}

void GLDrawCore::setClearColor(float r, float g, float b, float a)
{
    m_clear[0] = r;
    m_clear[1] = g;
    m_clear[2] = b;
    m_clear[3] = a;
}

namespace {

// The texel as it is: what the fixed-function "replace" does, written so
// that a software rasteriser recognises a plain textured blit (Mesa's
// llvmpipe then samples in 8-bit fixed point). A dissolving layer's one
// alpha is the blend's constant alpha, not an arithmetic of the shader.
const char *const kVertexShader = "#version 120\n"
                                  "varying vec2 texel;\n"
                                  "void main()\n"
                                  "{\n"
                                  "    gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;\n"
                                  "    texel = gl_MultiTexCoord0.xy;\n"
                                  "}\n";
const char *const kFragmentShader = "#version 120\n"
                                    "uniform sampler2D picture;\n"
                                    "varying vec2 texel;\n"
                                    "void main()\n"
                                    "{\n"
                                    "    gl_FragColor = texture2D(picture, texel);\n"
                                    "}\n";

GLuint compileShader(GLenum type, const char *source)
{
    const GLuint shader = glCreateShader(type);
    if (!shader)
        return 0;
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[512] = {};
        glGetShaderInfoLog(shader, sizeof log - 1, nullptr, log);
        qCWarning(lcDrawer) << "shader does not compile, drawing with the fixed-function pipeline:" << log;
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

// The major and minor version of the current context's OpenGL.
bool glVersionAtLeast(int major, int minor)
{
    const char *text = reinterpret_cast<const char *>(glGetString(GL_VERSION));
    int ma = 0, mi = 0;
    if (!text || std::sscanf(text, "%d.%d", &ma, &mi) != 2)
        return false;
    return ma > major || (ma == major && mi >= minor);
}

} // namespace

void GLDrawCore::createProgram()
{
    if (m_program || !glVersionAtLeast(2, 1) || qEnvironmentVariableIntValue("SORVEL_FIXED_FUNCTION") == 1)
        return;
    const GLuint vs = compileShader(GL_VERTEX_SHADER, kVertexShader);
    const GLuint fs = compileShader(GL_FRAGMENT_SHADER, kFragmentShader);
    GLuint program = (vs && fs) ? glCreateProgram() : 0;
    if (program) {
        glAttachShader(program, vs);
        glAttachShader(program, fs);
        glLinkProgram(program);
        GLint ok = GL_FALSE;
        glGetProgramiv(program, GL_LINK_STATUS, &ok);
        if (!ok) {
            qCWarning(lcDrawer) << "shader program does not link, drawing with the fixed-function pipeline";
            glDeleteProgram(program);
            program = 0;
        }
    }
    // The program keeps what it needs; the shader objects can go.
    if (vs)
        glDeleteShader(vs);
    if (fs)
        glDeleteShader(fs);
    if (!program)
        return;
    m_program = program;
    glUseProgram(program);
    glUniform1i(glGetUniformLocation(program, "picture"), 0);
    glUseProgram(0);
}

bool GLDrawCore::initTextures(const OutputFormat &format, int textureCount, bool flipRows)
{
    if (format.aspectNum <= 0 || format.aspectDen <= 0)
        return false;
    return setupFrame(format.width, format.height, format.displayWidth(), format.motionUnit(), textureCount,
                      flipRows);
}

bool GLDrawCore::initTextures(int width, int height, int textureCount, bool flipRows)
{
    OutputFormat square;
    square.width = width;
    square.height = height;
    square.aspectNum = width;
    square.aspectDen = height > 0 ? height : 1;
    return setupFrame(width, height, double(width), square.motionUnit(), textureCount, flipRows);
}

bool GLDrawCore::setupFrame(int width, int height, double displayWidth, double motionUnit, int textureCount,
                            bool flipRows)
{
    releaseGL();
    if (width <= 0 || height <= 0 || width > kTextureSize || height > kTextureSize || textureCount < 1 ||
        !(displayWidth > 0.0) || !(motionUnit > 0.0))
        return false;
    GLint driverLimit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &driverLimit);
    if (driverLimit > 0 && (width + 2 > driverLimit || height + 2 > driverLimit))
        return false;
    setClearColor(0.f, 0.f, 0.f, 1.f);
    m_width = width;
    m_height = height;
    m_displayWidth = displayWidth;
    m_squeeze = double(width) / displayWidth;
    m_motionUnit = motionUnit;
    // The keys' zoom is relative to a camera 720 key pixels away, as it
    // was when the frame was 720 x 540 square pixels.
    m_distance = 720.0 * motionUnit;
    m_flipRows = flipRows;
    m_compositor.setup(width, height, flipRows);
    // The picture with a ring of one opaque black texel round it: filtering
    // at the picture's edges blends toward black, as drawing it on black
    // would.
    m_textureWidth = width + 2;
    m_textureHeight = height + 2;

    m_displayList = glGenLists(1);
    m_slots.assign(size_t(textureCount), Slot());
    for (Slot &slot : m_slots) {
        glGenTextures(1, &slot.texture);
        glBindTexture(GL_TEXTURE_2D, slot.texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        // Composing on the processor, a texture's storage (8 MB at 1080p,
        // 33 MB at 2160p, in the process's memory with a software OpenGL)
        // is made only if OpenGL draws after all.
        if (!m_software)
            ensureStorage(slot);
    }
    glBindTexture(GL_TEXTURE_2D, 0);

    const float hx = float(width / 2);
    const float hy = float(height / 2);
    m_quad[0][0] = -hx;
    m_quad[0][1] = -hy;
    m_quad[1][0] = -hx;
    m_quad[1][1] = hy;
    m_quad[2][0] = hx;
    m_quad[2][1] = hy;
    m_quad[3][0] = hx;
    m_quad[3][1] = -hy;
    createProgram();

    // An empty frame until the first endFrame.
    beginFrame();
    compileFrame();
    return glGetError() == GL_NO_ERROR;
}

void GLDrawCore::releaseGL()
{
    for (Slot &slot : m_slots) {
        if (slot.texture)
            glDeleteTextures(1, &slot.texture);
    }
    m_slots.clear();
    if (m_displayList) {
        glDeleteLists(m_displayList, 1);
        m_displayList = 0;
    }
    if (m_program) {
        glDeleteProgram(m_program);
        m_program = 0;
    }
    std::vector<uint8_t>().swap(m_workBuffer);
    m_layerCount = 0;
    m_recording = false;
    m_softFrame = false;
}

void GLDrawCore::setSoftwareCompositing(bool on)
{
    m_software = on;
}

void GLDrawCore::upload(int slot, const uint8_t *bgra, int strideBytes)
{
    if (slot < 0 || slot >= int(m_slots.size()) || !bgra)
        return;
    Slot &s = m_slots[size_t(slot)];
    s.pixels = bgra;
    s.stride = strideBytes > 0 ? strideBytes : m_width * 4;
    s.textureStale = true;
    // Composing on the processor, the texture is filled only when a frame
    // is drawn by OpenGL after all.
    if (!m_software)
        fillTexture(s);
}

void GLDrawCore::ensureStorage(Slot &s)
{
    if (s.hasStorage)
        return;
    // Opaque black in BGRA byte order (0, 0, 0, 255), the ring round the
    // picture included.
    const uint8_t px[4] = {0, 0, 0, 255};
    uint32_t value;
    std::memcpy(&value, px, 4);
    const std::vector<uint32_t> black(size_t(m_textureWidth) * size_t(m_textureHeight), value);
    glBindTexture(GL_TEXTURE_2D, s.texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    // Unsized RGBA from BGRA bytes: the driver keeps its own BGRA layout,
    // so an upload is a plain copy.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, m_textureWidth, m_textureHeight, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                 black.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    s.hasStorage = true;
}

void GLDrawCore::fillTexture(Slot &s)
{
    if (!s.pixels)
        return;
    ensureStorage(s);
    glBindTexture(GL_TEXTURE_2D, s.texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, s.stride / 4);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 1, 1, m_width, m_height, GL_BGRA, GL_UNSIGNED_BYTE, s.pixels);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    s.textureStale = false;
}

void GLDrawCore::uploadPicture(int slot, const uint8_t *bgra, int strideBytes, uint64_t contentId,
                               bool opaque)
{
    if (slot < 0 || slot >= int(m_slots.size()))
        return;
    Slot &s = m_slots[size_t(slot)];
    s.alpha = 1.f;
    s.alphaByte = 255;
    if (contentId != 0 && s.content == contentId) {
        // The same pixels; only where they are now counts.
        if (bgra) {
            s.pixels = bgra;
            s.stride = strideBytes > 0 ? strideBytes : m_width * 4;
        }
        return;
    }
    upload(slot, bgra, strideBytes);
    s.content = contentId;
    s.opaque = opaque;
}

void GLDrawCore::uploadDissolve(int slot, double alpha, const uint8_t *bgra, int strideBytes,
                                uint64_t contentId)
{
    if (!bgra || slot < 0 || slot >= int(m_slots.size()))
        return;
    // The photo keeps its own (opaque) pixels in the slot; the layer's one
    // alpha is applied as it is drawn, quantised as an alpha byte would be.
    uploadPicture(slot, bgra, strideBytes, contentId, true);
    Slot &s = m_slots[size_t(slot)];
    s.alphaByte = std::clamp(int(alpha * 255.0), 0, 255);
    s.alpha = float(s.alphaByte) / 255.f;
}

void GLDrawCore::buildMaskRamp(double progress, double softness)
{
    const double d = std::sin(progress * M_PI);
    const int lo = int((progress - d * softness) * 255.0);
    const int hi = int((progress + d * softness) * 255.0);
    m_rampLo = lo;
    m_rampHi = hi;
    for (int i = 0; i < 256; ++i) {
        if (i < lo)
            m_maskRamp[i] = 0.0;
        else if (i < hi)
            m_maskRamp[i] = double(i - lo) * 255.0 / double(hi - lo);
        else
            m_maskRamp[i] = 255.0;
        m_rampBytes[i] = uint8_t(int(m_maskRamp[i]));
    }
}

void GLDrawCore::uploadMasked(int slot, double progress, double softness, const uint8_t *mask, int maskStride,
                              const uint8_t *bgra, int strideBytes)
{
    if (!bgra || !mask || m_width <= 0 || slot < 0 || slot >= int(m_slots.size()))
        return;
    const size_t row = size_t(m_width) * 4;
    const size_t stride = strideBytes > 0 ? size_t(strideBytes) : row;
    const size_t mstride = maskStride > 0 ? size_t(maskStride) : size_t(m_width);
    m_workBuffer.resize(row * size_t(m_height));
    buildMaskRamp(progress, softness);
    for (int y = 0; y < m_height; ++y)
        m_compositor.mergeMaskRow(bgra + stride * size_t(y), mask + mstride * size_t(y),
                                  m_workBuffer.data() + row * size_t(y), m_width, m_rampBytes, m_rampLo,
                                  m_rampHi);
    upload(slot, m_workBuffer.data(), 0);
    Slot &s = m_slots[size_t(slot)];
    s.content = 0;
    s.opaque = false;
    s.alpha = 1.f;
    s.alphaByte = 255;
}

void GLDrawCore::beginFrame()
{
    m_layerCount = 0;
    m_recording = true;
}

void GLDrawCore::drawLayer(int slot, int orientationCode, const MotionSample *sample)
{
    if (!m_recording || m_layerCount >= kMaxLayers)
        return;
    Layer &l = m_layers[m_layerCount++];
    l.slot = slot;
    l.orientationCode = orientationCode;
    l.hasSample = sample != nullptr;
    if (sample)
        l.sample = *sample;
    if (sample && sample->kind != 0 && sample->kind != 1)
        qCWarning(lcDrawer) << "Don't know what kind FX it is!";
}

void GLDrawCore::drawQuad() const
{
    glBegin(GL_TRIANGLES);
    glVertex2f(m_quad[0][0], m_quad[0][1]);
    glVertex2f(m_quad[1][0], m_quad[1][1]);
    glVertex2f(m_quad[2][0], m_quad[2][1]);
    glVertex2f(m_quad[0][0], m_quad[0][1]);
    glVertex2f(m_quad[2][0], m_quad[2][1]);
    glVertex2f(m_quad[3][0], m_quad[3][1]);
    glEnd();
}

namespace {

// Orientation: codes 2 and 7 mirror left-right, 3 and 5 turn by 180
// degrees, 1 and 4 flip top-bottom (the quarter turn of codes 4 to 7 is in
// the picture already). For a quad in the plane z = 0 these turns about
// the Y and X axes are mirrors of x and y.
bool mirrorsX(int code)
{
    return orientationMirrorsX(code);
}

bool mirrorsY(int code)
{
    return orientationMirrorsY(code);
}

} // namespace

bool GLDrawCore::parallelScale(const Layer &l, float *tx, float *ty, float *scale) const
{
    // Only a translation (kind 0) keeps the quad parallel to the screen:
    // seen from the camera at distance D, it is the quad scaled by
    // D / (D - z) about the centre and moved by (x, y) times that. The
    // key's values are displayed pixels of the motion unit; a move across
    // becomes stored pixels, and the scale is the same in both (the
    // squeeze across and a scale about the centre commute).
    *tx = *ty = 0.f;
    *scale = 1.f;
    float tz = 0.f;
    if (l.hasSample) {
        if (l.sample.kind != 0)
            return l.sample.kind != 1; // an unknown kind applies nothing
        *tx = float(double(l.sample.values[0]) * m_motionUnit * m_squeeze);
        *ty = float(double(l.sample.values[1]) * m_motionUnit);
        tz = float(double(l.sample.values[2]) * m_motionUnit);
    }
    const float distance = float(m_distance);
    const float d = distance - tz;
    if (d < 2.f) // at or behind the near plane
        return false;
    *scale = distance / d;
    return true;
}

bool GLDrawCore::coversFrame(const Layer &l) const
{
    if (l.slot < 0 || l.slot >= int(m_slots.size()))
        return false;
    const Slot &s = m_slots[size_t(l.slot)];
    float tx = 0.f, ty = 0.f, scale = 1.f;
    if (!s.opaque || s.alpha < 1.f || !parallelScale(l, &tx, &ty, &scale))
        return false;
    const double hx = m_width / 2, hy = m_height / 2;
    const double margin = 1.0; // a pixel of safety for the edge filtering
    return (-hx + tx) * scale <= -hx - margin && (hx + tx) * scale >= hx + margin &&
           (-hy + ty) * scale <= -hy - margin && (hy + ty) * scale >= hy + margin;
}

void GLDrawCore::drawLayerQuad(const Layer &l) const
{
    // Texture coordinates of the quad's corners: one object unit is one
    // texel, the picture's first texel follows the border texel, and the
    // writer's rows run bottom-up (flipRows).
    auto texS = [&](float x) { return (x + float(m_width / 2) + 1.f) / float(m_textureWidth); };
    auto texT = [&](float y) {
        return ((m_flipRows ? -y : y) + float(m_height / 2) + 1.f) / float(m_textureHeight);
    };
    const float mirrorX = mirrorsX(l.orientationCode) ? -1.f : 1.f;
    const float mirrorY = mirrorsY(l.orientationCode) ? -1.f : 1.f;
    static const int kCorners[6] = {0, 1, 2, 0, 2, 3};

    float tx = 0.f, ty = 0.f, scale = 1.f;
    if (parallelScale(l, &tx, &ty, &scale)) {
        // A quad parallel to the screen: its perspective image is the quad
        // scaled about the centre, drawn here with an orthographic
        // projection onto the same viewport (the same pixels, without a
        // per-pixel perspective divide).
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(-m_width / 2.0, m_width / 2.0, -m_height / 2.0, m_height / 2.0, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glBegin(GL_TRIANGLES);
        for (int k : kCorners) {
            const float x = m_quad[k][0], y = m_quad[k][1];
            glTexCoord2f(texS(x), texT(y));
            glVertex2f((mirrorX * x + tx) * scale, (mirrorY * y + ty) * scale);
        }
        glEnd();
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        return;
    }
    // A turned quad (kind 1) seen in perspective, placed in displayed
    // pixels: the quad's stored width is widened to its displayed width
    // first (the projection squeezes it back).
    glPushMatrix();
    if (l.hasSample) {
        const auto &v = l.sample.values;
        const float unit = float(m_motionUnit);
        if (l.sample.kind == 0)
            glTranslatef(v[0] * unit, v[1] * unit, v[2] * unit);
        else if (l.sample.kind == 1)
            glRotatef(v[0], v[1], v[2], v[3]);
    }
    glScalef(mirrorX / float(m_squeeze), mirrorY, 1.f);
    glBegin(GL_TRIANGLES);
    for (int k : kCorners) {
        const float x = m_quad[k][0], y = m_quad[k][1];
        glTexCoord2f(texS(x), texT(y));
        glVertex2f(x, y);
    }
    glEnd();
    glPopMatrix();
}

bool GLDrawCore::softLayers(SoftLayer *out, int *count) const
{
    int n = 0;
    for (int i = 0; i < m_layerCount; ++i) {
        const Layer &l = m_layers[i];
        if (l.slot < 0 || l.slot >= int(m_slots.size()))
            continue;
        const Slot &s = m_slots[size_t(l.slot)];
        float tx = 0.f, ty = 0.f, scale = 1.f;
        if (!s.pixels || !parallelScale(l, &tx, &ty, &scale))
            return false;
        SoftLayer &o = out[n++];
        o.bgra = s.pixels;
        o.stride = s.stride;
        o.tx = tx;
        o.ty = ty;
        o.scale = scale;
        o.mirrorX = mirrorsX(l.orientationCode);
        o.mirrorY = mirrorsY(l.orientationCode);
        o.blend = s.alpha < 1.f ? SoftLayer::ConstantAlpha
                  : s.opaque    ? SoftLayer::Replace
                                : SoftLayer::SourceAlpha;
        o.alpha = s.alphaByte;
    }
    *count = n;
    return true;
}

bool GLDrawCore::composeInSoftware()
{
    m_recording = false;
    m_softFrame = m_software && m_surfaceIsFrame && softLayers(m_softLayers, &m_softCount);
    return m_softFrame;
}

void GLDrawCore::compileFrame()
{
    if (!composeInSoftware())
        compileDisplayList();
}

void GLDrawCore::drawWithGL()
{
    if (!m_softFrame)
        return;
    m_softFrame = false;
    compileDisplayList();
    paintGL();
}

void GLDrawCore::compileDisplayList()
{
    if (!m_displayList)
        return;
    for (int i = 0; i < m_layerCount; ++i) {
        const int slot = m_layers[i].slot;
        if (slot < 0 || slot >= int(m_slots.size()))
            continue;
        Slot &s = m_slots[size_t(slot)];
        if (s.textureStale)
            fillTexture(s);
        else
            ensureStorage(s);
    }
    glNewList(m_displayList, GL_COMPILE);
    // The background: flat opaque black over the quad. When the first layer
    // is opaque and covers the whole frame, nothing of the background would
    // stay visible and it is left out.
    const bool covered = m_layerCount > 0 && coversFrame(m_layers[0]);
    glDisable(GL_BLEND);
    if (!covered) {
        glDisable(GL_TEXTURE_2D);
        glColor4f(0.f, 0.f, 0.f, 1.f);
        // The quad is in stored pixels; the projection spans the displayed
        // width, so it is widened to cover the whole frame.
        glPushMatrix();
        glScalef(float(1.0 / m_squeeze), 1.f, 1.f);
        drawQuad();
        glPopMatrix();
        glColor4f(1.f, 1.f, 1.f, 1.f);
        glEnable(GL_TEXTURE_2D);
    }
    if (m_program)
        glUseProgram(m_program);
    for (int i = 0; i < m_layerCount; ++i) {
        const Layer &l = m_layers[i];
        if (l.slot < 0 || l.slot >= int(m_slots.size()))
            continue;
        const Slot &s = m_slots[size_t(l.slot)];
        // An opaque layer replaces what is under it: blending it would give
        // the same pixels. A dissolving layer blends with its one alpha.
        if (s.alpha < 1.f) {
            glEnable(GL_BLEND);
            glBlendColor(0.f, 0.f, 0.f, s.alpha);
            glBlendFunc(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA);
        } else if (s.opaque) {
            glDisable(GL_BLEND);
        } else {
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        }
        glBindTexture(GL_TEXTURE_2D, s.texture);
        drawLayerQuad(l);
    }
    if (m_program)
        glUseProgram(0);
    glColor4f(1.f, 1.f, 1.f, 1.f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, 0);
    glEndList();
}

bool GLDrawCore::readComposed(GLenum format, GLenum type, void *destination)
{
    if (!m_softFrame || format != GL_BGRA || type != GL_UNSIGNED_BYTE)
        return false;
    m_compositor.compose(m_softLayers, m_softCount, static_cast<uint8_t *>(destination), m_width * 4);
    return true;
}

bool GLDrawCore::readComposedInBands(uint8_t *band, int bandStride, int bandRows,
                                     const SoftCompositor::BandDone &done)
{
    if (!m_softFrame)
        return false;
    m_compositor.composeInBands(m_softLayers, m_softCount, band, bandStride, bandRows, done);
    return true;
}

bool GLDrawCore::holdComposed(HeldFrame *held) const
{
    if (!m_softFrame)
        return false;
    std::copy(m_softLayers, m_softLayers + m_softCount, held->layers);
    held->count = m_softCount;
    return true;
}

bool GLDrawCore::readComposedInBands(const HeldFrame &held, uint8_t *heldBand,
                                     const SoftCompositor::BandDone &heldDone, uint8_t *band, int bandStride,
                                     int bandRows, const SoftCompositor::BandDone &done)
{
    if (!m_softFrame)
        return false;
    SoftCompositor::Frame frames[2];
    frames[0].layers = held.layers;
    frames[0].count = held.count;
    frames[0].band = heldBand;
    frames[0].bandStride = bandStride;
    frames[0].done = heldDone;
    frames[1].layers = m_softLayers;
    frames[1].count = m_softCount;
    frames[1].band = band;
    frames[1].bandStride = bandStride;
    frames[1].done = done;
    m_compositor.composeFramesInBands(frames, 2, bandRows);
    return true;
}

void GLDrawCore::readHeldInBands(const HeldFrame &held, uint8_t *band, int bandStride, int bandRows,
                                 const SoftCompositor::BandDone &done)
{
    m_compositor.composeInBands(held.layers, held.count, band, bandStride, bandRows, done);
}

void GLDrawCore::readPixels(GLenum format, GLenum type, void *destination)
{
    if (readComposed(format, type, destination))
        return;
    drawWithGL(); // a composed frame read in another format
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(0, 0, m_width, m_height, format, type, destination);
}

// ---------------------------------------------------------------------------

bool GLDrawer::initTextures(const OutputFormat &format, int textureCount, bool flipRows)
{
    if (!makeCurrentGL())
        return false;
    releaseGL();
    if (!m_core.initTextures(format, textureCount, flipRows))
        return false;
    resizeHost(format.width, format.height);
    return true;
}

bool GLDrawer::initTextures(int width, int height, int textureCount, bool flipRows)
{
    if (!makeCurrentGL())
        return false;
    releaseGL();
    if (!m_core.initTextures(width, height, textureCount, flipRows))
        return false;
    resizeHost(width, height);
    return true;
}

void GLDrawer::releaseGL()
{
    if (makeCurrentGL())
        m_core.releaseGL();
}

void GLDrawer::beginFrame()
{
    m_core.beginFrame();
}

void GLDrawer::drawLayer(int slot, int orientationCode, const MotionSample *sample)
{
    m_core.drawLayer(slot, orientationCode, sample);
}

bool GLDrawer::endFrame()
{
    // A frame composed on the processor makes no OpenGL call at all.
    if (m_core.composeInSoftware())
        return true;
    if (!makeCurrentGL())
        return false;
    m_core.compileFrame();
    presentFrame();
    return true;
}

bool GLDrawer::contextForUpload()
{
    // Composing on the processor, an upload only remembers the picture.
    return m_core.softwareCompositing() || makeCurrentGL();
}

void GLDrawer::uploadPicture(int slot, const uint8_t *bgra, int strideBytes, uint64_t contentId, bool opaque)
{
    if (contextForUpload())
        m_core.uploadPicture(slot, bgra, strideBytes, contentId, opaque);
}

void GLDrawer::uploadDissolve(int slot, double alpha, const uint8_t *bgra, int strideBytes,
                              uint64_t contentId)
{
    if (contextForUpload())
        m_core.uploadDissolve(slot, alpha, bgra, strideBytes, contentId);
}

void GLDrawer::uploadMasked(int slot, double progress, double softness, const uint8_t *mask,
                            const uint8_t *bgra, int maskStride, int strideBytes)
{
    if (contextForUpload())
        m_core.uploadMasked(slot, progress, softness, mask, maskStride, bgra, strideBytes);
}

bool GLDrawer::readPixels(GLenum format, GLenum type, void *destination)
{
    if (m_core.readComposed(format, type, destination))
        return true;
    if (!makeCurrentGL() || !m_core.ready())
        return false;
    // Only an error of the read itself counts.
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
    m_core.readPixels(format, type, destination);
    return glGetError() == GL_NO_ERROR;
}

void GLDrawer::setClearColor(float r, float g, float b, float a)
{
    m_core.setClearColor(r, g, b, a);
}
