// The main window's own services: closing, and the error box the game shows
// when a file operation fails.
#pragma once

#include "presentation/boxes/box_host.h"
#include "services/services.h"

namespace raketa {

class BoxApplication : public Application {
 public:
  explicit BoxApplication(BoxHost& host) : host_(host) {}

  void Close() override { closing_ = true; }
  bool Closing() const override { return closing_; }
  // A box drawn over the game's screen, dismissed with Enter or Esc; the
  // message also goes to the standard error stream.
  void ShowError(const std::string& message) override;

 private:
  BoxHost& host_;
  bool closing_ = false;
};

}  // namespace raketa
