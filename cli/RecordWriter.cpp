#include "cli/RecordWriter.h"

#include <utility>

namespace koord::cli {
namespace {

// Records per batch, and batches handed over and not yet written at most:
// a few milliseconds of writing each, and a bounded memory.
constexpr std::size_t kBatchRecords = 1024;
constexpr std::size_t kBatchesWaiting = 4;

}  // namespace

RecordWriter::RecordWriter(files::FileWriter& writer)
    : writer_(writer), filling_(kBatchRecords), thread_([this] { Work(); }) {}

RecordWriter::~RecordWriter() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
    waiting_.clear();
  }
  changed_.notify_all();
  thread_.join();
}

RecordWriter::Record& RecordWriter::Next() {
  Record& record = filling_[filled_];
  record.cells.clear();
  record.shape.clear();
  return record;
}

void RecordWriter::Submit() {
  if (++filled_ == filling_.size()) HandOver();
}

void RecordWriter::Finish() {
  if (filled_ > 0) HandOver();
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return failure_ || (waiting_.empty() && !writing_); });
  lock.unlock();
  RaiseFailure();
}

void RecordWriter::HandOver() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return failure_ || waiting_.size() < kBatchesWaiting; });
  if (failure_) {
    lock.unlock();
    RaiseFailure();
  }
  waiting_.emplace_back(std::exchange(filling_, {}), filled_);
  filled_ = 0;
  if (spare_.empty()) {
    filling_.resize(kBatchRecords);
  } else {
    filling_ = std::move(spare_.back());
    spare_.pop_back();
  }
  lock.unlock();
  changed_.notify_all();
}

void RecordWriter::RaiseFailure() {
  const std::lock_guard lock(mutex_);
  if (failure_) std::rethrow_exception(failure_);
}

void RecordWriter::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
    if (stopping_) return;
    auto [batch, count] = std::move(waiting_.front());
    waiting_.pop_front();
    writing_ = true;
    lock.unlock();
    std::exception_ptr failure;
    try {
      for (std::size_t i = 0; i < count; ++i) {
        views_.assign(batch[i].cells.begin(), batch[i].cells.end());
        writer_.Write(views_, batch[i].shape);
      }
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    writing_ = false;
    spare_.push_back(std::move(batch));
    if (failure) {
      failure_ = failure;
      waiting_.clear();
    }
    changed_.notify_all();
  }
}

}  // namespace koord::cli
