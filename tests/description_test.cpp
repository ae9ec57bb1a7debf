// The binary window description: what the program embeds, read back and
// written again, its stored facts, and malformed input.
#include "description_reader.h"
#include "description_writer.h"
#include "embedded_description.h"
#include "form.h"
#include "layout_file.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

std::vector<uint8_t> embedded() {
    const auto span = app::embeddedDescription();
    return {span.begin(), span.end()};
}

const ControlRecord* find(const ControlRecord& r, const std::string& name,
                          std::optional<uint16_t> index = {}) {
    if (r.name == name && r.index == index) return &r;
    for (const ControlRecord& c : r.children)
        if (const ControlRecord* found = find(c, name, index)) return found;
    return nullptr;
}

TEST(Description, EmbeddedBytesReadAndWriteBackUnchanged) {
    const auto bytes = embedded();
    EXPECT_EQ(writeDescription(readDescription(bytes)), bytes);
}

TEST(Description, LayoutFileCompilesToTheEmbeddedDescription) {
    QFile layout(QStringLiteral(CARTOUCHERY_LAYOUT_FILE));
    ASSERT_TRUE(layout.open(QIODevice::ReadOnly));
    const Description d =
        describe::readLayout(layout.readAll().toStdString(), CARTOUCHERY_ASSETS_DIR);
    EXPECT_EQ(readDescription(embedded()), d);
}

TEST(Description, HeaderAndLengths) {
    const auto b = embedded();
    ASSERT_GT(b.size(), 93u);
    EXPECT_EQ(b[0], 0xFF);
    EXPECT_EQ(b[1], 0xCC);
    EXPECT_EQ(b[2] | b[3] << 8, 49);
    EXPECT_EQ(b[4], 46) << "highest control number";
    for (size_t i = 53; i < 89; ++i)
        ASSERT_EQ(b[i], 0) << "header byte " << i;
    const uint32_t rest = uint32_t(b[89] | b[90] << 8 | b[91] << 16 | uint32_t(b[92]) << 24);
    EXPECT_EQ(rest, b.size() - 89);
}

// Walks the records as stored, with the structure bytes after each.
struct Stored {
    std::string name;
    std::optional<int> index;
    int number;
    uint32_t length;
    bool arrayBit;
    std::vector<int> structure;
};

std::vector<Stored> storedRecords(const std::vector<uint8_t>& b) {
    std::vector<Stored> out;
    size_t p = 93;
    while (p < b.size()) {
        Stored s;
        const uint32_t raw =
            uint32_t(b[p] | b[p + 1] << 8 | b[p + 2] << 16 | uint32_t(b[p + 3]) << 24);
        s.arrayBit = raw >> 31;
        s.length = raw & 0x7FFFFFFF;
        s.number = b[p + 4];
        size_t q = p + 5;
        if (s.arrayBit) s.index = b[q] | b[q + 1] << 8, q += 2;
        const size_t n = b[q] | b[q + 1] << 8;
        s.name.assign(b.begin() + long(q + 2), b.begin() + long(q + 2 + n));
        p += s.length;
        while (p < b.size() && b[p] == 2)
            s.structure.push_back(2), ++p;
        if (p < b.size()) s.structure.push_back(b[p++]);
        out.push_back(s);
    }
    return out;
}

TEST(Description, StoredFacts) {
    const auto records = storedRecords(embedded());
    std::map<std::string, Stored> plain;
    for (const Stored& s : records)
        if (!s.index) plain[s.name] = s;
    EXPECT_EQ(plain["Picture2"].length, 265496u) << "record lengths need more than 16 bits";
    EXPECT_EQ(plain["Image30"].length, 196407u);
    EXPECT_EQ(plain["CommonDialog1"].number, 46);
    EXPECT_EQ(plain["Image30"].number, 45);

    // After the last child of a container: 2, then 3 for its next sibling, or 4.
    struct LastChild {
        const char* name;
        std::optional<int> index;
        std::vector<int> structure;
    };
    for (const LastChild& c : {LastChild{"Image1", 0, {2, 3}},
                               {"Image1", 26, {2, 3}},
                               {"Image29", {}, {2, 3}},
                               {"Image3", 2, {2, 3}},
                               {"Image4", 0, {2, 3}},
                               {"Image32", {}, {2, 3}},
                               {"Image30", {}, {2, 4}}}) {
        auto it = std::find_if(records.begin(), records.end(), [&](const Stored& s) {
            return s.name == c.name && s.index == c.index;
        });
        ASSERT_NE(it, records.end()) << c.name;
        EXPECT_EQ(it->structure, c.structure) << "structure bytes after " << c.name;
    }

    std::vector<int> slotOrder;
    for (const Stored& s : records) {
        EXPECT_EQ(s.arrayBit, s.index.has_value()) << s.name << ": bit 31 marks array members";
        if (s.name == "Image3") slotOrder.push_back(*s.index);
    }
    EXPECT_EQ(slotOrder, (std::vector<int>{1, 0, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
    const Description d = readDescription(embedded());
    ASSERT_GE(d.form.children.size(), 7u);
    EXPECT_EQ(d.form.children[6].name, "CommonDialog1")
        << "stored seventh among the window's children";
}

TEST(Description, DialogKeepsItsSavedSettings) {
    const Description d = readDescription(embedded());
    const ControlRecord* dialog = find(d.form, "CommonDialog1");
    ASSERT_TRUE(dialog && dialog->external);
    EXPECT_EQ(dialog->external->className, "MSComDlg.CommonDialog");
    const auto& s = dialog->external->savedSettings;
    ASSERT_EQ(s.size(), 112u);
    EXPECT_EQ(std::vector<uint8_t>(s.begin(), s.begin() + 4),
              (std::vector<uint8_t>{0x21, 0x43, 0x34, 0x12}));
    EXPECT_EQ(s[76], 16);
    std::string text;
    for (size_t i = 80; i < 112; i += 2)
        text += char(s[i]);
    EXPECT_EQ(text, "\"Bitmap (*bmp).\"");
    EXPECT_EQ(dialog->external->designLeft, 90);
    EXPECT_EQ(dialog->external->designTop, 7050);
}

// --- Malformed input --------------------------------------------------------

// A small description: a window holding a frame with one image.
std::vector<uint8_t> fixture() {
    Description d;
    d.form.name = "Form1";
    d.form.kind = ControlKind::Form;
    d.form.caption = "Test";
    ControlRecord frame;
    frame.name = "Frame1", frame.number = 1, frame.kind = ControlKind::Frame;
    frame.position = Position{0, 0, 300, 300};
    ControlRecord image;
    image.name = "Image1", image.number = 2, image.kind = ControlKind::Image, image.index = 3;
    image.picture = std::make_shared<const PictureFile>(Bytes{'G', 'I', 'F'});
    frame.children.push_back(image);
    d.form.children.push_back(frame);
    return writeDescription(d);
}

// Offsets in the fixture: header 89, rest length 4, window record from 93.
constexpr size_t kFormRecord = 93;

size_t formRecordEnd(const std::vector<uint8_t>& b) {
    return kFormRecord + (b[kFormRecord] | b[kFormRecord + 1] << 8);
}

struct Malformed {
    const char* name;
    std::function<void(std::vector<uint8_t>&)> damage;
    const char* message;
};

class MalformedDescription : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedDescription, IsRejectedWithItsOffsetAndWhatWasExpected) {
    ASSERT_STRNE(GetParam().message, "") << "every error matches an empty message";
    auto bytes = fixture();
    ASSERT_NO_THROW(readDescription(bytes));
    GetParam().damage(bytes);
    try {
        readDescription(bytes);
        FAIL() << GetParam().name << ": read without error";
    } catch (const DescriptionError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos)
            << GetParam().name << ": message was \"" << e.what() << "\"";
        EXPECT_NE(std::string(e.what()).find("offset"), std::string::npos);
    }
}

void fixRest(std::vector<uint8_t>& b) {
    const uint32_t rest = uint32_t(b.size() - 89);
    for (int i = 0; i < 4; ++i)
        b[89 + size_t(i)] = uint8_t(rest >> (8 * i));
}

INSTANTIATE_TEST_SUITE_P(
    Description, MalformedDescription,
    ::testing::Values(
        Malformed{"empty", [](auto& b) { b.clear(); }, "truncated"},
        Malformed{"bad_magic", [](auto& b) { b[1] = 0xCD; }, "FF CC"},
        Malformed{"header_only", [](auto& b) { b.resize(89); }, "truncated"},
        Malformed{"rest_length_wrong", [](auto& b) { b[89] ^= 1; }, "description length"},
        Malformed{"truncated_tail",
                  [](auto& b) {
                      b.pop_back();
                      fixRest(b);
                  },
                  "truncated: expected structure byte"},
        Malformed{"record_too_long", [](auto& b) { b[kFormRecord + 2] = 0x7F; }, "does not fit"},
        Malformed{"record_end_byte_missing", [](auto& b) { b[formRecordEnd(b) - 1] = 0x00; },
                  "end byte FF"},
        Malformed{"unknown_kind", [](auto& b) { b[kFormRecord + 4 + 1 + 2 + 5 + 1] = 7; },
                  "unknown control kind 7"},
        Malformed{"unknown_property",
                  [](auto& b) { b[kFormRecord + 4 + 1 + 2 + 5 + 1 + 1] = 0x02; },
                  "unknown property code 0x02"},
        Malformed{"bad_structure_byte", [](auto& b) { b[formRecordEnd(b)] = 9; }, "structure byte"},
        Malformed{"sibling_of_the_window", [](auto& b) { b.back() = 3; },
                  "a sibling of the window cannot follow"},
        Malformed{"trailing_bytes",
                  [](auto& b) {
                      b.push_back(0);
                      fixRest(b);
                  },
                  "after the end"},
        Malformed{"bad_picture_length",
                  [](auto& b) {
                      // The image's picture block: its length follows the code 02.
                      for (size_t i = 100; i + 8 < b.size(); ++i)
                          if (b[i] == 0x6C && b[i + 1] == 0x74) {
                              b[i - 4] += 1;
                              return;
                          }
                  },
                  "picture block length"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Description, FuzzSeedIsAValidDescription) {
    QFile seed(QStringLiteral(CARTOUCHERY_FUZZ_SEED));
    ASSERT_TRUE(seed.open(QIODevice::ReadOnly));
    const QByteArray b = seed.readAll();
    const Description d =
        readDescription({reinterpret_cast<const uint8_t*>(b.constData()), size_t(b.size())});
    EXPECT_EQ(d.form.children.size(), 3u)
        << "the seed reaches frames, picture boxes and external controls";
}

TEST(Description, APictureThatIsNoPictureIsNamedWhenTheWindowIsBuilt) {
    const auto bytes = fixture(); // its image holds three bytes "GIF"
    try {
        toolkit::Form::fromDescription(bytes);
        FAIL() << "built a window with a broken picture";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "the picture of Image1(3) is not a GIF, BMP or ICO file");
    }
}

// Every prefix of a real description is rejected cleanly, never read past.
TEST(Description, EveryTruncationIsRejected) {
    const auto bytes = fixture();
    for (size_t n = 0; n < bytes.size(); ++n) {
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + long(n));
        EXPECT_THROW(readDescription(cut), DescriptionError) << "prefix of " << n << " bytes";
    }
}

} // namespace
