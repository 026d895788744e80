#include "files/Writeback.h"

#include <fcntl.h>
#include <unistd.h>

namespace koord::files {

Writeback::Writeback(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW)) {}

Writeback::~Writeback() {
  if (fd_ >= 0) ::close(fd_);
}

void Writeback::Start() const {
  // The pages of a file are the same whichever descriptor names it.
  if (fd_ >= 0) ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
}

}  // namespace koord::files
