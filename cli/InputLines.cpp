#include "cli/InputLines.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <memory>

#include "cli/Fatal.h"
#include "engine/LineSplitter.h"

namespace koord::cli {
namespace {

// Bytes read at a time.
constexpr std::size_t kBlockSize = 1 << 16;

struct FileCloser {
  void operator()(std::FILE* file) const {
    if (file != stdin) std::fclose(file);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenInput(const std::string& name) {
  if (name == "-") return File(stdin);
  File file(std::fopen(name.c_str(), "rb"));
  if (!file) {
    throw Fatal("impossible d'ouvrir « " + name + " » : " + FileProblem(errno));
  }
  return file;
}

}  // namespace

std::string FileProblem(int error) {
  switch (error) {
    case ENOENT: return "fichier introuvable";
    case EACCES: return "accès refusé";
    case EISDIR: return "c'est un dossier";
    case ENOSPC: return "disque plein";
    default: return "erreur système " + std::to_string(error);
  }
}

void ForEachInputLine(const std::vector<std::string>& inputs, const OnInputLine& onLine) {
  std::uint64_t number = 0;
  bool seenText = false;  // in the file being read
  const auto deliver = [&](std::string_view line, bool tooLong) {
    const bool mayBeHeader = !seenText && !IsBlank(line);
    seenText = seenText || !IsBlank(line);
    onLine(++number, line, tooLong, mayBeHeader);
    return true;
  };
  std::string block(kBlockSize, '\0');
  for (const std::string& name : inputs) {
    const File file = OpenInput(name);
    LineSplitter lines;
    seenText = false;
    for (;;) {
      const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
      lines.Feed(std::string_view(block.data(), got), deliver);
      if (got < block.size()) break;
    }
    if (std::ferror(file.get())) {
      throw Fatal("erreur de lecture de « " + name + " » : " + FileProblem(errno));
    }
    lines.Finish(deliver);
  }
}

}  // namespace koord::cli
