#pragma once
// The records of a file written on a thread of their own: the file
// library's share of a run (half of it, for a GeoPackage) goes on beside
// the conversion instead of after each line.
//
//   RecordWriter records(writer);
//   RecordWriter::Record& record = records.Next();
//   record.cells = ...; record.shape = ...;
//   records.Submit();   // raises what the writing raised, if it failed
//   records.Finish();   // every record written
//
// Records go over in batches, a few in flight at a time, so memory stays
// bounded; their storage is used again. The writer is used by the thread
// alone from the first Submit to Finish.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "files/FileWriter.h"
#include "files/Geometry.h"

namespace koord::cli {

class RecordWriter {
 public:
  struct Record {
    std::vector<std::string> cells;
    std::vector<files::Point> shape;
  };

  explicit RecordWriter(files::FileWriter& writer);
  // Stops the thread; records not yet written are dropped (a run that
  // fails leaves its file uncommitted).
  ~RecordWriter();
  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;

  // The record to fill next.
  Record& Next();
  // Hands the record filled over. Raises what writing an earlier record
  // raised.
  void Submit();
  // Waits until every record handed over is written; raises what writing
  // one raised.
  void Finish();

 private:
  using Batch = std::vector<Record>;

  void HandOver();
  void Work();
  void RaiseFailure();

  files::FileWriter& writer_;
  Batch filling_;
  std::size_t filled_ = 0;
  std::mutex mutex_;
  std::condition_variable changed_;
  // Batches handed over, with their sizes, oldest first; and spent ones.
  std::deque<std::pair<Batch, std::size_t>> waiting_;
  std::vector<Batch> spare_;
  bool writing_ = false;  // the thread holds a batch
  bool stopping_ = false;
  std::exception_ptr failure_;
  std::vector<std::string_view> views_;  // the thread's
  std::thread thread_;                   // last: it uses the members above
};

}  // namespace koord::cli
