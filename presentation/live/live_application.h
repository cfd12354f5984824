// The main window's own services: closing, and the error box the game shows
// when a file operation fails.
#pragma once

#include "presentation/live/modal_loop.h"
#include "services/services.h"

namespace raketa {

class LiveApplication : public Application {
 public:
  LiveApplication(LiveScreen& screen, KeyPoll& keys) : screen_(screen), keys_(keys) {}

  void Close() override { closing_ = true; }
  bool Closing() const override { return closing_; }
  // A box drawn over the game's screen, dismissed with Enter or Esc; the
  // message also goes to the standard error stream.
  void ShowError(const std::string& message) override;

 private:
  LiveScreen& screen_;
  KeyPoll& keys_;
  bool closing_ = false;
};

}  // namespace raketa
