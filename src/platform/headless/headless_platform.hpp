// The headless backend: an offscreen window whose keys come from a script. It runs the very
// same screens as the real window; screenshots are the exact pixels of the client area.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/headless/key_script.hpp"
#include "platform/platform.hpp"

namespace kolvard {

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(std::vector<ScriptStep> script, std::ostream* log = nullptr);

  // The JSON state dump written by state:FILE.json steps.
  void setStateProvider(std::function<std::string()> provider) { state_ = std::move(provider); }

  void openWindow(int width, int height, std::string_view caption) override;
  void present(const Framebuffer& frame) override { shown_ = &frame; }
  KeyString waitKey() override;
  KeyString pollKey() override { return waitKey(); }
  void beep() override;

  int windowWidth() const { return width_; }
  int windowHeight() const { return height_; }
  const std::string& caption() const { return caption_; }
  int windowsOpened() const { return windowsOpened_; }
  int beeps() const { return beeps_; }
  // False when a screenshot or state dump could not be written.
  bool allWritten() const { return allWritten_; }

 private:
  std::vector<ScriptStep> script_;
  std::size_t next_ = 0;
  std::ostream* log_;
  std::function<std::string()> state_;
  const Framebuffer* shown_ = nullptr;
  int width_ = 0, height_ = 0, windowsOpened_ = 0, beeps_ = 0;
  std::string caption_;
  bool allWritten_ = true;
};

}  // namespace kolvard
