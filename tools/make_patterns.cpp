// Writes the transition patterns: grey-level wipe masks as PNG content in
// "<folder>/<name>.wpt". A brighter level shows the incoming photo earlier
// (the storyboard runs the mask ramp from white to black), and every mask is a
// smooth ramp so that the soft edge of the wipe shows.
//
// Usage: make_patterns FOLDER NAME...   (each NAME one of the generators)

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QString>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int W = 720;
constexpr int H = 540;

using Shape = std::function<double(double x, double y)>; // x, y in 0..1; result 0..1 (1 = first)

double clamp01(double v)
{
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

std::vector<int> permutation(int n, unsigned seed)
{
    std::vector<int> p(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        p[size_t(i)] = i;
    for (int i = n - 1; i > 0; --i) {
        seed = seed * 1103515245u + 12345u;
        const int j = int((seed >> 8) % unsigned(i + 1));
        std::swap(p[size_t(i)], p[size_t(j)]);
    }
    return p;
}

std::map<QString, Shape> shapes()
{
    std::map<QString, Shape> s;
    const double aspect = double(W) / H;
    s["wipe_from_left"] = [](double x, double) { return 1 - x; };
    s["wipe_from_right"] = [](double x, double) { return x; };
    s["wipe_from_top"] = [](double, double y) { return 1 - y; };
    s["wipe_from_bottom"] = [](double, double y) { return y; };
    s["diagonal_top_left"] = [](double x, double y) { return 1 - (x + y) / 2; };
    s["diagonal_top_right"] = [](double x, double y) { return 1 - ((1 - x) + y) / 2; };
    s["diagonal_bottom_left"] = [](double x, double y) { return 1 - (x + (1 - y)) / 2; };
    s["diagonal_bottom_right"] = [](double x, double y) { return (x + y) / 2; };
    s["iris_open"] = [aspect](double x, double y) {
        const double dx = (x - 0.5) * aspect, dy = y - 0.5;
        const double rmax = std::sqrt(0.25 * aspect * aspect + 0.25);
        return 1 - std::sqrt(dx * dx + dy * dy) / rmax;
    };
    s["iris_close"] = [aspect](double x, double y) {
        const double dx = (x - 0.5) * aspect, dy = y - 0.5;
        const double rmax = std::sqrt(0.25 * aspect * aspect + 0.25);
        return std::sqrt(dx * dx + dy * dy) / rmax;
    };
    s["diamond"] = [](double x, double y) { return 1 - (std::fabs(x - 0.5) + std::fabs(y - 0.5)); };
    s["clock"] = [](double x, double y) {
        double a = std::atan2(x - 0.5, -(y - 0.5)); // 0 at twelve o'clock, clockwise
        if (a < 0)
            a += 2 * M_PI;
        return 1 - a / (2 * M_PI);
    };
    s["blinds_horizontal"] = [](double, double y) {
        const double band = y * 8;
        return 1 - (band - std::floor(band));
    };
    s["blinds_vertical"] = [](double x, double) {
        const double band = x * 10;
        return 1 - (band - std::floor(band));
    };
    s["barn_doors_open"] = [](double x, double) { return 1 - 2 * std::fabs(x - 0.5); };
    s["barn_doors_close"] = [](double x, double) { return 2 * std::fabs(x - 0.5); };
    s["split_horizontal_open"] = [](double, double y) { return 1 - 2 * std::fabs(y - 0.5); };
    s["checkerboard"] = [](double x, double y) {
        const int cx = int(x * 8), cy = int(y * 6);
        const double fx = x * 8 - cx; // ramp across each cell
        const double ramp = 1 - fx;
        return ((cx + cy) % 2 == 0) ? 0.5 + 0.5 * ramp : 0.5 * ramp;
    };
    static const std::vector<int> order = permutation(16 * 12, 20261207u);
    s["random_blocks"] = [](double x, double y) {
        const int bx = std::min(15, int(x * 16)), by = std::min(11, int(y * 12));
        const int rank = order[size_t(by * 16 + bx)];
        return (rank + 0.5) / (16.0 * 12.0);
    };
    s["spiral"] = [aspect](double x, double y) {
        const double dx = (x - 0.5) * aspect, dy = y - 0.5;
        double a = std::atan2(dy, dx);
        if (a < 0)
            a += 2 * M_PI;
        const double rmax = std::sqrt(0.25 * aspect * aspect + 0.25);
        const double r = std::sqrt(dx * dx + dy * dy) / rmax;
        // two turns from the centre outward
        const double t = (a / (2 * M_PI) + std::floor(r * 2 - a / (2 * M_PI) + 1)) / 2;
        return 1 - clamp01(t * 2 / 3);
    };
    s["wave_from_left"] = [](double x, double y) {
        return 1 - clamp01(x * 0.85 + 0.075 * (1 + std::sin(y * 4 * M_PI)));
    };
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: make_patterns FOLDER NAME...\n");
        return 2;
    }
    const QString folder = args[1];
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make_patterns: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const auto all = shapes();
    for (int i = 2; i < args.size(); ++i) {
        // A name may carry an order prefix ("03_wipe_from_top").
        QString name = args[i];
        QString shapeName = name;
        if (shapeName.size() > 3 && shapeName[0].isDigit() && shapeName[1].isDigit() && shapeName[2] == '_')
            shapeName = shapeName.mid(3);
        const auto it = all.find(shapeName);
        if (it == all.end()) {
            std::fprintf(stderr, "make_patterns: unknown pattern %s\n", qPrintable(name));
            return 1;
        }
        QImage image(W, H, QImage::Format_Grayscale8);
        for (int y = 0; y < H; ++y) {
            uchar *row = image.scanLine(y);
            for (int x = 0; x < W; ++x) {
                const double v = clamp01(it->second((x + 0.5) / W, (y + 0.5) / H));
                row[x] = uchar(std::lround(v * 255.0));
            }
        }
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".wpt");
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "make_patterns: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
