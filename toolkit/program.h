// Starting a program: build the window from its description, run the load
// handler, bind the events, show the window and run until it closes.
#pragma once

#include "events.h"
#include "form.h"
#include "prebuilt_images.h"

#include <QString>

#include <functional>
#include <memory>
#include <span>

namespace toolkit {

struct Project {
    std::span<const uint8_t> windowDescription;
    // The description built into the program, which lives for the whole run,
    // and the images prebuilt from it. A window from these very bytes starts
    // decoding nothing its first frame does not show; from any other bytes,
    // everything is decoded at once.
    std::span<const uint8_t> builtInDescription;
    std::span<const PrebuiltImage> prebuiltImages;
    std::function<void(Form&)> load;               // runs once, before the window shows
    std::function<void(Form&, EventRouter&)> bind; // attaches the handlers
    QString name;                                  // of the program file
    QString version;
    const char* description = ""; // one line for --help, translated in the context "Texts"
    QString desktopFileName;      // the desktop entry's id, so the desktop matches the window to it
};

// A running form without a window: what the program is, less the screen.
class Session {
  public:
    Session(const Project& project, std::function<std::unique_ptr<CommonDialog>()> makeDialog,
            std::unique_ptr<MessageSink> messages);

    Form& form() { return *form_; }
    EventRouter& events() { return *events_; }

  private:
    std::unique_ptr<Form> form_;
    std::unique_ptr<EventRouter> events_;
};

// The entry point's one call: runs the program to its end, with the Qt
// window, the platform's Save As dialog and message boxes.
int run(int argc, char** argv, const Project& project);

} // namespace toolkit
