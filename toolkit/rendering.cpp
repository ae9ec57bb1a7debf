#include "rendering.h"

#include "prebuilt_images.h"

namespace toolkit {
namespace {

const QImage& stretchedPicture(const Control& image, QSize size) {
    if (image.stretchedFrom != image.picture || image.stretched.size() != size) {
        image.stretched = stretchedCopy(*image.picture, size);
        image.stretchedFrom = image.picture;
    }
    return image.stretched;
}

void drawImage(QPainter& p, const Control& image) {
    if (!image.visible || !image.picture) return;
    const QRect r = image.rectInContainer();
    if (image.stretch)
        p.drawImage(r.topLeft(), stretchedPicture(image, r.size()));
    else
        p.drawImage(r.topLeft(), *image.picture);
}

// A sunken 3-D edge, two pixels on each side.
void drawSunkenEdge(QPainter& p, QRect r) {
    const QColor shadow(160, 160, 160), dark(105, 105, 105), light(227, 227, 227),
        white(255, 255, 255);
    auto frame = [&](QRect f, const QColor& topLeft, const QColor& bottomRight) {
        p.fillRect(f.left(), f.top(), f.width(), 1, topLeft);
        p.fillRect(f.left(), f.top(), 1, f.height(), topLeft);
        p.fillRect(f.left(), f.bottom(), f.width(), 1, bottomRight);
        p.fillRect(f.right(), f.top(), 1, f.height(), bottomRight);
    };
    frame(r, shadow, white);
    frame(r.adjusted(1, 1, -1, -1), dark, light);
}

void drawContainer(QPainter& p, const Control& box);

// A container's persistent image, its images, then the child windows that
// always lie above them; each group in stored order.
void drawSurfaceAndChildren(QPainter& p, const Control& box) {
    if (box.persistent) p.drawImage(0, 0, box.surface);
    for (const Control* child : box.children)
        if (child->kind == ControlKind::Image) drawImage(p, *child);
    for (const Control* child : box.children)
        if (isChildWindow(child->kind)) drawContainer(p, *child);
}

void drawContainer(QPainter& p, const Control& box) {
    if (!box.visible) return;
    const QRect r = box.rectInContainer();
    p.save();
    p.translate(r.topLeft());
    p.fillRect(QRect(QPoint(), r.size()), QColor(box.backColour));
    if (box.bordered) drawSunkenEdge(p, QRect(QPoint(), r.size()));
    const QRect inner = box.drawableArea();
    // Narrowed, never replaced: a frame inside a frame stays inside both.
    p.setClipRect(inner, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p.translate(inner.topLeft());
    drawSurfaceAndChildren(p, box);
    p.restore();
}

} // namespace

void renderForm(QPainter& p, const Form& form) {
    const Control& root = form.root();
    p.fillRect(QRect(QPoint(), form.clientSize()), QColor(root.backColour));
    drawSurfaceAndChildren(p, root);
}

QImage renderForm(const Form& form) {
    QImage out(form.clientSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    renderForm(p, form);
    return out;
}

} // namespace toolkit
