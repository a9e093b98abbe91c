#pragma once

#include "base/Dialogs.h"

namespace tq3 {

// Passes every call on to another Dialogs. Dialogs that add something to a few calls (record
// them, keep the last error, move a progress bar) derive from it and override only those.
class ForwardingDialogs : public Dialogs {
  public:
    explicit ForwardingDialogs(Dialogs& inner) : inner_(inner) {}
    void Error(const std::string& text) override { inner_.Error(text); }
    void Info(const std::string& text) override { inner_.Info(text); }
    Answer Confirm(const std::string& text, Buttons buttons) override {
        return inner_.Confirm(text, buttons);
    }
    std::optional<std::string> ChooseFolder(const std::string& start, bool allowCreate) override {
        return inner_.ChooseFolder(start, allowCreate);
    }
    void Progress(int position) override { inner_.Progress(position); }
    void Problem(const std::string& file, int line, const std::string& text) override {
        inner_.Problem(file, line, text);
    }
    void Busy(bool busy) override { inner_.Busy(busy); }
    void LoadStopped(const std::string& file, int line, const std::string& problem,
                     const std::string& error) override {
        inner_.LoadStopped(file, line, problem, error);
    }
    std::string SettingName(const std::string& key) override { return inner_.SettingName(key); }

  protected:
    Dialogs& inner() { return inner_; }

  private:
    Dialogs& inner_;
};

}  // namespace tq3
