#include "layout_file.h"

#include "picture_file.h"

#include <nlohmann/json.hpp>

#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>

namespace describe {
namespace {

using json = nlohmann::json;
using namespace toolkit;

struct Context {
    std::filesystem::path assets;
    std::map<std::string, PictureBytes> pictures; // one buffer per file
    std::map<std::string, uint8_t> numbers;       // control number by name
};

[[noreturn]] void fail(const std::string& control, const std::string& what) {
    throw std::runtime_error(control + ": " + what);
}

PictureBytes loadPicture(Context& c, const std::string& file, const std::string& control) {
    auto& p = c.pictures[file];
    if (p) return p;
    std::ifstream in(c.assets / file, std::ios::binary);
    if (!in) fail(control, "picture " + (c.assets / file).string() + " cannot be read");
    p = std::make_shared<const PictureFile>(
        Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    return p;
}

Colour colour(const json& j, const std::string& control) {
    if (j.is_object()) return Colour::system(j.at("system").get<uint8_t>());
    const std::string s = j.get<std::string>();
    if (s.size() != 7 || s[0] != '#') fail(control, "colour must be #RRGGBB or {\"system\": n}");
    const unsigned long v = std::stoul(s.substr(1), nullptr, 16);
    return Colour::rgb(uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v));
}

ScaleField scale(const json& j, const std::string& control) {
    const std::string unit = j.at("unit");
    ScaleField f;
    if (unit == "twip")
        f.unit = ScaleUnit::Twip;
    else if (unit == "centimetre")
        f.unit = ScaleUnit::Centimetre;
    else
        fail(control, "unknown scale unit " + unit);
    // Bits 0x40 and 0x02 are always set in this toolkit's scale fields.
    f.flags = 0x0042 | (j.at("persistentImage").get<bool>() ? ScaleField::kPersistentImage : 0);
    return f;
}

void put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}

// The common-dialog control's own saved settings.
Bytes dialogSettings(const json& s) {
    Bytes b = {0x21, 0x43, 0x34, 0x12};
    put32(b, 8);
    for (uint32_t n : s.at("extent").get<std::vector<uint32_t>>())
        put32(b, n);
    b.insert(b.end(), {0x86, 0x3C, 0x04, 0xF9, 0x00, 0x00, 0x06, 0x00});
    for (uint32_t n : s.at("numbers").get<std::vector<uint32_t>>())
        put32(b, n);
    const float real = s.at("real").get<float>();
    uint32_t bits;
    std::memcpy(&bits, &real, 4);
    put32(b, bits);
    for (uint32_t n : s.at("values").get<std::vector<uint32_t>>())
        put32(b, n);
    const std::string text = s.at("text");
    put32(b, uint32_t(text.size()));
    for (char ch : text)
        b.insert(b.end(), {uint8_t(ch), 0});
    return b;
}

ControlRecord control(Context& c, const json& j);

void common(Context& c, ControlRecord& r, const json& j) {
    const std::string& n = r.name;
    if (j.contains("caption")) r.caption = j["caption"];
    if (j.contains("backColor")) r.backColour = colour(j["backColor"], n);
    if (j.contains("foreColor")) r.textColour = colour(j["foreColor"], n);
    if (j.contains("position")) {
        const auto p = j["position"].get<std::vector<int>>();
        if (p.size() != 4) fail(n, "position needs Left, Top, Width, Height");
        r.position = Position{int16_t(p[0]), int16_t(p[1]), int16_t(p[2]), int16_t(p[3])};
    }
    if (j.contains("visible")) r.visible = j["visible"].get<bool>();
    if (j.contains("stretch")) r.stretch = j["stretch"].get<bool>();
    if (j.contains("tabIndex")) r.tabIndex = j["tabIndex"].get<uint16_t>();
    if (j.contains("borderStyle")) r.borderStyle = j["borderStyle"].get<uint8_t>();
    if (j.contains("unusedFrameSetting")) r.unusedSetting = j["unusedFrameSetting"].get<uint8_t>();
    if (j.contains("unusedCanvasFlag")) r.unusedFlag = j["unusedCanvasFlag"].get<bool>();
    if (j.contains("scale")) r.scale = scale(j["scale"], n);
    if (j.contains("picture")) r.picture = loadPicture(c, j["picture"], n);
    if (j.contains("icon")) r.picture = loadPicture(c, j["icon"], n);
    if (j.contains("linkTopic")) r.linkTopic = j["linkTopic"];
    if (j.contains("maxButton")) r.maxButton = j["maxButton"].get<bool>();
    if (j.contains("minButton")) r.minButton = j["minButton"].get<bool>();
    if (j.contains("startUpPosition")) r.startUpPosition = j["startUpPosition"].get<uint8_t>();
    if (j.contains("clientArea")) {
        const auto a = j["clientArea"].get<std::vector<int32_t>>();
        if (a.size() != 4) fail(n, "clientArea needs four numbers");
        r.clientArea = ClientArea{a[0], a[1], a[2], a[3]};
    }
    // An image that does not stretch has exactly its picture's size.
    if (r.kind == ControlKind::Image && !r.stretch.value_or(false) && r.picture && r.position) {
        const auto size = pictureSize(r.picture->bytes());
        if (!size) fail(n, "picture is neither GIF, BMP nor ICO");
        const auto [w, h] = *size;
        if (r.position->width != w * 15 || r.position->height != h * 15)
            fail(n + (r.index ? "(" + std::to_string(*r.index) + ")" : ""),
                 "size " + std::to_string(r.position->width) + " x " +
                     std::to_string(r.position->height) + " twips differs from its picture's " +
                     std::to_string(w * 15) + " x " + std::to_string(h * 15));
    }
}

ControlRecord control(Context& c, const json& j) {
    ControlRecord r;
    r.name = j.at("name");
    const std::string kind = j.at("kind");
    if (kind == "form")
        r.kind = ControlKind::Form;
    else if (kind == "frame")
        r.kind = ControlKind::Frame;
    else if (kind == "pictureBox")
        r.kind = ControlKind::PictureBox;
    else if (kind == "image")
        r.kind = ControlKind::Image;
    else if (kind == "external")
        r.kind = ControlKind::External;
    else
        fail(r.name, "unknown kind " + kind);
    if (j.contains("index")) r.index = j["index"].get<uint16_t>();
    if (r.kind == ControlKind::External) {
        r.external = ExternalControl{j.at("class"), dialogSettings(j.at("settings")),
                                     j.at("designLeft"), j.at("designTop")};
    } else {
        common(c, r, j);
        // Own controls are numbered in order of first appearance.
        if (r.kind != ControlKind::Form) {
            auto [it, added] = c.numbers.emplace(r.name, uint8_t(c.numbers.size() + 1));
            r.number = it->second;
        }
    }
    for (const json& child : j.value("children", json::array()))
        r.children.push_back(control(c, child));
    return r;
}

// External controls take the numbers after the window's own controls.
void numberExternals(ControlRecord& r, uint8_t& next) {
    if (r.kind == ControlKind::External) r.number = next++;
    for (ControlRecord& child : r.children)
        numberExternals(child, next);
}

} // namespace

Description readLayout(const std::string& layoutText, const std::filesystem::path& assets) {
    json doc;
    try {
        doc = json::parse(layoutText);
    } catch (const json::exception& e) {
        throw std::runtime_error(std::string("layout file is not valid JSON: ") + e.what());
    }
    Context c{assets, {}, {}};
    Description d;
    try {
        d.form = control(c, doc.at("form"));
    } catch (const json::exception& e) {
        throw std::runtime_error(std::string("layout file: ") + e.what());
    }
    uint8_t next = uint8_t(c.numbers.size() + 1);
    numberExternals(d.form, next);
    // The window's own identifiers, fixed for this program.
    const char* ids =
        "Cartouchery.Form1.class\0Cartouchery.Form1.iface\0toolkit.window\0\0\0\0\0\0";
    std::memcpy(d.identifiers.data(), ids, d.identifiers.size());
    return d;
}

} // namespace describe
