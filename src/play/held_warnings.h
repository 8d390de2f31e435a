// The start-up's warnings in their order while the sounds are still being set up beside the
// window: a warning raised meanwhile by the start-up (the settings file's) waits until the
// sounds' own ones have been shown. Later boxes finish the sounds' start-up first.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"

namespace banzuri {

class HeldWarnings : public Dialogs {
  public:
    explicit HeldWarnings(Dialogs& target) : target_(target) {}

    // From now on the start-up's warnings wait for release().
    void hold() {
        holding_ = true;
        starting_ = true;
    }
    // The start-up has ended: a warning raised later while still holding ends the wait first
    // and is shown at once, after the ones that waited.
    void started() { starting_ = false; }
    // Shows the waiting warnings, oldest first; later ones go through at once.
    void release() {
        holding_ = false;
        for (const auto& [text, title] : std::exchange(held_, {}))
            target_.warning(text, title);
    }
    bool holding() const { return holding_; }
    // What ends the wait before a box of another kind opens (it releases the warnings).
    void set_finish(std::function<void()> finish) { finish_ = std::move(finish); }

    void message(const std::string& text, const std::string& title) override {
        finish();
        target_.message(text, title);
    }
    using Dialogs::ask_yes_no;
    bool ask_yes_no(const std::string& text, const std::string& title, Answer preferred) override {
        finish();
        return target_.ask_yes_no(text, title, preferred);
    }
    void warning(const std::string& text, const std::string& title) override {
        if (!starting_) finish();
        if (holding_) {
            held_.emplace_back(text, title);
            return;
        }
        target_.warning(text, title);
    }
    std::optional<std::size_t> choose(const std::string& text, const std::string& title,
                                      const std::vector<std::string>& items) override {
        finish();
        return target_.choose(text, title, items);
    }

  private:
    void finish() {
        if (holding_ && finish_) finish_();
        if (holding_) release();
    }

    Dialogs& target_;
    bool holding_ = false;
    bool starting_ = false;
    std::vector<std::pair<std::string, std::string>> held_;  // text and title
    std::function<void()> finish_;
};

}  // namespace banzuri
