// The committed picture set against the formats, sizes, colours and shapes
// the window relies on.
#include "support/file_facts.h"
#include "support/pixels.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace testing_support;

namespace {

const QString kLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");

QString upFace(int k) {
    return QStringLiteral("key-up-%1.gif").arg(kLetters[k]);
}
QString pressedFace(int k) {
    return QStringLiteral("key-pressed-%1.gif").arg(kLetters[k]);
}

// Different glyph pictures by the lowest glyph index that holds them.
const std::map<int, QSize> kGlyphSizes = {
    {0, {52, 43}},  {1, {50, 15}},  {2, {29, 41}},  {3, {51, 16}},  {4, {23, 19}},  {5, {13, 41}},
    {6, {49, 16}},  {7, {50, 15}},  {8, {30, 43}},  {10, {47, 14}}, {11, {20, 18}}, {12, {21, 21}},
    {13, {16, 41}}, {14, {11, 44}}, {15, {39, 39}}, {16, {50, 17}}, {17, {23, 20}}, {18, {49, 14}},
    {19, {44, 43}}, {20, {48, 9}},  {21, {32, 43}}, {23, {18, 23}}, {25, {78, 43}}, {28, {50, 15}},
    {29, {21, 10}}, {30, {47, 12}}, {31, {23, 22}}, {33, {47, 44}}, {37, {12, 43}}, {39, {52, 11}},
};
QString glyphFile(int g) {
    return QStringLiteral("glyph-%1.gif").arg(g, 2, 10, QLatin1Char('0'));
}

struct BmpCase {
    const char* file;
    int width, height, bits;
};
const BmpCase kBitmaps[] = {
    {"slot-blank.bmp", 38, 38, 24},           {"canvas-blank.bmp", 775, 114, 24},
    {"button-save-pressed.bmp", 104, 45, 24}, {"button-clear-pressed.bmp", 104, 45, 24},
    {"button-save-up.bmp", 104, 45, 24},      {"button-clear-up.bmp", 104, 45, 24},
    {"background-tile.bmp", 149, 161, 24},    {"panel-backdrop.bmp", 632, 309, 8},
    {"panel-strip.bmp", 797, 82, 8},          {"panel-buttons.bmp", 330, 118, 8},
    {"title-banner.bmp", 566, 57, 8},
};

std::set<QString> expectedFiles() {
    std::set<QString> files{QStringLiteral("window.ico")};
    for (int k = 0; k < 26; ++k)
        files.insert(upFace(k)), files.insert(pressedFace(k));
    for (const auto& [g, size] : kGlyphSizes)
        files.insert(glyphFile(g));
    for (const BmpCase& b : kBitmaps)
        files.insert(QString::fromLatin1(b.file));
    return files;
}

TEST(PictureSet, AssetsHoldExactlyTheDifferentPictures) {
    const QStringList present = QDir(QStringLiteral(CARTOUCHERY_ASSETS_DIR)).entryList(QDir::Files);
    const std::set<QString> actual(present.begin(), present.end());
    for (const QString& f : expectedFiles())
        EXPECT_TRUE(actual.count(f)) << "missing " << f.toStdString();
    for (const QString& f : actual)
        EXPECT_TRUE(expectedFiles().count(f)) << "unexpected " << f.toStdString();
}

TEST(PictureSet, NoTwoFilesHoldTheSamePixels) {
    std::map<QByteArray, QString> seen;
    for (const QString& f : expectedFiles()) {
        const QImage img = decode(readAsset(f));
        const QByteArray key =
            QByteArray::number(img.width()) + "x" + QByteArray::number(img.height()) +
            QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes());
        const auto [it, added] = seen.emplace(key, f);
        EXPECT_TRUE(added) << f.toStdString() << " has the same pixels as "
                           << it->second.toStdString();
    }
}

// --- GIF format -------------------------------------------------------------

struct GifCase {
    QString file;
    QSize size;
    int tableEntries, colourResolution, codeSize, transparentIndex;
    bool interlaced;
};

std::vector<GifCase> gifCases() {
    std::vector<GifCase> cases;
    for (int k = 0; k < 26; ++k)
        for (const QString& f : {upFace(k), pressedFace(k)})
            cases.push_back({f, {60, 60}, 16, 8, 4, 15, false});
    for (const auto& [g, size] : kGlyphSizes)
        cases.push_back({glyphFile(g), size, 4, 1, 2, 0, true});
    return cases;
}

class GifFormat : public ::testing::TestWithParam<GifCase> {};

TEST_P(GifFormat, IsOneStillImageWithTransparency) {
    const GifCase& c = GetParam();
    const GifFacts f = gifFacts(readAsset(c.file));
    ASSERT_EQ(f.error, "");
    EXPECT_EQ(f.version, "GIF89a");
    EXPECT_EQ(QSize(f.width, f.height), c.size);
    EXPECT_TRUE(f.globalTable);
    EXPECT_EQ(f.tableEntries, c.tableEntries);
    EXPECT_EQ(f.colourResolution, c.colourResolution);
    EXPECT_EQ(f.images, 1);
    EXPECT_EQ(QRect(f.imageLeft, f.imageTop, f.imageWidth, f.imageHeight), QRect(QPoint(), c.size));
    EXPECT_FALSE(f.localTable);
    EXPECT_EQ(f.interlaced, c.interlaced);
    EXPECT_EQ(f.lzwMinimumCodeSize, c.codeSize);
    EXPECT_EQ(f.graphicControls, 1);
    EXPECT_EQ(f.otherExtensions, 0);
    EXPECT_EQ(f.transparencyFlag, 1);
    EXPECT_EQ(f.delay, 0);
    EXPECT_EQ(f.disposal, 0);
    EXPECT_EQ(f.transparentIndex, c.transparentIndex);
}

INSTANTIATE_TEST_SUITE_P(
    PictureSet, GifFormat, ::testing::ValuesIn(gifCases()), [](const auto& info) {
        return info.param.file.chopped(4).replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
    });

// --- BMP and ICO format -----------------------------------------------------

class BmpFormat : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpFormat, IsUncompressedBottomUpWithInformationHeader) {
    const BmpCase& c = GetParam();
    const QByteArray bytes = readAsset(QString::fromLatin1(c.file));
    const BmpFacts f = bmpFacts(bytes);
    EXPECT_TRUE(f.signature);
    EXPECT_EQ(f.infoHeaderSize, 40u);
    EXPECT_EQ(f.compression, 0u);
    EXPECT_EQ(f.width, c.width);
    EXPECT_EQ(f.height, c.height) << "rows must be stored bottom-up";
    EXPECT_EQ(f.bitsPerPixel, c.bits);
    const uint32_t table = c.bits == 8 ? 1024 : 0;
    EXPECT_EQ(f.dataOffset, 54 + table);
    const uint32_t row = (uint32_t(c.width) * uint32_t(c.bits) / 8 + 3) / 4 * 4;
    EXPECT_EQ(f.fileSize, 54 + table + row * uint32_t(c.height));
    EXPECT_EQ(qsizetype(f.fileSize), bytes.size());
    EXPECT_EQ(decode(bytes).size(), QSize(c.width, c.height)) << "Qt cannot decode " << c.file;
}

INSTANTIATE_TEST_SUITE_P(PictureSet, BmpFormat, ::testing::ValuesIn(kBitmaps),
                         [](const auto& info) {
                             return QString::fromLatin1(info.param.file)
                                 .chopped(4)
                                 .replace(QLatin1Char('-'), QLatin1Char('_'))
                                 .toStdString();
                         });

TEST(PictureSet, BlankCanvasIsTheStatedSize) {
    EXPECT_EQ(readAsset(QStringLiteral("canvas-blank.bmp")).size(), 265446);
}

TEST(PictureSet, IconIsOneOpaque30PixelImageAt24Bits) {
    const QByteArray b = readAsset(QStringLiteral("window.ico"));
    ASSERT_GE(b.size(), 22 + 40);
    EXPECT_EQ(uint8_t(b[2]), 1) << "type icon";
    EXPECT_EQ(uint8_t(b[4]), 1) << "one image";
    EXPECT_EQ(uint8_t(b[6]), 30);
    EXPECT_EQ(uint8_t(b[7]), 30);
    EXPECT_EQ(uint8_t(b[12]), 24) << "bits per pixel in the directory";
    EXPECT_EQ(uint8_t(b[22 + 14]), 24) << "bits per pixel in the image";
    const qsizetype andMask = 30 * 4;
    for (qsizetype i = b.size() - andMask; i < b.size(); ++i)
        ASSERT_EQ(b[i], 0) << "AND mask byte " << i;
    const QImage icon = decode(b);
    ASSERT_EQ(icon.size(), QSize(30, 30));
    EXPECT_EQ(icon.pixel(0, 0), qRgb(205, 229, 205)) << "pale top-left edge";
    EXPECT_EQ(icon.pixel(29, 29), qRgb(0, 77, 0)) << "dark bottom-right edge";
    EXPECT_EQ(icon.pixel(3, 26), qRgb(0, 128, 0)) << "green tile";
    int letter = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            letter += icon.pixel(x, y) == qRgb(102, 229, 0);
    EXPECT_GT(letter, 100) << "bright green letter pixels";
}

// --- Key faces --------------------------------------------------------------

constexpr QRgb kFaceRed = qRgb(206, 22, 2);

QRect redBounds(const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == kFaceRed) r |= QRect(x, y, 1, 1);
    return r;
}

class KeyFace : public ::testing::TestWithParam<int> {};

TEST_P(KeyFace, IsADiscWithTransparentCorners) {
    const int k = GetParam();
    for (const QString& file : {upFace(k), pressedFace(k)}) {
        SCOPED_TRACE(file.toStdString());
        const QImage img = decode(readAsset(file));
        ASSERT_EQ(img.size(), QSize(60, 60));
        QRect opaque;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                const QRgb p = img.pixel(x, y);
                if (!qAlpha(p)) continue;
                opaque |= QRect(x, y, 1, 1);
                ASSERT_NE(qRgb(qRed(p), qGreen(p), qBlue(p)), qRgb(130, 130, 2))
                    << "opaque pixel (" << x << ", " << y << ") has the transparent olive";
                // Inside the disc of 48 pixels centred in the picture.
                const double dx = x + 0.5 - 30, dy = y + 0.5 - 30;
                ASSERT_LE(dx * dx + dy * dy, 24.0 * 24.0)
                    << "opaque pixel (" << x << ", " << y << ") outside the disc";
            }
        EXPECT_EQ(opaque, QRect(6, 6, 48, 48)) << "the disc touches rows and columns 6 and 53";
        for (QPoint corner :
             {QPoint(0, 0), QPoint(59, 0), QPoint(0, 59), QPoint(59, 59), QPoint(10, 10)})
            EXPECT_EQ(qAlpha(img.pixel(corner)), 0)
                << "corner pixel (" << corner.x() << ", " << corner.y() << ")";
    }
}

TEST_P(KeyFace, LetterIsRedInTheSamePixelsUpAndPressed) {
    const int k = GetParam();
    const QImage up = decode(readAsset(upFace(k))), pressed = decode(readAsset(pressedFace(k)));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            ASSERT_EQ(up.pixel(x, y) == kFaceRed, pressed.pixel(x, y) == kFaceRed)
                << "letter " << kLetters[k].toLatin1() << ": red differs at (" << x << ", " << y
                << ")";
            ASSERT_EQ(qAlpha(up.pixel(x, y)), qAlpha(pressed.pixel(x, y)))
                << "transparency differs at (" << x << ", " << y << ")";
        }
    const QRect red = redBounds(up);
    const char letter = kLetters[k].toLatin1();
    const int top = letter == 'A' ? 18 : letter == 'V' ? 22 : letter >= 'W' ? 20 : 19;
    EXPECT_EQ(red.top(), top) << "letter " << letter;
    EXPECT_EQ(red.bottom(), letter == 'Q' ? 44 : top + 20) << "letter " << letter;
    EXPECT_GE(red.width(), 10) << "letter " << letter;
    EXPECT_LE(red.width(), 33) << "letter " << letter;
    EXPECT_NEAR(red.center().x(), 29.5, 3) << "letter " << letter << " is centred";
}

// Brightness of the rim at the upper left against the lower right.
int rimContrast(const QImage& img) {
    auto lum = [&](int x, int y) { return qGreen(img.pixel(x, y)); };
    return (lum(14, 14) + lum(12, 17) + lum(17, 12)) - (lum(45, 45) + lum(47, 42) + lum(42, 47));
}

TEST_P(KeyFace, UpLooksRaisedAndPressedLooksPushedIn) {
    const int k = GetParam();
    EXPECT_GT(rimContrast(decode(readAsset(upFace(k)))), 60) << "up face lit from the upper left";
    EXPECT_LT(rimContrast(decode(readAsset(pressedFace(k)))), -60)
        << "pressed face lit from the lower right";
}

INSTANTIATE_TEST_SUITE_P(PictureSet, KeyFace, ::testing::Range(0, 26),
                         [](const auto& info) { return std::string(1, char('A' + info.param)); });

// --- Button faces -----------------------------------------------------------

struct ButtonCase {
    const char* word;
    int firstColumn, lastColumn;
};

class ButtonFace : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonFace, OliveCornersAndTheSameRedWordInBothLooks) {
    const ButtonCase& c = GetParam();
    const QString word = QString::fromLatin1(c.word);
    const QImage up = decode(readAsset(QStringLiteral("button-%1-up.bmp").arg(word)));
    const QImage pressed = decode(readAsset(QStringLiteral("button-%1-pressed.bmp").arg(word)));
    const QRgb olive = qRgb(128, 128, 0), red = qRgb(207, 23, 0);
    for (const QImage* img : {&up, &pressed}) {
        for (int x = 0; x < 104; ++x)
            ASSERT_TRUE(img->pixel(x, 0) == olive && img->pixel(x, 44) == olive)
                << c.word << ": rim at column " << x;
        for (int y = 0; y < 45; ++y)
            ASSERT_TRUE(img->pixel(0, y) == olive && img->pixel(103, y) == olive)
                << c.word << ": rim at row " << y;
        // Each corner's olive reaches 19 columns along the rim and 9 rows down it.
        for (auto [x, y, dx, dy] :
             {std::tuple{1, 1, 1, 1}, {102, 1, -1, 1}, {1, 43, 1, -1}, {102, 43, -1, -1}}) {
            EXPECT_EQ(img->pixel(x, y), olive) << c.word << ": corner (" << x << ", " << y << ")";
            EXPECT_NE(img->pixel(x + 18 * dx, y), olive)
                << c.word << ": button begins 19 columns in";
            EXPECT_NE(img->pixel(x, y + 8 * dy), olive) << c.word << ": button begins 9 rows down";
        }
    }
    QRect words;
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 104; ++x) {
            ASSERT_EQ(up.pixel(x, y) == red, pressed.pixel(x, y) == red)
                << c.word << ": red differs at (" << x << ", " << y << ")";
            ASSERT_EQ(up.pixel(x, y) == olive, pressed.pixel(x, y) == olive)
                << c.word << ": olive differs at (" << x << ", " << y << ")";
            if (up.pixel(x, y) == red) words |= QRect(x, y, 1, 1);
        }
    EXPECT_EQ(words.left(), c.firstColumn);
    EXPECT_EQ(words.right(), c.lastColumn);
    EXPECT_EQ(words.top(), 12);
    EXPECT_LE(words.bottom(), 32);
    EXPECT_GT(qGreen(up.pixel(30, 3)), qGreen(pressed.pixel(30, 3)))
        << "up is light along the top, pressed dark";
    EXPECT_LT(qGreen(up.pixel(60, 41)), qGreen(pressed.pixel(60, 41)))
        << "up is dark along the bottom, pressed light";
}

INSTANTIATE_TEST_SUITE_P(PictureSet, ButtonFace,
                         ::testing::Values(ButtonCase{"save", 20, 90}, ButtonCase{"clear", 11, 93}),
                         [](const auto& info) { return std::string(info.param.word); });

// --- Glyphs -----------------------------------------------------------------

class Glyph : public ::testing::TestWithParam<int> {};

TEST_P(Glyph, IsBlackOnTransparentCroppedToItsFigure) {
    const int g = GetParam();
    const QImage img = decode(readAsset(glyphFile(g)));
    ASSERT_EQ(img.size(), kGlyphSizes.at(g));
    std::vector<bool> column(size_t(img.width())), row(size_t(img.height()));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (!qAlpha(p)) continue;
            ASSERT_EQ(p, qRgb(0, 0, 0))
                << "glyph " << g << " pixel (" << x << ", " << y << ") is " << rgbText(p);
            column[size_t(x)] = row[size_t(y)] = true;
        }
    // Only the twisted flax keeps one transparent column on its right.
    const int right = g == 13 ? img.width() - 2 : img.width() - 1;
    EXPECT_TRUE(row.front()) << "glyph " << g << ": no black on the top edge";
    EXPECT_TRUE(row.back()) << "glyph " << g << ": no black on the bottom edge";
    EXPECT_TRUE(column.front()) << "glyph " << g << ": no black on the left edge";
    EXPECT_TRUE(column[size_t(right)]) << "glyph " << g << ": no black on the right edge";
    if (g == 13) {
        EXPECT_FALSE(column.back()) << "glyph 13 keeps its right column transparent";
    }
}

INSTANTIATE_TEST_SUITE_P(PictureSet, Glyph,
                         ::testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16,
                                           17, 18, 19, 20, 21, 23, 25, 28, 29, 30, 31, 33, 37, 39));

// The features that name a hand-drawn sign, pixel by pixel: the hand's thumb
// clear of its palm, the viper's two horns and eye, the flax's open loops,
// the cobra's eye.
TEST(PictureSet, HandDrawnSignsKeepTheFeaturesThatNameThem) {
    struct Feature {
        int glyph;
        QPoint at;
        bool black;
        const char* what;
    };
    const Feature features[] = {
        {7, {18, 1}, true, "the hand's thumb"},
        {7, {18, 4}, false, "the gap between thumb and palm"},
        {7, {0, 9}, true, "the fingertips at the left edge"},
        {7, {49, 4}, true, "the flared wrist on the right"},
        {10, {1, 0}, true, "the viper's left horn"},
        {10, {8, 0}, true, "the viper's right horn"},
        {10, {5, 0}, false, "the space between the horns"},
        {10, {4, 5}, false, "the viper's eye"},
        {10, {20, 12}, true, "the body on the ground"},
        {10, {20, 8}, false, "no body above the ground mid-way"},
        {13, {7, 6}, false, "the flax's top loop is open"},
        {13, {7, 17}, false, "the middle loop is open"},
        {13, {7, 27}, false, "the bottom loop is open"},
        {13, {0, 40}, true, "the crossed ends reach the foot"},
        {15, {3, 3}, false, "the cobra's eye"},
        {15, {4, 0}, true, "the cobra's head at the top left"},
        {15, {38, 37}, true, "the tail at the bottom right"},
    };
    for (const Feature& f : features) {
        const QImage img = decode(readAsset(glyphFile(f.glyph)));
        EXPECT_EQ(qAlpha(img.pixel(f.at)) != 0, f.black)
            << "glyph " << f.glyph << " pixel (" << f.at.x() << ", " << f.at.y() << "), " << f.what
            << ": expected " << (f.black ? "black" : "transparent");
    }
}

// White inside a figure is transparent: the stripes of the stool and the
// placenta, the gap inside the pool.
TEST(PictureSet, InnerDetailsOfGlyphsAreTransparent) {
    struct Inside {
        int glyph;
        QPoint transparent;
    };
    const QImage stool = decode(readAsset(glyphFile(23)));
    const QImage pool = decode(readAsset(glyphFile(28)));
    const QImage placenta = decode(readAsset(glyphFile(31)));
    auto enclosedTransparent = [](const QImage& img) {
        int n = 0;
        for (int y = 1; y < img.height() - 1; ++y) {
            int first = -1, last = -1;
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y))) last = x, first = first < 0 ? x : first;
            for (int x = first + 1; x < last; ++x)
                n += qAlpha(img.pixel(x, y)) == 0;
        }
        return n;
    };
    EXPECT_GE(enclosedTransparent(stool), 3 * 8) << "stool stripes";
    EXPECT_GE(enclosedTransparent(pool), 40) << "pool gap";
    EXPECT_GE(enclosedTransparent(placenta), 4 * 8) << "placenta stripes";
    EXPECT_EQ(qAlpha(pool.pixel(25, 7)), 255) << "the pool's inner block is solid";
}

// --- Framing pictures -------------------------------------------------------

TEST(PictureSet, BackgroundTileIsADarkEdgedOliveStone) {
    const QImage tile = decode(readAsset(QStringLiteral("background-tile.bmp")));
    double r = 0, g = 0, b = 0;
    std::set<QRgb> colours;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const QRgb p = tile.pixel(x, y);
            r += qRed(p), g += qGreen(p), b += qBlue(p);
            colours.insert(p);
        }
    const double n = tile.width() * tile.height();
    EXPECT_NEAR(r / n, 84, 10);
    EXPECT_NEAR(g / n, 100, 10);
    EXPECT_NEAR(b / n, 23, 10);
    EXPECT_GT(colours.size(), 1000u) << "a mottled texture, not flat colour";
    auto meanGreen = [&](QRect area) {
        double s = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                s += qGreen(tile.pixel(x, y));
        return s / (area.width() * area.height());
    };
    EXPECT_LT(meanGreen(QRect(0, 0, 149, 2)), meanGreen(QRect(0, 70, 149, 20)))
        << "darker towards the edges";
}

struct PanelCase {
    const char* file;
    QRgb field;
};

class Panel : public ::testing::TestWithParam<PanelCase> {};

TEST_P(Panel, HasALitBorderAroundItsField) {
    const QImage img = decode(readAsset(QString::fromLatin1(GetParam().file)));
    const QPoint middle(img.width() / 2, img.height() / 2);
    EXPECT_EQ(img.pixel(middle), GetParam().field) << GetParam().file << ": field colour";
    EXPECT_GT(qGreen(img.pixel(middle.x(), 4)), qGreen(img.pixel(middle.x(), img.height() - 5)))
        << GetParam().file << ": the top border is lighter than the bottom one";
    EXPECT_GT(qGreen(img.pixel(4, middle.y())), qGreen(img.pixel(img.width() - 5, middle.y())))
        << GetParam().file << ": the left border is lighter than the right one";
}

INSTANTIATE_TEST_SUITE_P(
    PictureSet, Panel,
    ::testing::Values(PanelCase{"panel-backdrop.bmp", qRgb(128, 128, 0)},
                      PanelCase{"panel-buttons.bmp", qRgb(128, 128, 0)},
                      PanelCase{"panel-strip.bmp", qRgb(0, 128, 0)}),
    [](const auto& info) {
        return QString::fromLatin1(info.param.file).mid(6).chopped(4).toStdString();
    });

TEST(PictureSet, TitleBannerCarriesRedLettering) {
    const QImage img = decode(readAsset(QStringLiteral("title-banner.bmp")));
    QRect red;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == qRgb(255, 0, 0)) red |= QRect(x, y, 1, 1);
    EXPECT_EQ(red.left(), 17);
    EXPECT_LE(red.right(), 545);
    EXPECT_GE(red.right(), 535);
    EXPECT_EQ(red.top(), 22);
    EXPECT_LE(red.bottom(), 39);
}

} // namespace
