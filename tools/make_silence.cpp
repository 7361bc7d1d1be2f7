// Writes "silence.ac3": two seconds of stereo silence at 48 kHz, encoded
// with the program's own AC-3 writer (StreamWriter). The DVD authoring library
// multiplexes it with a title that has no audio.
//
// Usage: make_silence OUTPUT.ac3

#include "engine/streamwriter.h"

#include <QCoreApplication>

#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_silence OUTPUT.ac3\n");
        return 2;
    }
    StreamWriter writer;
    if (!writer.open(args[1], VideoStreamParams(), AudioStreamParams::ac3(2, 192000))) {
        std::fprintf(stderr, "make_silence: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    const std::vector<uint8_t> pcm(size_t(48000) * 2 * 2 * 2, 0); // 2 s, 2 channels, 16 bit
    if (!writer.writeAudio(pcm.data(), int(pcm.size())) || !writer.finish()) {
        std::fprintf(stderr, "make_silence: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
