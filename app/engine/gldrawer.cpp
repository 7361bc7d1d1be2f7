#include "engine/gldrawer.h"

#include <QLoggingCategory>

#include <cmath>
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
    // w / h < a / b  <=>  w * b < a * h (integer products).
    if (int64_t(w) * b < int64_t(a) * h) {
        const int vw = int(int64_t(b) * w / h);
        glViewport((a - vw) / 2, 0, vw, b);
    } else {
        const int vh = int(int64_t(a) * h / w);
        glViewport(0, (b - vh) / 2, a, vh);
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double ratio = double(h) / double(w);
    glFrustum(-1.0, 1.0, -ratio, ratio, 2.0, 10000.0);
    glMatrixMode(GL_MODELVIEW);
}

void GLDrawCore::paintGL()
{
    glClearColor(m_clear[0], m_clear[1], m_clear[2], m_clear[3]);
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.f, 0.f, -float(m_width));
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

bool GLDrawCore::initTextures(int width, int height, int textureCount, bool flipRows)
{
    releaseGL();
    if (width <= 0 || height <= 0 || width > kTextureSize || height > kTextureSize || textureCount < 1)
        return false;
    setClearColor(0.f, 0.f, 0.f, 1.f);
    m_width = width;
    m_height = height;
    m_flipRows = flipRows;

    m_displayList = glGenLists(1);
    // Opaque black in BGRA byte order: 0, 0, 0, 255.
    std::vector<uint32_t> black(size_t(kTextureSize) * kTextureSize);
    const uint8_t px[4] = {0, 0, 0, 255};
    uint32_t value;
    std::memcpy(&value, px, 4);
    std::fill(black.begin(), black.end(), value);

    auto makeTexture = [&]() {
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, kTextureSize, kTextureSize, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                     black.data());
        return name;
    };
    m_textures.resize(size_t(textureCount));
    for (GLuint &t : m_textures)
        t = makeTexture();
    m_slotContent.assign(size_t(textureCount), 0);
    m_slotOpaque.assign(size_t(textureCount), true);
    m_background = makeTexture();
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
    setupTexGen();

    // An empty frame until the first endFrame.
    beginFrame();
    compileFrame();
    return glGetError() == GL_NO_ERROR;
}

void GLDrawCore::setupTexGen() const
{
    const float inv = 1.f / float(kTextureSize);
    const GLfloat sPlane[4] = {inv, 0.f, 0.f, 0.5f};
    const GLfloat tPlane[4] = {0.f, m_flipRows ? -inv : inv, 0.f, 0.5f};
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
    glTexGenfv(GL_S, GL_OBJECT_PLANE, sPlane);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
    glTexGenfv(GL_T, GL_OBJECT_PLANE, tPlane);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
}

void GLDrawCore::releaseGL()
{
    if (!m_textures.empty()) {
        glDeleteTextures(GLsizei(m_textures.size()), m_textures.data());
        m_textures.clear();
    }
    m_slotContent.clear();
    m_slotOpaque.clear();
    if (m_background) {
        glDeleteTextures(1, &m_background);
        m_background = 0;
    }
    if (m_displayList) {
        glDeleteLists(m_displayList, 1);
        m_displayList = 0;
    }
    std::vector<uint8_t>().swap(m_workBuffer);
    m_layerCount = 0;
    m_recording = false;
}

void GLDrawCore::upload(int slot, const uint8_t *bgra, int strideBytes)
{
    if (slot < 0 || slot >= int(m_textures.size()) || !bgra)
        return;
    glBindTexture(GL_TEXTURE_2D, m_textures[size_t(slot)]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, strideBytes > 0 ? strideBytes / 4 : 0);
    glTexSubImage2D(GL_TEXTURE_2D, 0, (kTextureSize - m_width) / 2, (kTextureSize - m_height) / 2, m_width,
                    m_height, GL_BGRA, GL_UNSIGNED_BYTE, bgra);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void GLDrawCore::uploadPicture(int slot, const uint8_t *bgra, int strideBytes, uint64_t contentId,
                               bool opaque)
{
    if (slot < 0 || slot >= int(m_textures.size()))
        return;
    if (contentId != 0 && m_slotContent[size_t(slot)] == contentId)
        return;
    upload(slot, bgra, strideBytes);
    m_slotContent[size_t(slot)] = contentId;
    m_slotOpaque[size_t(slot)] = opaque;
}

void GLDrawCore::uploadDissolve(int slot, double alpha, const uint8_t *bgra, int strideBytes)
{
    if (!bgra || m_width <= 0)
        return;
    const size_t row = size_t(m_width) * 4;
    const size_t stride = strideBytes > 0 ? size_t(strideBytes) : row;
    m_workBuffer.resize(row * size_t(m_height));
    const uint8_t a = uint8_t(int(alpha * 255.0));
    const uint32_t alphaWord = uint32_t(a) << 24;
    for (int y = 0; y < m_height; ++y) {
        const uint8_t *src = bgra + stride * size_t(y);
        uint8_t *dst = m_workBuffer.data() + row * size_t(y);
        for (int x = 0; x < m_width; ++x) {
            uint32_t px;
            std::memcpy(&px, src + 4 * x, 4);
            px = (px & 0x00FFFFFFu) | alphaWord;
            std::memcpy(dst + 4 * x, &px, 4);
        }
    }
    upload(slot, m_workBuffer.data(), 0);
    if (slot >= 0 && slot < int(m_textures.size())) {
        m_slotContent[size_t(slot)] = 0;
        m_slotOpaque[size_t(slot)] = a == 255;
    }
}

void GLDrawCore::buildMaskRamp(double progress, double softness)
{
    const double d = std::sin(progress * M_PI);
    const int lo = int((progress - d * softness) * 255.0);
    const int hi = int((progress + d * softness) * 255.0);
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
    if (!bgra || !mask || m_width <= 0)
        return;
    const size_t row = size_t(m_width) * 4;
    const size_t stride = strideBytes > 0 ? size_t(strideBytes) : row;
    const size_t mstride = maskStride > 0 ? size_t(maskStride) : size_t(m_width);
    m_workBuffer.resize(row * size_t(m_height));
    buildMaskRamp(progress, softness);
    // One pass: each BGRA pixel keeps its colour bytes and takes the
    // ramp's alpha (little-endian: alpha is the top byte of the word).
    uint32_t alphaWord[256];
    for (int i = 0; i < 256; ++i)
        alphaWord[i] = uint32_t(m_rampBytes[i]) << 24;
    for (int y = 0; y < m_height; ++y) {
        const uint8_t *src = bgra + stride * size_t(y);
        const uint8_t *m = mask + mstride * size_t(y);
        uint8_t *dst = m_workBuffer.data() + row * size_t(y);
        for (int x = 0; x < m_width; ++x) {
            uint32_t px;
            std::memcpy(&px, src + 4 * x, 4);
            px = (px & 0x00FFFFFFu) | alphaWord[m[x]];
            std::memcpy(dst + 4 * x, &px, 4);
        }
    }
    upload(slot, m_workBuffer.data(), 0);
    if (slot >= 0 && slot < int(m_textures.size())) {
        m_slotContent[size_t(slot)] = 0;
        m_slotOpaque[size_t(slot)] = false;
    }
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

bool GLDrawCore::coversFrame(const Layer &l) const
{
    if (l.slot < 0 || l.slot >= int(m_textures.size()) || !m_slotOpaque[size_t(l.slot)])
        return false;
    // Only a translation (kind 0) keeps the quad parallel to the screen:
    // seen from the camera at distance `width`, it is the quad scaled by
    // width / (width - z) about the centre and moved by (x, y) times that.
    float tx = 0.f, ty = 0.f, tz = 0.f;
    if (l.hasSample) {
        if (l.sample.kind != 0)
            return false;
        tx = l.sample.values[0];
        ty = l.sample.values[1];
        tz = l.sample.values[2];
    }
    const double d = double(m_width) - tz;
    if (d < 2.0)
        return false;
    const double scale = double(m_width) / d;
    const double hx = m_width / 2, hy = m_height / 2;
    const double margin = 1.0; // a pixel of safety for the edge filtering
    return (-hx + tx) * scale <= -hx - margin && (hx + tx) * scale >= hx + margin &&
           (-hy + ty) * scale <= -hy - margin && (hy + ty) * scale >= hy + margin;
}

void GLDrawCore::compileFrame()
{
    if (!m_displayList)
        return;
    m_recording = false;
    glNewList(m_displayList, GL_COMPILE);
    // The background: the opaque black texture over the quad. Every texel
    // is (0, 0, 0, 255), so it is drawn as the same flat opaque black
    // without sampling the texture or blending (the same pixels at a
    // fraction of the cost on a software rasteriser).
    // When the first layer is opaque and covers the whole frame, nothing of
    // the background would stay visible and it is left out.
    const bool covered = m_layerCount > 0 && coversFrame(m_layers[0]);
    glDisable(GL_BLEND);
    if (!covered) {
        glDisable(GL_TEXTURE_2D);
        glColor4f(0.f, 0.f, 0.f, 1.f);
        drawQuad();
        glEnable(GL_TEXTURE_2D);
    }
    glColor4f(1.f, 1.f, 1.f, 1.f);
    for (int i = 0; i < m_layerCount; ++i) {
        const Layer &l = m_layers[i];
        if (l.slot < 0 || l.slot >= int(m_textures.size()))
            continue;
        glPushMatrix();
        if (l.hasSample) {
            const auto &v = l.sample.values;
            if (l.sample.kind == 0)
                glTranslatef(v[0], v[1], v[2]);
            else if (l.sample.kind == 1)
                glRotatef(v[0], v[1], v[2], v[3]);
        }
        switch (l.orientationCode) {
        case 2:
        case 7:
            glRotatef(180.f, 0.f, 1.f, 0.f);
            break;
        case 3:
        case 5:
            glRotatef(180.f, 0.f, 1.f, 0.f);
            glRotatef(180.f, 1.f, 0.f, 0.f);
            break;
        case 1:
        case 4:
            glRotatef(180.f, 1.f, 0.f, 0.f);
            break;
        default:
            break;
        }
        // An opaque layer replaces what is under it: blending it would give
        // the same pixels.
        if (m_slotOpaque[size_t(l.slot)])
            glDisable(GL_BLEND);
        else
            glEnable(GL_BLEND);
        glBindTexture(GL_TEXTURE_2D, m_textures[size_t(l.slot)]);
        drawQuad();
        glPopMatrix();
    }
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, 0);
    glEndList();
}

void GLDrawCore::readPixels(GLenum format, GLenum type, void *destination) const
{
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(0, 0, m_width, m_height, format, type, destination);
}

// ---------------------------------------------------------------------------

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
    if (!makeCurrentGL())
        return false;
    m_core.compileFrame();
    presentFrame();
    return true;
}

void GLDrawer::uploadPicture(int slot, const uint8_t *bgra, int strideBytes, uint64_t contentId, bool opaque)
{
    if (makeCurrentGL())
        m_core.uploadPicture(slot, bgra, strideBytes, contentId, opaque);
}

void GLDrawer::uploadDissolve(int slot, double alpha, const uint8_t *bgra, int strideBytes)
{
    if (makeCurrentGL())
        m_core.uploadDissolve(slot, alpha, bgra, strideBytes);
}

void GLDrawer::uploadMasked(int slot, double progress, double softness, const uint8_t *mask,
                            const uint8_t *bgra, int maskStride, int strideBytes)
{
    if (makeCurrentGL())
        m_core.uploadMasked(slot, progress, softness, mask, maskStride, bgra, strideBytes);
}

bool GLDrawer::readPixels(GLenum format, GLenum type, void *destination)
{
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
