#include "cli/FileInputs.h"

#include <stdexcept>
#include <utility>

#include "cli/Fatal.h"
#include "cli/Say.h"
#include "engine/Kind.h"
#include "files/FileError.h"
#include "files/RecordLines.h"

namespace koord::cli {
namespace {

// Bytes of lines gathered before they are fed to the run.
constexpr std::size_t kBlockSize = 1 << 16;
// Entries of the queue to start with; it grows when a run holds more.
constexpr std::size_t kFirstQueueSize = 64;

// "EPSG:4326 (deg, WGS84)": a system, and what koord-cli calls it.
std::string SystemText(const files::CoordSystem& system) {
  std::string text = system.epsg != 0 ? "EPSG:" + std::to_string(system.epsg) + " " : "";
  text += "(";
  text += Describe(system.kind).cliName;
  text += ", ";
  text += EntryOf(kDatumTable, system.datum).code;
  text += ")";
  return text;
}

}  // namespace

FileInputs::FileInputs(const Options& options, const FilePlan& plan, bool keepRecords)
    : choices_(options.choices),
      keepRecords_(keepRecords),
      names_(options.inputs),
      queue_(kFirstQueueSize) {
  const files::ReadOptions read{options.sheet, options.layer};
  readers_.resize(plan.inputs.size());
  for (std::size_t i = 0; i < plan.inputs.size(); ++i) {
    if (!plan.inputs[i]) continue;
    try {
      readers_[i] = std::make_unique<files::FileReader>(names_[i], read, *plan.inputs[i]);
    } catch (const files::FileError& error) {
      throw Fatal(error.Text(Spoken()));
    }
  }
  SettleSystem(options);
}

FileInputs::~FileInputs() = default;

bool FileInputs::IsPointLayer(std::size_t i) const {
  return readers_[i] && readers_[i]->HasGeometry();
}

RunSummary FileInputs::InRecords(RunSummary summary) const {
  for (std::optional<RunSummary::Place>* place : {&summary.firstRefused, &summary.firstFar}) {
    if (*place) (*place)->number = RecordNumber((*place)->text, (*place)->number);
  }
  return summary;
}

const std::vector<std::string>& FileInputs::FieldNames(std::size_t i) const {
  return readers_.at(i)->FieldNames();
}

// The layers' points are in their system, whatever -f says: one that the
// user gave otherwise, or another layer's, is an error rather than a
// silent choice. A layer without a system is read as -f says, in the kinds
// whose numbers need nothing more (UTM would need its zone).
void FileInputs::SettleSystem(const Options& options) {
  static constexpr Translated kContradicts{"%1 ne va pas avec « %2 », en %3",
                                           "%1 past niet bij “%2”, in %3",
                                           "%1 does not match “%2”, in %3"};
  static constexpr Translated kTwoSystems{
      "« %1 », en %2, et « %3 », en %4, ne se convertissent pas ensemble",
      "“%1”, in %2, en “%3”, in %4, worden niet samen omgezet",
      "“%1”, in %2, and “%3”, in %4, cannot be converted together"};
  static constexpr Translated kNoSystem{
      "« %1 » ne dit pas le système de ses points : -f lambert, lambert2008 ou deg le dit",
      "“%1” zegt niet in welk stelsel zijn punten staan: -f lambert, lambert2008 of deg zegt het",
      "“%1” does not say the system of its points: -f lambert, lambert2008 or deg says it"};
  std::optional<std::size_t> settled;
  for (std::size_t i = 0; i < readers_.size(); ++i) {
    if (!IsPointLayer(i) || !readers_[i]->System()) continue;
    const files::CoordSystem& system = *readers_[i]->System();
    const std::string text = SystemText(system);
    if (options.fromGiven && system.kind != choices_.coorFrom) {
      const std::string given = "-f " + std::string(Describe(choices_.coorFrom).cliName);
      throw UsageError(Say(kContradicts, {given, names_[i], text}));
    }
    if (options.datumFromGiven && system.datum != choices_.datumFrom) {
      const std::string given =
          "--datum-from " + std::string(EntryOf(kDatumTable, choices_.datumFrom).code);
      throw UsageError(Say(kContradicts, {given, names_[i], text}));
    }
    if (settled && (system.kind != system_.kind || system.datum != system_.datum)) {
      throw UsageError(Say(kTwoSystems, {names_[*settled], SystemText(system_), names_[i], text}));
    }
    if (!settled) system_ = system;
    settled = i;
  }
  if (settled) {
    choices_.coorFrom = system_.kind;
    choices_.datumFrom = system_.datum;
  } else {
    system_ = {0, choices_.coorFrom, choices_.datumFrom};
  }
  for (std::size_t i = 0; i < readers_.size(); ++i) {
    if (!IsPointLayer(i) || readers_[i]->System()) continue;
    const CoordKind kind = choices_.coorFrom;
    if (kind != CoordKind::Lambert && kind != CoordKind::Lambert2008 &&
        kind != CoordKind::Degrees) {
      throw UsageError(Say(kNoSystem, {names_[i]}));
    }
  }
}

QueuedLine& FileInputs::Queue(std::size_t text, std::uint64_t number, std::uint64_t record) {
  if (count_ == queue_.size()) {
    // Full: the ring unrolled into one twice its size.
    std::vector<QueuedLine> larger(queue_.size() * 2);
    for (std::size_t k = 0; k < count_; ++k) {
      larger[k] = std::move(queue_[(first_ + k) % queue_.size()]);
    }
    queue_ = std::move(larger);
    first_ = 0;
  }
  QueuedLine& line = queue_[(first_ + count_) % queue_.size()];
  ++count_;
  line.text = text;
  line.number = number;
  line.record = record;
  line.refusal.clear();
  line.cells.clear();
  line.line.clear();
  return line;
}

const QueuedLine& FileInputs::Take(const LineResult& result) {
  if (count_ == 0) throw std::logic_error("an outcome for a line that was not fed");
  std::swap(taken_, queue_[first_]);
  first_ = (first_ + 1) % queue_.size();
  --count_;
  if (taken_.text != result.text || taken_.number != result.number) {
    throw std::logic_error("outcomes out of step with the lines fed");
  }
  return taken_;
}

bool FileInputs::Add(std::string_view line, BatchRun& run) {
  block_ += line;
  block_ += '\n';
  if (block_.size() < kBlockSize) return true;
  const bool going = run.Feed(block_);
  block_.clear();
  return going;
}

bool FileInputs::FeedItself(std::size_t i, BatchRun& run) {
  if (!readers_[i]) return false;
  block_.clear();
  try {
    if (IsPointLayer(i) ? FeedLayer(i, run) : FeedWorkbook(i, run)) run.Feed(block_);
  } catch (const files::FileError& error) {
    throw Fatal(error.Text(Spoken()));
  }
  block_.clear();
  run.EndText();
  return true;
}

// The first row, names or a first point, then a line per row: the line
// numbers are the rows'.
bool FileInputs::FeedWorkbook(std::size_t i, BatchRun& run) {
  files::FileReader& reader = *readers_[i];
  files::RecordLines lines(reader, system_, choices_.language);
  std::uint64_t number = 1;
  if (keepRecords_) Queue(i, number, number).cells = reader.FieldNames();
  if (!Add(lines.First(), run)) return false;
  while (reader.Next(record_)) {
    ++number;
    if (keepRecords_) Queue(i, number, number).cells = record_.cells;
    if (!Add(lines.Of(record_), run)) return false;
  }
  return true;
}

// A header naming the kind's coordinates, so that the output has one too,
// then a line per record, numbered from the header's.
bool FileInputs::FeedLayer(std::size_t i, BatchRun& run) {
  files::FileReader& reader = *readers_[i];
  files::RecordLines lines(reader, system_, choices_.language);
  Queue(i, 1, 0);
  if (!Add(lines.First(), run)) return false;
  std::uint64_t record = 0;
  while (reader.Next(record_)) {
    ++record;
    QueuedLine& queued = Queue(i, record + 1, record);
    if (keepRecords_) queued.cells = record_.cells;
    if (!record_.point) queued.refusal = record_.RefusalText(choices_.language);
    if (!Add(lines.Of(record_), run)) return false;
  }
  return true;
}

void FileInputs::Block(std::size_t i, std::string_view block) {
  if (!keepRecords_) return;
  lines_.Feed(block, [this, i](const SplitLine& line) {
    ++lineNumber_;
    Queue(i, lineNumber_, lineNumber_).line = line.text;
    return true;
  });
}

void FileInputs::End(std::size_t i) {
  if (!keepRecords_) return;
  lines_.Finish([this, i](const SplitLine& line) {
    ++lineNumber_;
    Queue(i, lineNumber_, lineNumber_).line = line.text;
    return true;
  });
  lines_ = LineSplitter();
  lineNumber_ = 0;
}

}  // namespace koord::cli
