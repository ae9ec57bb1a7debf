#include "form.h"

#include "description_reader.h"
#include "fresh_memory.h"
#include "picture_file.h"
#include "prebuilt_images.h"

#include <QImageReader>

#include <algorithm>
#include <stdexcept>

namespace toolkit {

// No window or picture of a window description is larger than this on a
// side; it keeps every size in twips well inside an int, and a crafted
// description from asking for gigabytes.
constexpr int kMaxPixels = 4096;

// What all the pixels of one window may take together: decoded pictures,
// persistent images and the scaled copies of stretched images. Each of them
// may be within kMaxPixels, yet forty of them could still ask for gigabytes.
// Our own window needs about 5 MiB.
constexpr int64_t kMaxPixelBytes = int64_t(64) << 20;
constexpr int64_t kBytesPerPixel = 4;

std::string sizeText(int64_t width, int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

// Refuses a picture larger than a window holds; `is` says whether the size is
// what its header says or what it decoded to.
void checkPictureSize(const std::string& owner, const char* is, int64_t width, int64_t height) {
    if (width > kMaxPixels || height > kMaxPixels)
        throw std::runtime_error("the picture of " + owner + " " + is + " " +
                                 sizeText(width, height) + "; a picture may be at most " +
                                 std::to_string(kMaxPixels) + " pixels on a side");
}

class FormBuilder {
  public:
    explicit FormBuilder(Form& form) : form_(form) {}

    // The description lives for the whole run: the pictures and stretched
    // copies prebuilt from it are taken as they are, and its other GIF and BMP
    // pictures are decoded when first used.
    void builtIn(std::span<const uint8_t> description, std::span<const PrebuiltImage> prebuilt) {
        builtIn_ = description;
        prebuilt_ = prebuilt;
    }

    void build(const Description& d) {
        const ControlRecord& f = d.form;
        form_.caption_ = QString::fromStdString(f.caption.value_or(""));
        form_.centred_ = f.startUpPosition.value_or(0) == 2;
        if (f.picture) form_.icon_ = *decoded(f.picture, f.name);
        form_.root_ = add(f, nullptr);
    }

  private:
    Form& form_;
    std::map<const PictureFile*, Picture> decoded_; // the reader shares identical pictures
    int64_t pixelBytes_ = 0;
    std::span<const uint8_t> builtIn_;
    std::span<const PrebuiltImage> prebuilt_;

    // The image prebuilt for this picture file (for control, the stretched
    // copy that it shows); a null image where there is none.
    QImage prebuiltImage(std::span<const uint8_t> file, const Control* control, QSize size) const {
        for (const PrebuiltImage& image : prebuilt_)
            if ((image.control ? control && control->label() == image.control : !control) &&
                file.data() == builtIn_.data() + image.pictureOffset &&
                file.size() == image.pictureLength && size == QSize(image.width, image.height))
                // Wraps the program's own static pixels: nothing is copied.
                return QImage(image.pixels, image.width, image.height, qsizetype(image.width) * 4,
                              image.format);
        return {};
    }

    // Counts pixels against the window's budget before anything holds them.
    void charge(int64_t width, int64_t height, const std::string& what) {
        pixelBytes_ += width * height * kBytesPerPixel;
        if (pixelBytes_ > kMaxPixelBytes)
            throw std::runtime_error("the pixels of the window would take more than " +
                                     std::to_string(kMaxPixelBytes >> 20) + " MiB with " + what);
    }

    // Qt refuses, before it allocates, a picture larger than what is left.
    class DecodingLimit {
      public:
        explicit DecodingLimit(int64_t bytesLeft) : old_(QImageReader::allocationLimit()) {
            QImageReader::setAllocationLimit(int(std::max<int64_t>(1, (bytesLeft >> 20) + 1)));
        }
        ~DecodingLimit() { QImageReader::setAllocationLimit(old_); }

      private:
        int old_;
    };

    // The one picture for a file, decoded now, hidden stores included: a
    // broken picture is found when the window opens, not when a key first
    // uses it, and nothing keeps the description's bytes afterwards.
    Picture decoded(const PictureBytes& bytes, const std::string& owner) {
        auto& p = decoded_[bytes.get()];
        if (p) return p;
        const auto file = bytes->bytes();
        // Naming the format spares Qt from probing every image plugin it has.
        const char* format = pictureFormat(file);
        if (!format)
            throw std::runtime_error("the picture of " + owner + " is not a GIF, BMP or ICO file");
        const auto size = pictureSize(file);
        if (!size) throw std::runtime_error("the picture of " + owner + " has no pixel size");
        checkPictureSize(owner, "is", size->first, size->second);
        charge(size->first, size->second, "the picture of " + owner);
        if (!builtIn_.empty()) {
            const QSize headerSize(size->first, size->second);
            if (QImage image = prebuiltImage(file, nullptr, headerSize); !image.isNull())
                return p = std::make_shared<const QImage>(std::move(image));
            // An icon's directory may understate its picture: icons are decoded now.
            if (format[0] != 'I') return p = Picture::whenFirstUsed(file, format, headerSize);
        }
        QImage img;
        {
            const DecodingLimit limit(kMaxPixelBytes - pixelBytes_);
            img = decodePicture(file, format);
        }
        if (img.isNull())
            throw std::runtime_error("the picture of " + owner + " cannot be decoded");
        // The header may understate: an icon's directory says 256 for any
        // larger picture inside it. What counts is what was decoded.
        checkPictureSize(owner, "decodes to", img.width(), img.height());
        charge(int64_t(img.width()) * img.height() - int64_t(size->first) * size->second, 1,
               "the picture of " + owner);
        p = std::make_shared<const QImage>(std::move(img));
        return p;
    }

    static void checkSize(const Control& c) {
        const int64_t w = c.width / kTwipsPerPixel, h = c.height / kTwipsPerPixel;
        if (w < 0 || h < 0 || w > kMaxPixels || h > kMaxPixels)
            throw std::runtime_error(c.label() + " is " + sizeText(w, h) +
                                     "; a control may be 0 to " + std::to_string(kMaxPixels) +
                                     " pixels on a side");
    }

    Control* add(const ControlRecord& r, Control* container) {
        auto owned = std::make_unique<Control>();
        Control* c = owned.get();
        form_.owned_.push_back(std::move(owned));
        form_.order_.push_back(c);
        c->name = r.name;
        if (r.index) c->index = *r.index;
        c->kind = r.kind;
        c->container = container;
        if (container) container->children.push_back(c);
        if (!form_.byName_.emplace(std::pair{r.name, r.index ? int(*r.index) : -1}, c).second)
            throw std::runtime_error("the window description holds " + c->label() + " twice");

        if (r.position) {
            c->left = r.position->left, c->top = r.position->top;
            c->width = r.position->width, c->height = r.position->height;
        }
        if (r.clientArea) c->width = r.clientArea->width, c->height = r.clientArea->height;
        c->visible = r.visible.value_or(true);
        c->stretch = r.stretch.value_or(false);
        c->bordered = isChildWindow(r.kind) && r.borderStyle.value_or(1) != 0;
        if (r.backColour && !r.backColour->isSystem())
            c->backColour = qRgb(r.backColour->red(), r.backColour->green(), r.backColour->blue());
        if (r.scale) {
            c->unit = r.scale->unit;
            c->persistent = r.scale->persistentImage();
        }
        if (r.picture && r.kind != ControlKind::Form) c->picture = decoded(r.picture, c->label());
        // An image that does not stretch takes its picture's size.
        if (r.kind == ControlKind::Image && !c->stretch && c->picture) {
            c->width = c->picture.size().width() * kTwipsPerPixel;
            c->height = c->picture.size().height() * kTwipsPerPixel;
        }
        checkSize(*c);
        // A stretched image keeps a scaled copy of its picture at its own size.
        if (c->stretch && c->picture) {
            charge(c->drawableArea().width(), c->drawableArea().height(),
                   "the stretched picture of " + c->label());
            if (QImage copy = prebuiltImage(r.picture->bytes(), c, c->rectInContainer().size());
                !copy.isNull()) {
                c->stretched = copy; // static pixels, never copied
                c->stretchedFrom = c->picture;
            }
        }
        if (c->persistent) {
            charge(c->drawableArea().width(), c->drawableArea().height(),
                   "the persistent image of " + c->label());
            c->surface = QImage(c->drawableArea().size(), QImage::Format_ARGB32_Premultiplied);
            populate(c->surface);
            c->surface.fill(c->backColour);
        }
        for (const ControlRecord& child : r.children)
            add(child, c);
        return c;
    }
};

std::unique_ptr<Form> Form::fromDescription(std::span<const uint8_t> bytes) {
    // Every picture is decoded while the window is built, so the pictures of
    // the description may view the input instead of copying it.
    const Description d = readDescription(bytes, PictureStorage::Borrow);
    auto form = std::make_unique<Form>();
    FormBuilder(*form).build(d);
    return form;
}

std::unique_ptr<Form> Form::fromBuiltInDescription(std::span<const uint8_t> bytes,
                                                   std::span<const PrebuiltImage> prebuilt) {
    const Description d = readDescription(bytes, PictureStorage::Borrow);
    auto form = std::make_unique<Form>();
    FormBuilder builder(*form);
    builder.builtIn(bytes, prebuilt);
    builder.build(d);
    return form;
}

Control& Form::control(const std::string& name) {
    auto it = byName_.find({name, -1});
    if (it == byName_.end()) throw std::out_of_range("no control " + name + " in the window");
    return *it->second;
}

Control& Form::control(const std::string& name, int index) {
    auto it = byName_.find({name, index});
    if (it == byName_.end())
        throw std::out_of_range("no control " + name + "(" + std::to_string(index) +
                                ") in the window");
    return *it->second;
}

void Form::setDialog(const std::string& name, std::unique_ptr<CommonDialog> dialog) {
    dialogs_[name] = std::move(dialog);
}

CommonDialog& Form::dialog(const std::string& name) {
    auto it = dialogs_.find(name);
    if (it == dialogs_.end() || !it->second) throw std::out_of_range("no dialog control " + name);
    return *it->second;
}

} // namespace toolkit
