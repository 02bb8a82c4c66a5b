// Test helper: runs a command line through bash in a folder and keeps its
// exit status, standard output and standard error apart (in a folder of their
// own, so the command's folder holds only what the command wrote).
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/temp_folder.h"

namespace giornaro::test_support {

struct ProgramRun {
  int status;  // exit status, or 128 + signal
  std::string out;
  std::string err;
};

// Runs `command` in `folder`; `environment` is put before it (VAR=value ...
// or -u VAR ...). The command must not hold double quotes.
inline ProgramRun run_program(const std::string& command, const std::filesystem::path& folder,
                              const std::string& environment = "") {
  TempFolder streams;
  const std::string full = "cd '" + folder.string() + "' && { env " + environment +
                           " ASAN_OPTIONS=verify_asan_link_order=0 " + command + "; } >'" +
                           (streams / "out").string() + "' 2>'" + (streams / "err").string() + "'";
  const int status = std::system(("bash -c \"" + full + "\"").c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), streams.read("out"),
          streams.read("err")};
}

}  // namespace giornaro::test_support
