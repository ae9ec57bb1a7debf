// The 30 different glyph pictures: solid black signs on a transparent ground.
// Most come from the outline drawings of Noto Sans Egyptian Hieroglyphs: each
// outline is filled into a silhouette, and the drawing's inner lines are kept
// as white (transparent) details. Signs whose outlines do not survive at these
// sizes are drawn here from simple shapes, or, where the features that name
// the sign need placing pixel by pixel, read from a hand-drawn grid in
// small-signs/.
#include "pictures.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace artwork {
namespace {

constexpr int kHr = 8;   // silhouettes are worked out at 8 x 8 samples per pixel
constexpr int kPad = 24; // empty border around a sign at that resolution

using Grid = std::vector<uint8_t>; // 1 = set

// Distance from every cell to the nearest set cell (chamfer 1, sqrt 2).
std::vector<float> distanceTo(const Grid& set, int w, int h) {
    const float inf = std::numeric_limits<float>::max() / 4, diag = 1.41421356f;
    std::vector<float> d(set.size());
    for (size_t i = 0; i < set.size(); ++i)
        d[i] = set[i] ? 0.0f : inf;
    auto relax = [&](int x, int y, int nx, int ny, float cost) {
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) return;
        float& here = d[size_t(y) * w + x];
        here = std::min(here, d[size_t(ny) * w + nx] + cost);
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            relax(x, y, x - 1, y, 1), relax(x, y, x - 1, y - 1, diag);
            relax(x, y, x, y - 1, 1), relax(x, y, x + 1, y - 1, diag);
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            relax(x, y, x + 1, y, 1), relax(x, y, x + 1, y + 1, diag);
            relax(x, y, x, y + 1, 1), relax(x, y, x - 1, y + 1, diag);
        }
    return d;
}

Grid floodFromCorner(const Grid& walls, int w, int h) {
    Grid out(walls.size(), 0);
    std::vector<int> stack{0};
    out[0] = 1;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        const int x = i % w, y = i / w;
        const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (auto [nx, ny] : next) {
            if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
            const int j = ny * w + nx;
            if (!out[size_t(j)] && !walls[size_t(j)]) out[size_t(j)] = 1, stack.push_back(j);
        }
    }
    return out;
}

// One font sign placed in a rectangle of the picture (in picture pixels).
struct Part {
    char32_t cp;
    double x, y, w, h;
    bool mirror = false;
    double bold = 0;        // widen thin bodies by this many picture pixels
    bool capTop = false;    // close an outline that is open at the top
    bool linesOnly = false; // keep the drawing's lines instead of filling them
};

// The sign as black (1), silhouette at kHr resolution, with the border kPad.
Grid partSilhouette(const OutlineFont& font, const Part& p, int w, int h) {
    Mask ink(w, h);
    const double sx = p.w * kHr, sy = p.h * kHr;
    font.drawInto(ink, p.cp, kPad + p.x * kHr, kPad + p.y * kHr, sx, sy);
    if (p.mirror) {
        const int x0 = kPad + int(p.x * kHr), x1 = x0 + int(sx) - 1;
        for (int y = 0; y < h; ++y)
            for (int a = x0, b = x1; a < b; ++a, --b)
                std::swap(ink.ref(a, y), ink.ref(b, y));
    }
    Grid set(ink.v.size());
    for (size_t i = 0; i < set.size(); ++i)
        set[i] = ink.v[i] >= 0.5f;
    if (p.capTop) {
        const int top = kPad + int(p.y * kHr);
        for (int y = top; y < top + kHr; ++y) {
            int lo = w, hi = -1;
            for (int x = 0; x < w; ++x)
                if (set[size_t(y) * w + x]) lo = std::min(lo, x), hi = std::max(hi, x);
            for (int x = lo; x <= hi; ++x)
                set[size_t(y) * w + x] = 1;
        }
    }

    // Stroke width from area and edge length; it says how far in the outer
    // stroke reaches, and so which ink is an inner line.
    double area = 0, edge = 0;
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            const size_t i = size_t(y) * w + x;
            if (!set[i]) continue;
            area += 1;
            edge += !set[i - 1] || !set[i + 1] || !set[i - w] || !set[i + w];
        }
    const double stroke = edge > 0 ? 2 * area / edge : 1;

    const float close = 1.5f * kHr; // bridges small gaps in an outline
    const std::vector<float> fromInk = distanceTo(set, w, h);
    Grid walls(set.size());
    for (size_t i = 0; i < set.size(); ++i)
        walls[i] = fromInk[i] <= close;
    const std::vector<float> fromOutside = distanceTo(floodFromCorner(walls, w, h), w, h);

    Grid black(set.size());
    if (p.linesOnly) {
        // Loops stay open, so they read as loops at this size.
        for (size_t i = 0; i < set.size(); ++i)
            black[i] = fromInk[i] <= p.bold * kHr;
        return black;
    }
    const float innerLine = close + float(stroke) * 1.6f + 2;
    for (size_t i = 0; i < set.size(); ++i)
        black[i] = fromOutside[i] > close && !(set[i] && fromOutside[i] > innerLine);
    if (p.bold > 0) {
        const std::vector<float> d = distanceTo(black, w, h);
        for (size_t i = 0; i < set.size(); ++i)
            black[i] = d[i] <= p.bold * kHr;
    }
    return black;
}

using Pixels = std::vector<uint8_t>; // picture pixels, 1 = black

// Black where at least half a pixel is covered. The picture is cropped to
// its figure, so every edge must carry black: where an edge has none, its
// most covered pixel becomes black.
Pixels cropped(const std::vector<double>& cover, int W, int H) {
    Pixels out(cover.size());
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = cover[i] >= 0.5;
    auto ensureEdge = [&](bool row, int at) {
        const int n = row ? W : H;
        int best = 0;
        for (int k = 0; k < n; ++k) {
            const size_t i = row ? size_t(at) * W + k : size_t(k) * W + at;
            if (out[i]) return;
            const size_t b = row ? size_t(at) * W + best : size_t(best) * W + at;
            if (cover[i] > cover[b]) best = k;
        }
        out[row ? size_t(at) * W + best : size_t(best) * W + at] = 1;
    };
    ensureEdge(true, 0), ensureEdge(true, H - 1), ensureEdge(false, 0), ensureEdge(false, W - 1);
    return out;
}

Pixels fromFont(const OutlineFont& font, const std::vector<Part>& parts, int W, int H) {
    const int w = W * kHr + 2 * kPad, h = H * kHr + 2 * kPad;
    Grid black(size_t(w) * h, 0);
    for (const Part& p : parts) {
        const Grid g = partSilhouette(font, p, w, h);
        for (size_t i = 0; i < g.size(); ++i)
            black[i] |= g[i];
    }
    std::vector<double> cover(size_t(W) * H, 0);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            int n = 0;
            for (int j = 0; j < kHr; ++j)
                for (int i = 0; i < kHr; ++i)
                    n += black[size_t(kPad + y * kHr + j) * w + kPad + x * kHr + i];
            cover[size_t(y) * W + x] = n / double(kHr * kHr);
        }
    return cropped(cover, W, H);
}

using Shape = std::function<bool(double, double)>;

Pixels fromShape(int W, int H, const Shape& black) {
    const Mask m = sampleShape(W, H, black, 6);
    return cropped(std::vector<double>(m.v.begin(), m.v.end()), W, H);
}

bool inBox(double x, double y, double x0, double y0, double x1, double y1) {
    return x >= x0 && x < x1 && y >= y0 && y < y1;
}
bool inEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1;
}

// Hill slope rising to the right to a pointed top (the rounded one comes from the font).
Shape pointedHill(double W, double H) {
    return [=](double x, double y) {
        const double u = x / W, v = 1 - y / H; // v: height above the base
        return v <= 0.12 + 0.88 * std::pow(u, 1.5);
    };
}

Shape reedShelter(double W, double H) {
    return [=](double x, double y) {
        const double t = 3; // wall thickness
        const bool outer = inBox(x, y, 0, 0, W, H) && !inBox(x, y, t, t, W - t, H);
        const bool turnedIn = inBox(x, y, W - 2 * t - 5, 6, W - t - 5, H) ||
                              inBox(x, y, W - 2 * t - 5, 6, W - t, 6 + t);
        return outer || turnedIn;
    };
}

Shape mouth(double W, double H) {
    return [=](double x, double y) {
        const double u = (x - W / 2) / (W / 2), v = (y - H / 2) / (H / 2);
        const bool lens = std::abs(v) <= (1 - u * u) * 1.02;
        const bool slit = std::abs(y - H / 2) < 0.75 && std::abs(u) < 0.72;
        return lens && !slit;
    };
}

Shape ripple(double W, double H) {
    return [=](double x, double y) {
        const double period = W / 8;
        const double phase = std::fmod(x, period) / period;
        const double tri = phase < 0.5 ? phase * 2 : 2 - phase * 2; // 0 at troughs, 1 at peaks
        const double centre = (H - 3) * (1 - tri) + 1.5;
        return std::abs(y - centre) < 1.6;
    };
}

Shape stool(double W, double H) {
    return [=](double x, double y) {
        const bool stripe = x > 2.5 && x < W - 2.5 &&
                            (std::abs(y - H * 0.3) < 0.6 || std::abs(y - H * 0.5) < 0.6 ||
                             std::abs(y - H * 0.7) < 0.6);
        return !stripe;
    };
}

Shape pool(double W, double H) {
    return [=](double x, double y) {
        const bool gap = inBox(x, y, 3, 3, W - 3, H - 3) && !inBox(x, y, 4, 4, W - 4, H - 4);
        return !gap;
    };
}

Shape bread(double W, double H) {
    return [=](double x, double y) { return inEllipse(x, y, W / 2, H, W / 2, H); };
}

Shape placenta(double W, double H) {
    return [=](double x, double y) {
        if (!inEllipse(x, y, W / 2, H / 2, W / 2, H / 2)) return false;
        for (int k = 1; k <= 4; ++k)
            if (std::abs(y - H * k / 5.0) < 0.6 && std::abs(x - W / 2) < W / 2 - 3) return false;
        return true;
    };
}

Shape doorBolt(double W, double H) {
    return [=](double x, double y) {
        const bool bar = inBox(x, y, 0, H / 2 - 2, W, H / 2 + 2);
        const bool block = inBox(x, y, W / 2 - 6, 0, W / 2 + 6, H);
        return bar || block;
    };
}

// A hand-drawn sign: "#" black, "." transparent, a line a row; lines that
// start with "//" are notes. It must be exactly the picture's size.
Pixels fromGrid(const std::string& file, int W, int H) {
    const std::string path = std::string(ARTWORK_SMALL_SIGNS) + "/" + file;
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    Pixels out;
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("//", 0) == 0) continue;
        if (int(line.size()) != W)
            throw std::runtime_error(path + ": row " + std::to_string(rows + 1) + " is " +
                                     std::to_string(line.size()) + " wide, expected " +
                                     std::to_string(W));
        for (char c : line) {
            if (c != '#' && c != '.')
                throw std::runtime_error(path + ": row " + std::to_string(rows + 1) + " holds '" +
                                         c + "'; use # or .");
            out.push_back(c == '#');
        }
        ++rows;
    }
    if (rows != H)
        throw std::runtime_error(path + ": " + std::to_string(rows) + " rows, expected " +
                                 std::to_string(H));
    return out;
}

struct Sign {
    int index, width, height;
    std::vector<Part> parts;    // from the font, or
    Shape shape;                // drawn here, or
    const char* grid = nullptr; // hand-drawn, in small-signs/
};

std::vector<Sign> signs() {
    // Unicode code points of the Gardiner signs used.
    constexpr char32_t G1 = 0x1313F, D36 = 0x1309D, D58 = 0x130C0, V31 = 0x133A1, V31A = 0x133A2,
                       N29 = 0x1320E, S29 = 0x132F4, V13 = 0x1337F, M17 = 0x131CB, M17A = 0x131CC,
                       W11 = 0x133BC, G17 = 0x13153, G43 = 0x13171, F32 = 0x13121;
    return {
        {0, 52, 43, {{G1, 0, 0, 52, 43}}, {}},
        {1, 50, 15, {{D36, 0, 0, 50, 15}}, {}},
        {2, 29, 41, {{D58, 0, 0, 29, 41, false, 0, true}}, {}},
        {3, 51, 16, {{V31, 0, 0, 51, 16, false, 0.3}}, {}},
        {4, 23, 19, {{N29, 0, 0, 23, 19}}, {}},
        {5, 13, 41, {{S29, 0, 0, 13, 41}}, {}},
        {6, 49, 16, {{V13, 0, 0, 49, 16, false, 0.55, false, true}}, {}},
        {7, 50, 15, {}, {}, "glyph-07.txt"},
        {8, 30, 43, {{M17A, 0, 0, 30, 43}}, {}},
        {10, 47, 14, {}, {}, "glyph-10.txt"},
        {11, 20, 18, {{W11, 0, 0, 20, 18}}, {}},
        {12, 21, 21, {}, reedShelter(21, 21)},
        {13, 16, 41, {}, {}, "glyph-13.txt"},
        {14, 11, 44, {{M17, 0, 0, 11, 44}}, {}},
        {15, 39, 39, {}, {}, "glyph-15.txt"},
        {16, 50, 17, {{V31A, 0, 0, 50, 17, true, 0.3}}, {}},
        {17, 23, 20, {}, pointedHill(23, 20)},
        {18, 49, 14, {}, mouth(49, 14)},
        {19, 44, 43, {{G17, 0, 0, 44, 43}}, {}},
        {20, 48, 9, {}, ripple(48, 9)},
        {21, 32, 43, {{G43, 0, 0, 32, 43}}, {}},
        {23, 18, 23, {}, stool(18, 23)},
        {25, 78, 43, {{V31, 0, 27, 42, 16, false, 0.3}, {G43, 46, 0, 32, 43}}, {}},
        {28, 50, 15, {}, pool(50, 15)},
        {29, 21, 10, {}, bread(21, 10)},
        {30, 47, 12, {{F32, 0, 0, 47, 12, false, 0.3}}, {}},
        {31, 23, 22, {}, placenta(23, 22)},
        {33, 47, 44, {{M17, 0, 0, 11, 44}, {G43, 14, 1, 33, 43}}, {}},
        {37, 12, 43, {{M17, 0, 0, 12, 43, true}}, {}},
        {39, 52, 11, {}, doorBolt(52, 11)},
    };
}

IndexedImage toGlyph(const Pixels& black, int W, int H) {
    // Entry 0 is the transparent white, entries 1 to 3 black; only 0 and 1 are used.
    IndexedImage img{W, H, {{255, 255, 255}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {}, 0};
    img.px.assign(black.begin(), black.end());
    return img;
}

} // namespace

std::vector<Asset> glyphs(const Fonts& fonts) {
    std::vector<Asset> out;
    for (const Sign& s : signs()) {
        const Pixels black = s.grid    ? fromGrid(s.grid, s.width, s.height)
                             : s.shape ? fromShape(s.width, s.height, s.shape)
                                       : fromFont(fonts.hieroglyphs, s.parts, s.width, s.height);
        char name[32];
        std::snprintf(name, sizeof name, "glyph-%02d.gif", s.index);
        out.push_back({name, encodeGif(toGlyph(black, s.width, s.height), {1, true})});
    }
    return out;
}

} // namespace artwork
