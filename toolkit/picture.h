// A picture: an image that never changes, shared by every control that holds
// it. A picture from a window description may be decoded on first use, so a
// window opens without decoding the pictures its hidden stores keep; either
// way it is decoded once.
#pragma once

#include <QImage>

#include <functional>
#include <memory>
#include <optional>

namespace toolkit {

class Picture {
  public:
    Picture() = default;
    // An image that is there already.
    Picture(std::shared_ptr<const QImage> image) // NOLINT: converts like the image it holds
        : state_(image ? std::make_shared<State>(State{*image, {}}) : nullptr) {}
    // An image made by decode when it is first needed.
    static Picture deferred(std::function<QImage()> decode) {
        Picture p;
        p.state_ = std::make_shared<State>(State{std::nullopt, std::move(decode)});
        return p;
    }

    // The image, decoded now if it was not yet; null for no picture.
    const QImage* get() const {
        if (!state_) return nullptr;
        if (!state_->image) state_->image = state_->decode();
        return &*state_->image;
    }
    const QImage& operator*() const { return *get(); }
    const QImage* operator->() const { return get(); }
    explicit operator bool() const { return state_ != nullptr; }
    // Two controls show the same picture when they share it, not when their
    // pixels happen to agree.
    bool operator==(const Picture& other) const { return state_ == other.state_; }

  private:
    struct State {
        std::optional<QImage> image;
        std::function<QImage()> decode;
    };
    std::shared_ptr<State> state_;
};

} // namespace toolkit
