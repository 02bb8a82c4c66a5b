#include "app/data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "app/os_error.h"
#include "events/event_store.h"

namespace giornaro::app {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFolderName = "giornaro";

// Anything named lune.dat counts: a folder or a pipe of that name is the
// folder's own store gone wrong, and opening it says so.
bool is_file(const fs::path& path) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path, ignored));
}

// $XDG_DATA_HOME when it is an absolute path (the base directory rules ignore
// a relative one), else ~/.local/share.
fs::path xdg_data_home(const DataFolderInputs& inputs) {
  if (!inputs.xdg_data_home.empty() && fs::path(inputs.xdg_data_home).is_absolute()) {
    return inputs.xdg_data_home;
  }
  if (inputs.home.empty()) return {};
  return fs::path(inputs.home) / ".local" / "share";
}

std::string quoted(const fs::path& path) {
  return "\"" + path.string() + "\"";
}

// The store of `folder`: its own lune.dat, else the installed one.
fs::path store_for(const fs::path& folder, const DataFolderInputs& inputs) {
  const fs::path own = folder / events::kStoreFileName;
  return is_file(own) ? own : inputs.installed_store;
}

}  // namespace

DataFolder plan_data_folder(const DataFolderInputs& inputs) {
  DataFolder plan;
  if (inputs.chosen) {
    plan.source = DataFolder::Source::Chosen;
    plan.folder = fs::absolute(*inputs.chosen);
  } else if (is_file(inputs.current / events::kStoreFileName)) {
    plan.source = DataFolder::Source::Current;
    plan.folder = inputs.current;
  } else {
    plan.source = DataFolder::Source::Xdg;
    const fs::path base = xdg_data_home(inputs);
    if (base.empty()) {
      plan.error =
          "Non so dove tenere i file dell'utente: né XDG_DATA_HOME né HOME sono impostate "
          "(usare --cartella).";
      return plan;
    }
    plan.folder = base / kFolderName;
  }
  plan.store = store_for(plan.folder, inputs);
  return plan;
}

DataFolder prepare_data_folder(const DataFolderInputs& inputs) {
  DataFolder folder = plan_data_folder(inputs);
  if (!folder.error.empty()) return folder;

  std::error_code error;
  const bool exists = fs::exists(folder.folder, error);
  if (folder.source == DataFolder::Source::Chosen && !exists) {
    folder.error = "La cartella " + quoted(folder.folder) + " indicata con --cartella non esiste.";
    return folder;
  }
  if (!exists) {
    fs::create_directories(folder.folder, error);
    if (error) {
      folder.error = "Impossibile creare la cartella dei dati " + quoted(folder.folder) + ": " +
                     os_error_text(error.value()) + ".";
      return folder;
    }
  }
  if (!fs::is_directory(folder.folder, error)) {
    folder.error = "La cartella dei dati " + quoted(folder.folder) + " non è una cartella.";
    return folder;
  }
  if (access(folder.folder.c_str(), W_OK | X_OK) != 0) {
    folder.error = "Nella cartella dei dati " + quoted(folder.folder) +
                   " non si può scrivere: " + os_error_text(errno) + ".";
    return folder;
  }
  if (!is_file(folder.store)) {
    folder.error = "Manca l'archivio dei fatti e dei nati " + quoted(folder.store) +
                   " (né la cartella dei dati né l'installazione ne hanno uno).";
    return folder;
  }
  return folder;
}

DataFolderInputs data_folder_inputs(std::optional<std::filesystem::path> chosen,
                                    const std::filesystem::path& relative_data_dir) {
  DataFolderInputs inputs;
  std::error_code error;
  inputs.current = fs::current_path(error);
  inputs.chosen = std::move(chosen);
  if (const char* value = std::getenv("XDG_DATA_HOME")) inputs.xdg_data_home = value;
  if (const char* value = std::getenv("HOME"); value && *value) {
    inputs.home = value;
  } else if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) {
    inputs.home = user->pw_dir;
  }
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    inputs.installed_store =
        (program.parent_path() / relative_data_dir / events::kStoreFileName).lexically_normal();
  }
  return inputs;
}

}  // namespace giornaro::app
