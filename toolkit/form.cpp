#include "form.h"

#include "description_reader.h"
#include "picture_file.h"

#include <stdexcept>

namespace toolkit {

class FormBuilder {
  public:
    explicit FormBuilder(Form& form) : form_(form) {}

    void build(const Description& d) {
        const ControlRecord& f = d.form;
        form_.caption_ = QString::fromStdString(f.caption.value_or(""));
        form_.centred_ = f.startUpPosition.value_or(0) == 2;
        if (f.picture) form_.icon_ = decodedNow(sharedPicture(f.picture, f.name), f.name);
        form_.root_ = add(f, nullptr);
    }

  private:
    Form& form_;
    std::map<const PictureFile*, Picture> decoded_; // the reader shares identical pictures

    // The one picture for a file, decoded when first needed.
    Picture sharedPicture(const PictureBytes& bytes, const std::string& owner) {
        auto& p = decoded_[bytes.get()];
        if (!p) {
            // Naming the format spares Qt from probing every image plugin it has.
            const char* format = pictureFormat(bytes->bytes());
            if (!format)
                throw std::runtime_error("the picture of " + owner +
                                         " is not a GIF, BMP or ICO file");
            p = Picture::deferred([bytes, format] {
                const auto file = bytes->bytes();
                QImage img = QImage::fromData(file.data(), int(file.size()), format);
                // Keep a format the painter draws directly; 8-bit bitmaps are not.
                if (img.format() == QImage::Format_Indexed8)
                    img = img.convertToFormat(QImage::Format_RGB32);
                return img;
            });
        }
        return p;
    }

    // Decodes a picture that is needed now; its failure is the owner's.
    static const QImage& decodedNow(const Picture& p, const std::string& owner) {
        if (p->isNull()) throw std::runtime_error("the picture of " + owner + " cannot be decoded");
        return *p;
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
        if (r.picture && r.kind != ControlKind::Form)
            c->picture = sharedPicture(r.picture, c->label());
        // An image that does not stretch takes its picture's size.
        if (r.kind == ControlKind::Image && !c->stretch && c->picture) {
            const auto size = pictureSize(r.picture->bytes());
            if (!size)
                throw std::runtime_error("the picture of " + c->label() + " has no pixel size");
            c->width = size->first * kTwipsPerPixel;
            c->height = size->second * kTwipsPerPixel;
        }
        if (c->picture && c->visible) decodedNow(c->picture, c->label());
        if (c->persistent) {
            c->surface = QImage(c->drawableArea().size(), QImage::Format_ARGB32_Premultiplied);
            c->surface.fill(c->backColour);
        }
        for (const ControlRecord& child : r.children)
            add(child, c);
        return c;
    }
};

std::unique_ptr<Form> Form::fromDescription(std::span<const uint8_t> bytes) {
    // Pictures are decoded while the window is built, so they may view the input.
    const Description d = readDescription(bytes, PictureStorage::Borrow);
    auto form = std::make_unique<Form>();
    FormBuilder(*form).build(d);
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
