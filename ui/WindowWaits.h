#pragma once
// Long work of the window (reading or writing a file of another program:
// seconds for a million points) done on a thread of its own while the
// window waits in an event loop that keeps drawing it and holds the user's
// input back until the work is done: the window is never frozen, and
// nothing changes under the work's feet.
//
//   const QString error = WhileWindowWaits([&] { return SaveOtherFile(...); });
//
// The work must not touch widgets. What it raises is raised again here.

#include <QEventLoop>
#include <QMetaObject>
#include <exception>
#include <optional>
#include <thread>
#include <utility>

namespace koord::ui {

template <typename Work>
auto WhileWindowWaits(Work&& work) -> decltype(work()) {
  using Result = decltype(work());
  std::optional<Result> result;
  std::exception_ptr failure;
  QEventLoop loop;
  std::thread thread([&] {
    try {
      result.emplace(work());
    } catch (...) {
      failure = std::current_exception();
    }
    // Queued: the loop may not have started yet, and is left only from its
    // own thread.
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  // The application may leave every loop (its last window closed) before
  // the work is done.
  thread.join();
  if (failure) std::rethrow_exception(failure);
  return std::move(*result);
}

}  // namespace koord::ui
