#include "cli/Convert.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/Fatal.h"
#include "cli/InputLines.h"
#include "cli/MapPng.h"
#include "cli/OutputFile.h"
#include "cli/ParallelConverter.h"
#include "engine/LineConverter.h"

namespace koord::cli {
namespace {

// Exit statuses of a run that got to its end.
constexpr int kAllConverted = 0;
constexpr int kSomeRefused = 1;

bool IsRefused(const LineOutcome& outcome) {
  return outcome.status == LineStatus::Refused || outcome.status == LineStatus::Fault;
}

void ReportRefusal(std::uint64_t number, const std::string& reason) {
  std::string message;
  AppendRefusal(message, number, reason);
  std::fwrite(message.data(), 1, message.size(), stderr);
}

// Writing over an input would destroy it before it is read.
void RefuseOutputOverInput(const Options& options) {
  for (const std::string& input : options.inputs) {
    std::error_code ignored;
    if (input != "-" && std::filesystem::equivalent(input, options.output, ignored)) {
      throw UsageError("le fichier de sortie « " + options.output +
                       " » est aussi un fichier d'entrée");
    }
  }
}

}  // namespace

int ConvertToText(const Options& options) {
  if (!options.output.empty()) RefuseOutputOverInput(options);
  OutputFile output(options.output);
  int status = kAllConverted;
  ParallelConverter converter(options.choices, ConverterThreads(), [&](const Batch& batch) {
    if (batch.refused) {
      std::fwrite(batch.messages.data(), 1, batch.messages.size(), stderr);
      status = kSomeRefused;
    }
    output.Write(batch.output);
  });
  ForEachInputLine(options.inputs, [&](std::uint64_t number, std::string_view line,
                                       bool tooLong, bool mayBeHeader) {
    converter.Add(number, line, tooLong, mayBeHeader);
  });
  converter.Finish();
  output.Close();
  return status;
}

int PlotToMap(const Options& options) {
  LineConverter converter(options.choices, RunOutput::Map);
  std::vector<MapPoint> points;
  int status = kAllConverted;
  ForEachInputLine(options.inputs, [&](std::uint64_t number, std::string_view line,
                                       bool tooLong, bool mayBeHeader) {
    const LineOutcome& outcome = converter.Convert(line, tooLong, mayBeHeader);
    if (IsRefused(outcome)) {
      ReportRefusal(number, outcome.why);
      status = kSomeRefused;
    } else if (outcome.status == LineStatus::Converted) {
      points.push_back({outcome.x, outcome.y});
    }
  });
  WriteMapPng(points, options.map, options.mapWidth, options.mapHeight, options.mapGrid);
  return status;
}

}  // namespace koord::cli
