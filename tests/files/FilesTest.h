#pragma once
// What the file layer's tests share: a scratch folder per test, GDAL's
// own programs run and their output read.

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace koord::files::test {

namespace fs = std::filesystem;

// An empty folder of the running test's own, so that tests run side by side.
inline fs::path ScratchFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  const fs::path folder = fs::path(KOORD_FILES_WORK) / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// The standard output of a shell command, and whether it succeeded.
struct Run {
  std::string out;
  bool ok;
};
inline Run RunCommand(const std::string& command) {
  Run run{{}, false};
  FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    run.out.append(buffer.data(), n);
  run.ok = ::pclose(pipe) == 0;
  return run;
}

inline std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A feature as ogrinfo prints it: its fields (null ones left out) and the
// numbers of its geometry.
struct OgrFeature {
  std::map<std::string, std::string> fields;
  std::string geometryType;
  std::vector<double> numbers;
};

struct OgrLayer {
  int epsg = 0;
  std::vector<OgrFeature> features;
};

// Reads one layer of a file with ogrinfo.
inline OgrLayer OgrInfo(const fs::path& file, const std::string& layer = {}) {
  const std::string command = "ogrinfo -ro " +
                              (layer.empty() ? std::string("-al") : std::string()) + " '" +
                              file.string() + "' " + layer;
  const Run run = RunCommand(command);
  EXPECT_TRUE(run.ok) << command;
  OgrLayer result;
  const std::regex field(R"re(^  (\S+) \(\w+\) = (.*)$)re");
  const std::regex geometry(R"re(^  ((?:MULTI)?(?:POINT|POLYGON|LINESTRING)(?: Z)?) \((.*)\)$)re");
  const std::regex number(R"re(-?\d+(?:\.\d+)?(?:e[-+]?\d+)?)re");
  std::istringstream lines(run.out);
  std::string line;
  std::string srs;
  bool inFeatures = false;
  while (std::getline(lines, line)) {
    std::smatch match;
    if (line.starts_with("OGRFeature(")) {
      inFeatures = true;
      result.features.emplace_back();
      continue;
    }
    if (!inFeatures) {
      srs += line + "\n";
      continue;
    }
    if (std::regex_match(line, match, field)) {
      if (match[2] != "(null)") result.features.back().fields[match[1]] = match[2];
    } else if (std::regex_match(line, match, geometry)) {
      result.features.back().geometryType = match[1];
      const std::string numbers = match[2];
      for (auto it = std::sregex_iterator(numbers.begin(), numbers.end(), number);
           it != std::sregex_iterator(); ++it) {
        result.features.back().numbers.push_back(std::stod(it->str()));
      }
    }
  }
  // The layer's system is the last identifier of its definition.
  std::smatch match;
  std::string::const_iterator from = srs.cbegin();
  const std::regex anyEpsg(R"re(ID\["EPSG",(\d+)\])re");
  while (std::regex_search(from, srs.cend(), match, anyEpsg)) {
    result.epsg = std::stoi(match[1]);
    from = match.suffix().first;
  }
  return result;
}

}  // namespace koord::files::test
