#pragma once
// A fixed set of threads that run tasks in the order they are given, each
// task's result coming back through its future.
//
//   WorkerPool<int> pool(2);
//   std::future<int> answer = pool.Run(std::packaged_task<int()>([] { return 42; }));
//   answer.get();
//
// The destructor lets the tasks already given finish, then joins.

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace koord {

template <typename Result>
class WorkerPool {
 public:
  // Raises std::system_error when a thread cannot be started (the threads
  // already started are stopped first).
  explicit WorkerPool(unsigned threads) {
    try {
      for (unsigned i = 0; i < threads; ++i) threads_.emplace_back([this] { Work(); });
    } catch (...) {
      Stop();
      throw;
    }
  }

  ~WorkerPool() { Stop(); }

  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  std::future<Result> Run(std::packaged_task<Result()> task) {
    std::future<Result> result = task.get_future();
    {
      const std::lock_guard lock(mutex_);
      tasks_.push_back(std::move(task));
    }
    ready_.notify_one();
    return result;
  }

 private:
  void Stop() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    ready_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }

  void Work() {
    for (;;) {
      std::packaged_task<Result()> task;
      {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (tasks_.empty()) return;
        task = std::move(tasks_.front());
        tasks_.pop_front();
      }
      task();  // a fault is kept in the task's future
    }
  }

  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::packaged_task<Result()>> tasks_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace koord
