// The pages of an export plan drawn on a few threads, each with a screen (the page fonts),
// a raster and buffers of its own, and handed out in the order of the plan. A page is drawn
// at most a few pages ahead of the one being written, so memory does not grow with the plan.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/export_plan.hpp"
#include "print/schema_bitmap.hpp"

namespace kolvard {

class Screen;

class PagePipeline {
 public:
  struct Wanted {
    bool bmp = true;   // the BMP file's bytes of each page
    bool pdf = false;  // the compressed samples of each page for the PDF
  };
  struct Page {
    PageBytes bmp;
    std::vector<std::uint8_t> pdf;
    std::string failure;  // why the page could not be drawn (UTF-8); empty when it was
  };

  // Starts drawing. `threads` 0 means as many as the machine has cores (at most 4); never
  // more threads than pages. The first thread draws with `screen` (which nothing else may use
  // until the pipeline is gone), the others with screens of their own.
  PagePipeline(const ExportPlan& plan, ExportContext& context, Wanted wanted, unsigned threads = 0);
  ~PagePipeline();  // stops the drawing and waits for the threads
  PagePipeline(const PagePipeline&) = delete;
  PagePipeline& operator=(const PagePipeline&) = delete;

  // Waits for page `index`, which must be the page after the one taken last (0 first). The
  // page stays valid until the next take().
  Page& take(std::size_t index);
  unsigned threads() const { return static_cast<unsigned>(workers_.size()); }

 private:
  enum class SlotState { Free, Drawing, Ready };
  struct Slot {
    SlotState state = SlotState::Free;
    std::size_t index = 0;
    Page page;
  };

  void work(std::stop_token stop, Screen* screen);

  const ExportPlan& plan_;
  const DataFile& data_;
  const std::string date_;
  const std::shared_ptr<const FrameData> frames_;  // decoded while the plan was made
  const Wanted wanted_;
  std::mutex mutex_;
  std::condition_variable_any changed_;
  std::vector<Slot> slots_;
  std::size_t nextToDraw_ = 0;
  std::size_t taken_ = 0;  // pages handed out so far
  std::vector<std::jthread> workers_;
};

}  // namespace kolvard
