// The window description: every control of a window with its settings and
// start pictures, as stored in the binary description format.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace toolkit {

// How deep controls may nest: the window's children are at level 1. Deeper
// descriptions are refused when read and when written, so every walk of a
// description tree stays shallow.
inline constexpr size_t kMaxNesting = 16;

enum class ControlKind : uint8_t {
    PictureBox = 0,
    Frame = 3,
    Form = 13,
    Image = 24,
    External = 255
};

const char* kindName(ControlKind kind);

// Frames and picture boxes are child windows: they hold controls and lie
// above the images of their container.
inline bool isChildWindow(ControlKind kind) {
    return kind == ControlKind::Frame || kind == ControlKind::PictureBox;
}

// Bit 31 set: the low byte numbers a system colour; clear: 0x00BBGGRR.
struct Colour {
    uint32_t raw = 0;
    static Colour rgb(uint8_t r, uint8_t g, uint8_t b) {
        return {uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16};
    }
    static Colour system(uint8_t n) { return {0x80000000u | n}; }
    bool isSystem() const { return raw & 0x80000000u; }
    uint8_t red() const { return uint8_t(raw); }
    uint8_t green() const { return uint8_t(raw >> 8); }
    uint8_t blue() const { return uint8_t(raw >> 16); }
    bool operator==(const Colour&) const = default;
};

struct Position { // twips
    int16_t left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Position&) const = default;
};

struct ClientArea { // twips
    int32_t left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ClientArea&) const = default;
};

enum class ScaleUnit : uint16_t { Twip = 1, Centimetre = 7 };

struct ScaleField {
    ScaleUnit unit = ScaleUnit::Twip;
    uint16_t flags = 0;
    static constexpr uint16_t kPersistentImage = 0x0020;
    bool persistentImage() const { return flags & kPersistentImage; }
    bool operator==(const ScaleField&) const = default;
};

using Bytes = std::vector<uint8_t>;

// One whole GIF, BMP or ICO file: its own bytes, or a view into the bytes of
// a description that outlives it.
class PictureFile {
  public:
    explicit PictureFile(Bytes owned) : owned_(std::move(owned)), bytes_(owned_) {}
    explicit PictureFile(std::span<const uint8_t> borrowed) : bytes_(borrowed) {}
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    std::span<const uint8_t> bytes() const { return bytes_; }
    bool operator==(const PictureFile& other) const {
        return std::equal(bytes_.begin(), bytes_.end(), other.bytes_.begin(), other.bytes_.end());
    }

  private:
    Bytes owned_;
    std::span<const uint8_t> bytes_;
};
using PictureBytes = std::shared_ptr<const PictureFile>;

struct ExternalControl {
    std::string className;
    Bytes savedSettings;
    int32_t designLeft = 0, designTop = 0;
    bool operator==(const ExternalControl&) const = default;
};

struct ControlRecord {
    uint8_t number = 0; // control number; array members share one
    std::string name;
    std::optional<uint16_t> index; // array members only
    ControlKind kind = ControlKind::Image;

    std::optional<std::string> caption, linkTopic;
    std::optional<Colour> backColour, textColour;
    std::optional<Position> position;
    std::optional<ClientArea> clientArea;
    std::optional<ScaleField> scale;
    std::optional<bool> visible, stretch, maxButton, minButton, unusedFlag;
    std::optional<uint16_t> tabIndex;
    std::optional<uint8_t> borderStyle, startUpPosition, unusedSetting;
    PictureBytes picture; // the window's icon for the form
    std::optional<ExternalControl> external;

    std::vector<ControlRecord> children;

    bool operator==(const ControlRecord& other) const;
};

struct Description {
    std::array<uint8_t, 48> identifiers{}; // class, interface and toolkit identifiers
    ControlRecord form;
    bool operator==(const Description&) const = default;
};

} // namespace toolkit
