#include "app/page_pipeline.hpp"

#include <algorithm>
#include <exception>
#include <optional>
#include <stdexcept>

#include "print/page_raster.hpp"
#include "print/pdf_pages.hpp"
#include "print/schema_bitmap.hpp"
#include "ui/screen.hpp"

namespace kolvard {

PagePipeline::PagePipeline(const ExportPlan& plan, ExportContext& context, Wanted wanted,
                           unsigned threads)
    : plan_(plan),
      data_(context.data),
      date_(context.date),
      frames_(context.frames),
      wanted_(wanted) {
  Screen& screen = context.screen;
  if (threads == 0) threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  if (plan.pages.size() < threads) threads = std::max(static_cast<unsigned>(plan.pages.size()), 1u);
  // Two pages in hand per thread: one being drawn, one drawn and waiting to be written.
  slots_.resize(2 * static_cast<std::size_t>(threads));
  workers_.reserve(threads);
  for (unsigned t = 0; t < threads; ++t) {
    Screen* shared = t == 0 ? &screen : nullptr;
    workers_.emplace_back([this, shared](std::stop_token stop) { work(stop, shared); });
  }
}

PagePipeline::~PagePipeline() {
  for (std::jthread& worker : workers_) worker.request_stop();
  changed_.notify_all();
  workers_.clear();  // joins
}

void PagePipeline::work(std::stop_token stop, Screen* shared) {
  // The page fonts come from the screen's fonts; every thread has a screen of its own.
  std::optional<Screen> own;
  if (shared == nullptr) {
    own.emplace(&data_, 2);
    own->setUpFonts();
  }
  ExportContext context{data_, shared != nullptr ? *shared : *own, date_};
  context.frames = frames_;
  PageRaster raster;
  const std::size_t pages = plan_.pages.size();

  for (;;) {
    Slot* slot = nullptr;
    std::size_t index = 0;
    {
      std::unique_lock lock(mutex_);
      const bool go = changed_.wait(lock, stop, [&] {
        return nextToDraw_ >= pages || slots_[nextToDraw_ % slots_.size()].state == SlotState::Free;
      });
      if (!go || nextToDraw_ >= pages) return;
      index = nextToDraw_++;
      slot = &slots_[index % slots_.size()];
      slot->state = SlotState::Drawing;
      slot->index = index;
    }
    // A slot being drawn is this thread's alone until it is marked ready.
    Page& page = slot->page;
    page.failure.clear();
    try {
      context.progress.restart();
      plan_.pages[index].draw(context, raster);
      if (wanted_.bmp) encodeSchemaBitmapInto(raster, page.bmp);
      if (wanted_.pdf) compressPdfPage(raster, page.pdf);
    } catch (const std::exception&) {
      page.failure = "siden kunne ikke tegnes";
    }
    {
      std::lock_guard lock(mutex_);
      slot->state = SlotState::Ready;
    }
    changed_.notify_all();
  }
}

PagePipeline::Page& PagePipeline::take(std::size_t index) {
  if (index >= plan_.pages.size() || index != taken_) {
    throw std::logic_error("pages are taken once each, in order");
  }
  std::unique_lock lock(mutex_);
  if (taken_ > 0) {
    slots_[(taken_ - 1) % slots_.size()].state = SlotState::Free;
    changed_.notify_all();
  }
  taken_ = index + 1;
  Slot& slot = slots_[index % slots_.size()];
  changed_.wait(lock, [&] { return slot.state == SlotState::Ready && slot.index == index; });
  return slot.page;
}

}  // namespace kolvard
