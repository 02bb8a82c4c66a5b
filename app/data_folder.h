// Where the user's files live and which event store the sheet reads.
//
//   --cartella DIR          DIR, which must exist;
//   otherwise, when the current folder holds lune.dat, the current folder
//                           (the source tree's build/run, tests, a portable copy);
//   otherwise               $XDG_DATA_HOME/giornaro (~/.local/share/giornaro),
//                           created on first use.
//
// luogo.txt and NewData.txt are kept in that folder. The store is the
// folder's own lune.dat when it holds one, else the store installed with the
// program. Nothing is ever moved or copied between folders.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace giornaro::app {

struct DataFolderInputs {
  std::filesystem::path current;                // the process's current folder
  std::optional<std::filesystem::path> chosen;  // --cartella
  std::string xdg_data_home;                    // $XDG_DATA_HOME, empty when unset
  std::string home;                             // $HOME (or the password database's home)
  std::filesystem::path installed_store;        // <prefix>/share/giornaro/lune.dat
};

struct DataFolder {
  enum class Source { Chosen, Current, Xdg };
  Source source = Source::Current;
  std::filesystem::path folder;  // holds luogo.txt and NewData.txt
  std::filesystem::path store;   // the lune.dat the sheet reads
  // One Italian sentence when the folder or the store cannot be used; empty
  // when both are fine.
  std::string error;
};

// The folder the inputs select and the store it implies, without touching
// the file system beyond looking (nothing is created): what --help reports.
DataFolder plan_data_folder(const DataFolderInputs& inputs);

// The same, and makes it usable: creates the XDG folder when missing (its
// parents too) and checks that the folder can be written and that the store
// exists. On failure `error` says what is wrong.
DataFolder prepare_data_folder(const DataFolderInputs& inputs);

// The inputs from this process: its current folder, the environment, and the
// store installed at `relative_data_dir` from the folder of the running
// executable (the build gives each program its own relative path).
DataFolderInputs data_folder_inputs(std::optional<std::filesystem::path> chosen,
                                    const std::filesystem::path& relative_data_dir);

}  // namespace giornaro::app
