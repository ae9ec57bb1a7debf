// prebuild: makes at build time the images that a window description's first
// frame shows, with the program's own decoding and scaling, so that the
// program starts without decoding or scaling them: the window's icon, the
// picture of each image shown at start, and the scaled copy that each
// stretched image shows.
//
//   prebuild DESCRIPTION OUT_SOURCE.cpp
//
// OUT_SOURCE.cpp gets each image's pixels as a C++ array, and the table
// cartouchery_prebuilt_images, which says where each image's picture file
// lies in the description and, for a stretched copy, which control shows it.
// It is rewritten only when its bytes change.
#include "description_reader.h"
#include "generated_file.h"
#include "picture.h"
#include "picture_file.h"
#include "prebuilt_images.h"

#include <QCoreApplication>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>

namespace {

constexpr int kTwipsPerPixel = 15;

class Prebuilder {
  public:
    explicit Prebuilder(std::span<const uint8_t> description) : description_(description) {}

    // A control's picture is shown at start when it and every container are.
    void walk(const toolkit::ControlRecord& r, bool containerShown) {
        const bool shown = containerShown && r.visible.value_or(true);
        if (r.picture) {
            if (r.kind == toolkit::ControlKind::Form) {
                add(r.picture, nullptr, {}); // the window's icon
            } else if (r.stretch.value_or(false) && r.position) {
                add(r.picture, &r,
                    QSize(r.position->width / kTwipsPerPixel, r.position->height / kTwipsPerPixel));
            } else if (shown && r.kind == toolkit::ControlKind::Image) {
                add(r.picture, nullptr, {});
            }
        }
        for (const toolkit::ControlRecord& child : r.children)
            walk(child, shown);
    }

    std::string source() const {
        return "// Written by prebuild from the window description; do not edit.\n"
               "#include \"prebuilt_images.h\"\n\n#include <cstddef>\n\n"
               "extern const toolkit::PrebuiltImage cartouchery_prebuilt_images[];\n"
               "extern const std::size_t cartouchery_prebuilt_image_count;\n\n"
               "namespace {\n\n" +
               arrays_ + "\n} // namespace\n\n" +
               "const toolkit::PrebuiltImage cartouchery_prebuilt_images[] = {\n" + table_ +
               "};\nconst std::size_t cartouchery_prebuilt_image_count = " +
               std::to_string(count_) + ";\n";
    }

  private:
    // A stretched image gets the copy it shows; anything else its picture.
    void add(const toolkit::PictureBytes& picture, const toolkit::ControlRecord* stretched,
             QSize size) {
        const auto file = picture->bytes();
        const size_t offset = size_t(file.data() - description_.data());
        if (!stretched && !decoded_.insert(offset).second) return; // a picture shared
        QImage image = toolkit::decodePicture(file, toolkit::pictureFormat(file));
        if (image.isNull())
            throw std::runtime_error("a picture at " + std::to_string(offset) +
                                     " cannot be decoded");
        if (stretched) image = toolkit::stretchedCopy(image, size);
        if (image.depth() != 32 || image.bytesPerLine() != image.width() * 4)
            image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const std::string name = "image" + std::to_string(count_++);
        arrays_ += generated::byteArray("const unsigned char " + name + "[]",
                                        {image.constBits(), size_t(image.sizeInBytes())});
        std::string control = "nullptr";
        if (stretched) {
            control = '"' + stretched->name;
            if (stretched->index)
                control.append("(").append(std::to_string(*stretched->index)).append(")");
            control += '"';
        }
        table_ += "    {" + control + ", " + std::to_string(offset) + ", " +
                  std::to_string(file.size()) + ", " + std::to_string(image.width()) + ", " +
                  std::to_string(image.height()) + ", QImage::Format(" +
                  std::to_string(int(image.format())) + "), " + name + "},\n";
    }

    std::span<const uint8_t> description_;
    std::set<size_t> decoded_;
    std::string arrays_, table_;
    int count_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // Qt's image plugins: GIF and ICO
    if (argc != 3) {
        std::fprintf(stderr, "usage: prebuild DESCRIPTION OUT_SOURCE.cpp\n");
        return 2;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
        const std::string text{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()),
                                             text.size());
        const toolkit::Description d =
            toolkit::readDescription(bytes, toolkit::PictureStorage::Borrow);
        Prebuilder prebuilder(bytes);
        prebuilder.walk(d.form, true);
        generated::writeIfChanged(argv[2], prebuilder.source());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "prebuild: %s\n", e.what());
        return 1;
    }
    return 0;
}
