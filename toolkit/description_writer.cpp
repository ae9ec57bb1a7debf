#include "description_writer.h"

#include "description_fields.h"

#include <stdexcept>
#include <type_traits>

namespace toolkit {
namespace {

using namespace format;

class Writer {
  public:
    Bytes out;

    void u8(uint8_t v) { out.push_back(v); }
    void u16(uint16_t v) { u8(uint8_t(v)), u8(uint8_t(v >> 8)); }
    void u32(uint32_t v) { u16(uint16_t(v)), u16(uint16_t(v >> 16)); }
    void raw(const uint8_t* p, size_t n) { out.insert(out.end(), p, p + n); }
    void text(const std::string& s) {
        u16(uint16_t(s.size()));
        raw(reinterpret_cast<const uint8_t*>(s.data()), s.size());
        u8(0);
    }
    void patch32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + size_t(i)] = uint8_t(v >> (8 * i));
    }

    template <class T> void value(const T& v) {
        if constexpr (std::is_same_v<T, std::string>) {
            text(v);
        } else if constexpr (std::is_same_v<T, Colour>) {
            u32(v.raw);
        } else if constexpr (std::is_same_v<T, bool>) {
            u8(v ? 0xFF : 0x00);
        } else if constexpr (std::is_same_v<T, uint8_t>) {
            u8(v);
        } else if constexpr (std::is_same_v<T, uint16_t>) {
            u16(v);
        } else if constexpr (std::is_same_v<T, Position>) {
            for (int16_t n : {v.left, v.top, v.width, v.height})
                u16(uint16_t(n));
        } else if constexpr (std::is_same_v<T, ClientArea>) {
            for (int32_t n : {v.left, v.top, v.width, v.height})
                u32(uint32_t(n));
        } else if constexpr (std::is_same_v<T, ScaleField>) {
            u16(uint16_t(v.unit)), u16(v.flags);
        }
    }

    void picture(std::span<const uint8_t> file) {
        u32(uint32_t(file.size() + 8));
        raw(kPictureTag, 4);
        u32(uint32_t(file.size()));
        raw(file.data(), file.size());
    }

    void properties(const ControlRecord& r) {
        for (const Property& p : propertiesOf(r.kind)) {
            withField(r, p.field, [&](const auto& member) {
                using M = std::decay_t<decltype(member)>;
                if constexpr (std::is_same_v<M, PictureBytes>) {
                    if (member) u8(p.code), picture(member->bytes());
                } else {
                    if (member) u8(p.code), value(*member);
                }
            });
        }
    }

    void external(const ExternalControl& e) {
        text(e.className);
        raw(kExternalTag, 5);
        u32(uint32_t(e.savedSettings.size()));
        raw(e.savedSettings.data(), e.savedSettings.size());
        u8(kExternalLeft), u32(uint32_t(e.designLeft));
        u8(kExternalTop), u32(uint32_t(e.designTop));
    }

    void record(const ControlRecord& r) {
        const size_t start = out.size();
        u32(0); // length, patched below
        u8(r.number);
        if (r.index) u16(*r.index);
        text(r.name);
        u8(uint8_t(r.kind));
        if (r.kind == ControlKind::External) {
            if (!r.external)
                throw std::invalid_argument(r.name + ": external control without settings");
            external(*r.external);
        } else {
            properties(r);
        }
        u8(kEndOfRecord);
        const size_t length = out.size() - start;
        if (length >= kArrayMemberBit) throw std::invalid_argument(r.name + ": record too long");
        patch32(start, uint32_t(length) | (r.index ? kArrayMemberBit : 0));
    }
};

// After a container's children end, its next sibling follows; the window's
// children end the description. The window is level 0.
void writeTree(Writer& w, const ControlRecord& r, bool last, size_t level) {
    w.record(r);
    if (!r.children.empty()) {
        if (level >= kMaxNesting)
            throw std::invalid_argument(r.name + ": controls nested deeper than " +
                                        std::to_string(kMaxNesting) + " levels");
        w.u8(uint8_t(Structure::ChildrenFollow));
        for (size_t i = 0; i < r.children.size(); ++i)
            writeTree(w, r.children[i], i + 1 == r.children.size(), level + 1);
        w.u8(uint8_t(Structure::ChildrenEnd));
    }
    if (!last) w.u8(uint8_t(Structure::SiblingFollows));
}

} // namespace

Bytes writeDescription(const Description& d) {
    Writer w;
    w.raw(kMagic, 2);
    w.u16(kHeaderBlockLength);
    w.u8(highestControlNumber(d.form));
    w.raw(d.identifiers.data(), d.identifiers.size());
    w.out.resize(kHeaderSize, 0);
    const size_t lengthAt = w.out.size();
    w.u32(0);
    writeTree(w, d.form, true, 0);
    w.u8(uint8_t(Structure::End));
    w.patch32(lengthAt, uint32_t(w.out.size() - lengthAt));
    return std::move(w.out);
}

} // namespace toolkit
