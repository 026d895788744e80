// Replays fuzz cases without libFuzzer: each argument is a case file or a
// folder of them. A finding aborts, as it does under the fuzzer, so a crash
// file from `make fuzz` reproduces with
//   build/bin/fuzz-replay-<target> crash-file

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CaseFiles(const fs::path& argument) {
  std::vector<fs::path> files;
  std::error_code error;
  if (fs::is_directory(argument, error)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
  } else {
    files.push_back(argument);
  }
  return files;
}

bool Replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "impossible de lire « %s »\n", file.c_str());
    return false;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage : %s CAS_OU_DOSSIER...\n", argv[0]);
    return 2;
  }
  std::size_t replayed = 0;
  bool readable = true;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& file : CaseFiles(argv[i])) {
      readable = Replay(file) && readable;
      ++replayed;
    }
  }
  std::printf("%zu cas rejoués\n", replayed);
  return readable ? 0 : 1;
}
