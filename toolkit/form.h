// A window built from its description: owns every control for the whole run.
#pragma once

#include "common_dialog.h"
#include "control.h"
#include "prebuilt_images.h"

#include <QString>

#include <map>
#include <memory>
#include <span>

namespace toolkit {

class Form {
  public:
    // Builds the window and all its controls, decoding every distinct picture
    // once; the form keeps nothing of the bytes. Throws DescriptionError for
    // malformed bytes and std::runtime_error for a picture that is not a GIF,
    // BMP or ICO file or cannot be decoded, and for a size that no window has.
    static std::unique_ptr<Form> fromDescription(std::span<const uint8_t> bytes);
    // The same for a description built into the program, whose bytes live
    // for the whole run: the pictures and stretched copies prebuilt from it
    // at build time are taken as they are, and its other pictures (but an
    // icon) are checked now and decoded when first used, so that a start
    // decodes and scales nothing that its first frame does not show.
    static std::unique_ptr<Form> fromBuiltInDescription(std::span<const uint8_t> bytes,
                                                        std::span<const PrebuiltImage> prebuilt);

    Control& root() { return *root_; }
    const Control& root() const { return *root_; }
    QString caption() const { return caption_; }
    const QImage& icon() const { return icon_; }
    QSize clientSize() const { return root_->drawableArea().size(); }
    bool centred() const { return centred_; }

    // The control of that name; throws std::out_of_range naming it if absent.
    Control& control(const std::string& name);
    Control& control(const std::string& name, int index);
    const std::vector<Control*>& controls() const { return order_; }

    // External controls: the Save As dialog and where messages go.
    void setDialog(const std::string& name, std::unique_ptr<CommonDialog> dialog);
    CommonDialog& dialog(const std::string& name);
    void setMessages(std::unique_ptr<MessageSink> sink) { messages_ = std::move(sink); }
    MessageSink& messages() { return *messages_; }

  private:
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_; // every control, in stored order
    Control* root_ = nullptr;
    std::map<std::pair<std::string, int>, Control*> byName_; // index -1 for plain controls
    std::map<std::string, std::unique_ptr<CommonDialog>> dialogs_;
    std::unique_ptr<MessageSink> messages_;
    QString caption_;
    QImage icon_;
    bool centred_ = false;

    friend class FormBuilder;
};

} // namespace toolkit
