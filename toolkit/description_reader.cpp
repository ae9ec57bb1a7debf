#include "description_reader.h"

#include "description_fields.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <unordered_map>

namespace toolkit {

DescriptionError::DescriptionError(size_t offset, const std::string& what)
    : std::runtime_error("window description, offset " + std::to_string(offset) + ": " + what),
      offset_(offset) {}

namespace {

using namespace format;

std::string hex(unsigned v) {
    char b[8];
    std::snprintf(b, sizeof b, "0x%02X", v);
    return b;
}

class Reader {
  public:
    Reader(std::span<const uint8_t> bytes, PictureStorage storage)
        : bytes_(bytes), storage_(storage) {}

    size_t pos = 0;

    [[noreturn]] void fail(const std::string& what) const { throw DescriptionError(pos, what); }
    [[noreturn]] void failAt(size_t at, const std::string& what) const {
        throw DescriptionError(at, what);
    }

    void need(size_t n, const char* what) const {
        if (n > bytes_.size() - pos)
            fail(std::string("truncated: expected ") + what + " (" + std::to_string(n) +
                 " bytes), " + std::to_string(bytes_.size() - pos) + " left");
    }
    size_t left() const { return bytes_.size() - pos; }
    uint8_t u8(const char* what) {
        need(1, what);
        return bytes_[pos++];
    }
    uint16_t u16(const char* what) {
        need(2, what);
        const uint16_t v = uint16_t(bytes_[pos] | bytes_[pos + 1] << 8);
        pos += 2;
        return v;
    }
    uint32_t u32(const char* what) {
        need(4, what);
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = v << 8 | bytes_[pos + size_t(i)];
        pos += 4;
        return v;
    }
    std::span<const uint8_t> take(size_t n, const char* what) {
        need(n, what);
        auto s = bytes_.subspan(pos, n);
        pos += n;
        return s;
    }
    void expect(std::span<const uint8_t> want, const char* what) {
        const size_t at = pos;
        auto got = take(want.size(), what);
        if (!std::equal(got.begin(), got.end(), want.begin()))
            failAt(at, std::string("expected ") + what);
    }
    std::string text(const char* what) {
        const uint16_t n = u16(what);
        auto s = take(n, what);
        const size_t at = pos;
        if (u8(what) != 0) failAt(at, std::string("expected the 0 byte that ends ") + what);
        return {s.begin(), s.end()};
    }

    PictureBytes picture() {
        const uint32_t blockLength = u32("picture block length");
        expect(kPictureTag, "picture tag 6C 74 00 00");
        const size_t sizeAt = pos;
        const uint32_t size = u32("picture size");
        if (blockLength != uint64_t(size) + 8)
            failAt(sizeAt, "picture block length " + std::to_string(blockLength) +
                               " does not match picture size " + std::to_string(size) + " + 8");
        auto data = take(size, "picture data");
        // Identical files are one picture. Files are told apart by their size
        // and their ends first, so that a file met once is never read whole.
        auto& alike = pictures_[sketch(data)];
        for (const PictureBytes& known : alike)
            if (std::equal(known->bytes().begin(), known->bytes().end(), data.begin(), data.end()))
                return known;
        return alike.emplace_back(
            storage_ == PictureStorage::Borrow
                ? std::make_shared<const PictureFile>(data)
                : std::make_shared<const PictureFile>(Bytes(data.begin(), data.end())));
    }

    template <class T> T value() {
        if constexpr (std::is_same_v<T, std::string>) {
            return text("text value");
        } else if constexpr (std::is_same_v<T, Colour>) {
            return Colour{u32("colour")};
        } else if constexpr (std::is_same_v<T, bool>) {
            const size_t at = pos;
            const uint8_t v = u8("flag");
            if (v != 0 && v != 0xFF) failAt(at, "flag must be 00 or FF, found " + hex(v));
            return v == 0xFF;
        } else if constexpr (std::is_same_v<T, uint8_t>) {
            return u8("small number");
        } else if constexpr (std::is_same_v<T, uint16_t>) {
            return u16("number");
        } else if constexpr (std::is_same_v<T, Position>) {
            Position p;
            for (int16_t* n : {&p.left, &p.top, &p.width, &p.height})
                *n = int16_t(u16("position"));
            return p;
        } else if constexpr (std::is_same_v<T, ClientArea>) {
            ClientArea c;
            for (int32_t* n : {&c.left, &c.top, &c.width, &c.height})
                *n = int32_t(u32("client area"));
            return c;
        } else if constexpr (std::is_same_v<T, ScaleField>) {
            const size_t at = pos;
            const uint16_t unit = u16("scale unit");
            if (unit != uint16_t(ScaleUnit::Twip) && unit != uint16_t(ScaleUnit::Centimetre))
                failAt(at, "unknown scale unit " + std::to_string(unit));
            return ScaleField{ScaleUnit(unit), u16("scale flags")};
        }
    }

    void properties(ControlRecord& r, size_t end) {
        const auto table = propertiesOf(r.kind);
        int lastCode = -1;
        while (pos < end - 1) {
            const size_t at = pos;
            const uint8_t code = u8("property code");
            if (code <= lastCode)
                failAt(at, "property code " + hex(code) + " out of ascending order in " + r.name);
            lastCode = code;
            const Property* p = nullptr;
            for (const Property& candidate : table)
                if (candidate.code == code) p = &candidate;
            if (!p)
                failAt(at, "unknown property code " + hex(code) + " for " + kindName(r.kind) + " " +
                               r.name);
            withField(r, p->field, [&](auto& member) {
                using M = std::decay_t<decltype(member)>;
                if constexpr (std::is_same_v<M, PictureBytes>) {
                    member = picture();
                } else {
                    member = value<typename M::value_type>();
                }
            });
            if (pos > end - 1)
                failAt(at, "property " + hex(code) + " runs past the end of " + r.name);
        }
    }

    ExternalControl external(size_t end) {
        ExternalControl e;
        e.className = text("external class name");
        expect(kExternalTag, "external control tag 2D 4C 42 09 00");
        const uint32_t n = u32("saved settings length");
        if (n > end - pos)
            fail("saved settings length " + std::to_string(n) + " runs past the record");
        auto settings = take(n, "saved settings");
        e.savedSettings.assign(settings.begin(), settings.end());
        for (auto [code, target] :
             {std::pair{kExternalLeft, &e.designLeft}, {kExternalTop, &e.designTop}}) {
            const size_t at = pos;
            if (u8("external property code") != code)
                failAt(at, "expected property code " + hex(code));
            *target = int32_t(u32("external position"));
        }
        return e;
    }

    ControlRecord record() {
        const size_t start = pos;
        const uint32_t raw = u32("control record length");
        const size_t length = raw & ~kArrayMemberBit;
        if (length < 12 || length > bytes_.size() - start)
            failAt(start, "control record length " + std::to_string(length) + " does not fit the " +
                              std::to_string(bytes_.size() - start) + " bytes left");
        const size_t end = start + length;
        if (bytes_[end - 1] != kEndOfRecord)
            failAt(end - 1, "expected end byte FF of the record at " + std::to_string(start));

        ControlRecord r;
        r.number = u8("control number");
        if (raw & kArrayMemberBit) r.index = u16("array index");
        r.name = text("control name");
        const size_t kindAt = pos;
        const uint8_t kind = u8("control kind");
        if (!isKnownKind(kind))
            failAt(kindAt, "unknown control kind " + std::to_string(kind) + " of " + r.name);
        r.kind = ControlKind(kind);
        if (pos > end - 1) failAt(start, "record of " + r.name + " is shorter than its header");
        const auto headerIndex = r.index;
        if (r.kind == ControlKind::External)
            r.external = external(end);
        else
            properties(r, end);
        if (r.index != headerIndex)
            failAt(start, "array index property of " + r.name + " differs from its record header");
        if (pos != end - 1) fail("expected end byte FF of " + r.name);
        pos = end;
        return r;
    }

    Structure structure() {
        const size_t at = pos;
        const uint8_t b = u8("structure byte");
        if (b < 1 || b > 4) failAt(at, "expected a structure byte 1 to 4, found " + hex(b));
        return Structure(b);
    }

  private:
    // A file's size with up to 32 bytes from each end.
    static std::string sketch(std::span<const uint8_t> file) {
        const size_t n = std::min<size_t>(32, file.size());
        std::string key = std::to_string(file.size()) + ':';
        key.append(reinterpret_cast<const char*>(file.data()), n);
        key.append(reinterpret_cast<const char*>(file.data() + file.size() - n), n);
        return key;
    }

    std::span<const uint8_t> bytes_;
    PictureStorage storage_;
    std::unordered_map<std::string, std::vector<PictureBytes>> pictures_;
};

bool canContain(ControlKind k) {
    return k == ControlKind::Form || isChildWindow(k);
}

} // namespace

Description readDescription(std::span<const uint8_t> bytes, PictureStorage storage) {
    Reader in(bytes, storage);
    Description d;
    in.expect(kMagic, "the bytes FF CC that open a window description");
    const size_t blockAt = in.pos;
    if (in.u16("header block length") != kHeaderBlockLength)
        in.failAt(blockAt, "header block length must be 49");
    const uint8_t highest = in.u8("highest control number");
    auto ids = in.take(d.identifiers.size(), "identifiers");
    std::copy(ids.begin(), ids.end(), d.identifiers.begin());
    in.take(kHeaderSize - in.pos, "header padding");

    const size_t lengthAt = in.pos;
    const uint32_t rest = in.u32("description length");
    if (rest != bytes.size() - lengthAt)
        in.failAt(lengthAt, "description length " + std::to_string(rest) + " but " +
                                std::to_string(bytes.size() - lengthAt) + " bytes are there");

    const size_t formAt = in.pos;
    d.form = in.record();
    if (d.form.kind != ControlKind::Form || d.form.number != 0)
        in.failAt(formAt, "the first record must be the window (kind 13, number 0)");

    // Containers whose children are being read; the last record read may become one.
    std::vector<ControlRecord*> open;
    ControlRecord* last = &d.form;
    bool afterChildrenEnd = false;
    for (;;) {
        const size_t at = in.pos;
        Structure s = in.structure();
        if (s == Structure::ChildrenFollow && afterChildrenEnd)
            in.failAt(at, "children cannot follow the end of a container's children");
        afterChildrenEnd = s == Structure::ChildrenEnd;
        if (s == Structure::ChildrenFollow) {
            if (open.size() >= kMaxNesting)
                in.failAt(at, "controls nested deeper than " + std::to_string(kMaxNesting) +
                                  " levels (inside " + last->name + ")");
            if (!canContain(last->kind))
                in.failAt(at, std::string("a ") + kindName(last->kind) + " cannot hold controls (" +
                                  last->name + ")");
            open.push_back(last);
        } else if (s == Structure::ChildrenEnd) {
            if (open.empty()) in.failAt(at, "children end where no container is open");
            open.pop_back();
            continue; // another structure byte follows at once
        } else if (s == Structure::End) {
            if (!open.empty()) in.failAt(at, "description ends inside " + open.back()->name);
            break;
        } else if (open.empty()) {
            in.failAt(at, "a sibling of the window cannot follow");
        }
        if (open.empty()) in.failAt(at, "expected the window's children");
        open.back()->children.push_back(in.record());
        last = &open.back()->children.back();
    }
    if (in.left() != 0)
        in.fail(std::to_string(in.left()) + " bytes after the end of the description");
    if (const uint8_t used = highestControlNumber(d.form); used != highest)
        in.failAt(4, "highest control number " + std::to_string(highest) +
                         " but records use up to " + std::to_string(used));
    return d;
}

} // namespace toolkit
