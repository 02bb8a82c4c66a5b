#include "app/data_folder.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace giornaro::app {
namespace {

namespace fs = std::filesystem;
using test_support::put_bytes;
using test_support::TempFolder;

// A machine: a current folder, a home, an installed store, and optionally an
// XDG_DATA_HOME, all inside one temporary folder.
struct Machine {
  TempFolder root;
  fs::path current = root / "cwd";
  fs::path home = root / "home";
  fs::path installed = root / "usr/share/giornaro/lune.dat";
  Machine() {
    fs::create_directories(current);
    fs::create_directories(home);
    fs::create_directories(installed.parent_path());
    put_bytes(installed, "installed");
  }
  DataFolderInputs inputs(std::string xdg = "", std::optional<fs::path> chosen = {}) const {
    return {current, std::move(chosen), std::move(xdg), home.string(), installed};
  }
};

TEST(DataFolder, ChoiceOfFolderAndStore) {
  Machine m;
  const fs::path xdg = m.root / "xdg";
  const fs::path default_xdg = m.home / ".local/share/giornaro";
  struct Case {
    const char* why;
    std::function<void()> arrange;
    DataFolderInputs inputs;
    DataFolder::Source source;
    fs::path folder;
    fs::path store;
  } cases[] = {
      {"no store here, no XDG_DATA_HOME: ~/.local/share/giornaro", [] {}, m.inputs(),
       DataFolder::Source::Xdg, default_xdg, m.installed},
      {"XDG_DATA_HOME set", [] {}, m.inputs(xdg.string()), DataFolder::Source::Xdg,
       xdg / "giornaro", m.installed},
      {"a relative XDG_DATA_HOME is ignored", [] {}, m.inputs("relative/data"),
       DataFolder::Source::Xdg, default_xdg, m.installed},
      {"the XDG folder's own store",
       [&] {
         fs::create_directories(xdg / "giornaro");
         put_bytes(xdg / "giornaro/lune.dat", "own");
       },
       m.inputs(xdg.string()), DataFolder::Source::Xdg, xdg / "giornaro",
       xdg / "giornaro/lune.dat"},
      {"--cartella without a store", [] {}, m.inputs(xdg.string(), m.root / "mine"),
       DataFolder::Source::Chosen, m.root / "mine", m.installed},
      {"a store in the current folder: the folder as it is",
       [&] { put_bytes(m.current / "lune.dat", "portable"); }, m.inputs(xdg.string()),
       DataFolder::Source::Current, m.current, m.current / "lune.dat"},
      {"--cartella wins over the current folder's store",
       [&] {
         fs::create_directories(m.root / "mine");
         put_bytes(m.root / "mine/lune.dat", "mine");
       },
       m.inputs(xdg.string(), m.root / "mine"), DataFolder::Source::Chosen, m.root / "mine",
       m.root / "mine/lune.dat"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.why);
    c.arrange();
    const DataFolder plan = plan_data_folder(c.inputs);
    EXPECT_EQ(plan.source, c.source);
    EXPECT_EQ(plan.folder, c.folder);
    EXPECT_EQ(plan.store, c.store);
    EXPECT_EQ(plan.error, "");
  }
  EXPECT_FALSE(fs::exists(default_xdg)) << "planning creates nothing";
}

TEST(DataFolder, PreparingCreatesTheXdgFolderOnly) {
  Machine m;
  const DataFolder folder = prepare_data_folder(m.inputs());
  EXPECT_EQ(folder.error, "");
  EXPECT_TRUE(fs::is_directory(m.home / ".local/share/giornaro"));
  EXPECT_TRUE(fs::is_empty(m.home / ".local/share/giornaro"));
  EXPECT_TRUE(fs::is_empty(m.current)) << "nothing is scattered in the current folder";
}

TEST(DataFolder, UnusableFoldersAndStoresAreOneMessage) {
  struct Case {
    const char* why;
    std::function<DataFolderInputs(Machine&)> arrange;
    const char* message_part;
  } cases[] = {
      {"--cartella that does not exist", [](Machine& m) { return m.inputs("", m.root / "gone"); },
       "non esiste"},
      {"--cartella that is a file",
       [](Machine& m) {
         put_bytes(m.root / "file", "");
         return m.inputs("", m.root / "file");
       },
       "non è una cartella"},
      {"XDG_DATA_HOME under a file: the folder cannot be made",
       [](Machine& m) {
         put_bytes(m.root / "file", "");
         return m.inputs((m.root / "file/data").string());
       },
       "Impossibile creare la cartella dei dati"},
      {"no installed store and none of the folder's own",
       [](Machine& m) {
         fs::remove(m.installed);
         return m.inputs();
       },
       "Manca l'archivio"},
      {"neither XDG_DATA_HOME nor HOME",
       [](Machine& m) {
         auto inputs = m.inputs();
         inputs.home.clear();
         return inputs;
       },
       "--cartella"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Machine m;
    const DataFolder folder = prepare_data_folder(c.arrange(m));
    EXPECT_NE(folder.error.find(c.message_part), std::string::npos) << folder.error;
    EXPECT_EQ(folder.error.find('\n'), std::string::npos);
  }
}

}  // namespace
}  // namespace giornaro::app
