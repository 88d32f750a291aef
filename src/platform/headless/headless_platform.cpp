#include "platform/headless/headless_platform.hpp"

#include <fstream>
#include <ostream>

#include "ui/png_image.hpp"
#include "ui/typed_text.hpp"

namespace kolvard {

HeadlessPlatform::HeadlessPlatform(std::vector<ScriptStep> script, std::ostream* log)
    : script_(std::move(script)), log_(log) {}

void HeadlessPlatform::openWindow(int width, int height, std::string_view caption) {
  width_ = width;
  height_ = height;
  caption_ = caption;
  shown_ = nullptr;
  ++windowsOpened_;
}

KeyString HeadlessPlatform::waitKey() {
  while (next_ < script_.size()) {
    const ScriptStep& step = script_[next_++];
    switch (step.kind) {
      case ScriptStep::Kind::Key:
        return step.key;
      case ScriptStep::Kind::Shot: {
        std::string error;
        if (shown_ == nullptr || !writePng(typedPath(step.path), *shown_, &error)) {
          allWritten_ = false;
          if (log_)
            *log_ << "kolvard: screenshot " << step.path
                  << " not written: " << (shown_ ? error : "no window") << '\n';
        }
        break;
      }
      case ScriptStep::Kind::State: {
        std::ofstream out(typedPath(step.path), std::ios::binary);
        out << (state_ ? state_() : std::string("{}")) << '\n';
        out.close();
        if (!out) {
          allWritten_ = false;
          if (log_) *log_ << "kolvard: state dump " << step.path << " not written\n";
        }
        break;
      }
    }
  }
  throw WindowClosed();
}

void HeadlessPlatform::beep() {
  ++beeps_;
  if (log_) *log_ << "beep" << std::endl;
}

}  // namespace kolvard
