#pragma once
// The temporary file of a run, which must not outlive it: SIGINT, SIGTERM,
// SIGHUP and SIGQUIT remove it, then end the process as the signal would
// have (status 128 + signal). A signal that the caller of koord-cli
// ignores (nohup, a background job) stays ignored.
//
// The handler only unlinks a path prepared beforehand and raises the
// signal again, both safe in a signal handler, on whichever thread the
// signal lands.

#include <string>

namespace koord::cli {

// Creates a new file from `pattern`, whose last six characters are
// XXXXXX and become its name's; returns its descriptor, or -1 with errno.
// Until ForgetTemporaryFile, the signals above remove it. One at a time.
int CreateTemporaryFile(std::string& pattern);

// The file has been renamed or removed: the signals leave it alone.
void ForgetTemporaryFile();

}  // namespace koord::cli
