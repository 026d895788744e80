#pragma once
// The temporary file of a run, which must not outlive it: SIGINT, SIGTERM,
// SIGHUP and SIGQUIT remove it, then end the process as the signal would
// have (status 128 + signal). A signal that the caller of koord-cli
// ignores (nohup, a background job) stays ignored.
//
// The handler only unlinks paths prepared beforehand (and lists a folder
// with the system call itself) and raises the signal again, all safe in a
// signal handler, on whichever thread the signal lands.

#include <csignal>
#include <string>

namespace koord::cli {

// Creates a new file from `pattern`, whose last six characters are
// XXXXXX and become its name's; returns its descriptor, or -1 with errno.
// Until ForgetTemporaryFile, the signals above remove it. One at a time.
int CreateTemporaryFile(std::string& pattern);

// The file has been renamed or removed: the signals leave it alone.
void ForgetTemporaryFile();

// The same for a folder of new files (a file of another program, written by
// the file layer beside its target): until ForgetTemporaryFolder, the
// signals remove the files in it, then the folder. Call it with the
// signals held (EndingSignalsHeld) from before the folder is made, so that
// no signal comes between the two. One at a time.
void WatchTemporaryFolder(const std::string& folder);
void ForgetTemporaryFolder();

// Holds the ending signals back on this thread while it lives; one that
// comes meanwhile is handled when it ends.
class EndingSignalsHeld {
 public:
  EndingSignalsHeld();
  ~EndingSignalsHeld();
  EndingSignalsHeld(const EndingSignalsHeld&) = delete;
  EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace koord::cli
