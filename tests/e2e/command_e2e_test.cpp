// The giornaro command from outside: the real program in temporary folders,
// with the environment a user would give it. Covers the options, the choice
// of the data folder, the terminal output, the failures it must report, and
// that the printed sheet never loads the window toolkit.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "events/event_store.h"
#include "tests/support/program_run.h"
#include "tests/support/temp_folder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using giornaro::events::StoreTable;
using giornaro::test_support::file_bytes;
using giornaro::test_support::put_bytes;
using giornaro::test_support::TempFolder;

const std::string kGiornaro = GIORNARO_EXE;
const std::string kWindow = GIORNARO_WINDOW_EXE;

using Result = giornaro::test_support::ProgramRun;

Result run(const std::string& command, const fs::path& folder,
           const std::string& environment = "") {
  return giornaro::test_support::run_program(command, folder, environment);
}

std::string giornaro(const std::string& arguments) {
  return "'" + kGiornaro + "' " + arguments;
}

// A store whose only fact, on 25 April 1945, says where the store came from.
void put_store(const fs::path& file, const std::string& origin) {
  const StoreTable facts{"OGGI", {"Data", "dato", "Tipo"}, {{"25/04/1945", "- " + origin, "*"}}};
  const StoreTable births{"NATI",
                          {"Data", "nome", "noto", "cosa"},
                          {{"25/04/1874", "Guglielmo Marconi", "inventore", ""}}};
  giornaro::events::write_store(file, {facts, births});
}

// The program as installed under `prefix`: bin/giornaro and the store in
// share/giornaro (the relative path the build gives the program).
struct Installed {
  TempFolder prefix;
  fs::path program = prefix / "bin/giornaro";
  Installed() {
    fs::create_directories(program.parent_path());
    fs::copy_file(kGiornaro, program);
    const fs::path store = (program.parent_path() / GIORNARO_DATA_FROM_BIN / "lune.dat");
    fs::create_directories(store.parent_path());
    put_store(store, "archivio installato");
  }
  std::string command(const std::string& arguments) const {
    return "'" + program.string() + "' " + arguments;
  }
};

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::vector<std::string> entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

bool have(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(Command, PrintedSheetLoadsNoWindowToolkit) {
  TempFolder folder;
  put_store(folder / "lune.dat", "qui");
  for (const std::string arguments :
       {"--text", "--json", "--help", "--luoghi", "--json --date 2026-04-25 --luogo milano"}) {
    SCOPED_TRACE(arguments);
    const Result r = run(giornaro(arguments), folder.path(), "LD_DEBUG=libs DISPLAY=");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.err, "calling init: ")) << "the loader reports what it loads";
    EXPECT_FALSE(contains(r.err, "libQt")) << r.err;
  }
  // The same check on the window program does see the toolkit.
  const Result window = run("'" + kWindow + "' --nessuna", folder.path(), "LD_DEBUG=libs");
  EXPECT_EQ(window.status, 2);
  EXPECT_TRUE(contains(window.err, "libQt6Widgets")) << window.err;
}

TEST(Command, DateGivesTheSheetOfThatDayUnderAFakedClock) {
  if (!have("faketime")) GTEST_SKIP() << "faketime is not installed";
  TempFolder folder;
  put_store(folder / "lune.dat", "qui");
  put_bytes(folder / "luogo.txt", "MILANO\r\n");
  put_bytes(folder / "NewData.txt", "25/04/2000*Nozze      *Festa\r\n29/02/2024*Lutti      *x\r\n");
  for (const auto& [iso, italian] :
       std::vector<std::pair<std::string, std::string>>{{"2026-04-25", "25/04/2026"},
                                                        {"2024-02-29", "29/02/2024"},
                                                        {"2000-01-01", "1/1/2000"},
                                                        {"1968-02-25", "25/2/1968"}}) {
    SCOPED_TRACE(iso);
    const Result faked =
        run("faketime '" + iso + " 12:00:00' " + giornaro("--json"), folder.path());
    const Result dated = run(giornaro("--json --date " + iso), folder.path());
    const Result other_form = run(giornaro("--date=" + italian + " --json"), folder.path());
    ASSERT_EQ(faked.status, 0) << faked.err;
    EXPECT_EQ(dated.status, 0) << dated.err;
    EXPECT_EQ(dated.out, faked.out);
    EXPECT_EQ(other_form.out, faked.out);
  }
  const Result text = run(giornaro("--date 2026-04-25"), folder.path());
  EXPECT_TRUE(contains(text.out, "Liberazione")) << text.out;
  EXPECT_TRUE(contains(text.out, "> 1945 - AVVENIMENTI (81 ANNI AD OGGI)  (Mercoledì)"))
      << text.out;
}

TEST(Command, WrongDatesAndPlacesAreRefusedWithExitStatus2) {
  TempFolder folder;
  put_store(folder / "lune.dat", "qui");
  struct Case {
    const char* arguments;
    const char* message;
  } cases[] = {
      {"--date 2025-02-29", "La data \"2025-02-29\" non esiste"},
      {"--text --date 31/04/2026", "non esiste"},
      {"--date 2026-13-01", "i mesi vanno da 1 a 12"},
      {"--date 0-01-01", "AAAA-MM-GG o GG/MM/AAAA"},
      {"--date domani", "AAAA-MM-GG o GG/MM/AAAA"},
      {"--luogo TOKYO", "giornaro --luoghi"},
      {"--text --json", "non vanno insieme"},
      {"--colori", "Opzione sconosciuta"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Result r = run(giornaro(c.arguments), folder.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(contains(r.err, c.message)) << r.err;
  }
  EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"lune.dat"});
}

TEST(Command, PlaceForThisRunOnly) {
  TempFolder folder;
  put_store(folder / "lune.dat", "qui");
  put_bytes(folder / "luogo.txt", "MILANO\r\n");
  const Result saved = run(giornaro("--json --date 2026-04-25"), folder.path());
  put_bytes(folder / "luogo.txt", "TORINO\r\n");
  const Result chosen = run(giornaro("--json --date 2026-04-25 --luogo milano"), folder.path());
  EXPECT_EQ(chosen.status, 0) << chosen.err;
  EXPECT_EQ(chosen.out, saved.out) << "as if luogo.txt named the place";
  EXPECT_EQ(nlohmann::json::parse(chosen.out).at("zona"), "MILANO");
  EXPECT_EQ(file_bytes(folder / "luogo.txt"), "TORINO\r\n");

  const Result names = run(giornaro("--luoghi"), folder.path());
  EXPECT_EQ(names.status, 0);
  EXPECT_EQ(std::count(names.out.begin(), names.out.end(), '\n'), 108);
  EXPECT_TRUE(contains(names.out, "\nROMA\n"));
  EXPECT_TRUE(contains(names.out, "\nFORLÌ\n"));
}

// Where the user's files go: the XDG folder from a folder without a store,
// the current folder when it holds one, --cartella when given.
TEST(Command, DataFolderChoice) {
  const Installed installed;
  struct Case {
    const char* why;
    bool store_in_current;
    bool store_in_xdg;
    bool xdg_variable;
    bool chosen;
    const char* files_in;  // "current", "xdg", "home", "chosen"
    const char* store_origin;
  } cases[] = {
      {"from the menu: $XDG_DATA_HOME/giornaro", false, false, true, false, "xdg",
       "archivio installato"},
      {"no XDG_DATA_HOME: ~/.local/share/giornaro", false, false, false, false, "home",
       "archivio installato"},
      {"the XDG folder's own store", false, true, true, false, "xdg", "archivio personale"},
      {"a folder with lune.dat works as it is", true, false, true, false, "current",
       "archivio portatile"},
      {"--cartella", true, false, true, true, "chosen", "archivio installato"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder root;
    const fs::path current = root / "cwd", home = root / "home", xdg = root / "xdg",
                   chosen = root / "chosen";
    for (const auto& f : {current, home, chosen}) fs::create_directories(f);
    if (c.store_in_current) put_store(current / "lune.dat", "archivio portatile");
    if (c.store_in_xdg) {
      fs::create_directories(xdg / "giornaro");
      put_store(xdg / "giornaro/lune.dat", "archivio personale");
    }
    put_bytes(chosen / "luogo.txt", "BARI\r\n");
    const std::string environment = (c.xdg_variable ? "XDG_DATA_HOME='" + xdg.string() + "'"
                                                    : std::string("-u XDG_DATA_HOME")) +
                                    " HOME='" + home.string() + "'";
    const std::string arguments = std::string("--json --date 2026-04-25") +
                                  (c.chosen ? " --cartella " + chosen.string() : "");
    const Result r = run(installed.command(arguments), current, environment);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto sheet = nlohmann::json::parse(r.out);
    EXPECT_TRUE(contains(sheet.at("List1").at(1).at("text"), c.store_origin)) << r.out;

    const std::string where = c.files_in;
    const fs::path folder = where == "current" ? current
                            : where == "xdg"   ? xdg / "giornaro"
                            : where == "home"  ? home / ".local/share/giornaro"
                                               : chosen;
    EXPECT_TRUE(fs::is_regular_file(folder / "NewData.txt"));
    EXPECT_EQ(sheet.at("zona"), where == "chosen" ? "BARI" : "ROMA");
    if (where != "current") {
      EXPECT_EQ(entries(current), std::vector<std::string>(c.store_in_current ? 1 : 0, "lune.dat"))
          << "nothing is scattered in the current folder";
    }
    if (where == "current" || where == "chosen") {
      EXPECT_FALSE(fs::exists(xdg / "giornaro"));
      EXPECT_FALSE(fs::exists(home / ".local"));
    }
  }
}

TEST(Command, UnusableFolderOrStoreIsOneMessageAndExitStatus3) {
  const Installed installed;
  TempFolder root;
  put_bytes(root / "a-file", "");
  fs::create_directories(root / "cwd");
  struct Case {
    const char* why;
    std::string command;
    std::string environment;
    const char* message;
  } cases[] = {
      {"--cartella that does not exist", installed.command("--text --cartella ../gone"),
       "XDG_DATA_HOME=" + (root / "xdg").string(), "non esiste"},
      {"XDG_DATA_HOME that cannot hold a folder", installed.command("--json"),
       "XDG_DATA_HOME=" + (root / "a-file/data").string(), "Impossibile creare la cartella"},
      {"no installed store", giornaro("--text"), "XDG_DATA_HOME=" + (root / "xdg").string(),
       "Manca l'archivio"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const Result r = run(c.command, root / "cwd", c.environment);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(contains(r.err, c.message)) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_TRUE(fs::is_empty(root / "cwd"));
  }
}

TEST(Command, TerminalGetsColourAndItsWidthPipesGetPlainText) {
  if (!have("script")) GTEST_SKIP() << "script (bsdutils) is not installed";
  TempFolder folder;
  put_store(folder / "lune.dat", "qui");
  const std::string sheet = giornaro("--text --date 2026-04-25");
  const std::string in_terminal = "script -qec \\\"stty cols 80; " + sheet + "\\\" /dev/null";
  const Result terminal = run(in_terminal, folder.path(), "-u NO_COLOR");
  EXPECT_TRUE(contains(terminal.out, "\x1b[1m")) << terminal.out;
  EXPECT_TRUE(contains(terminal.out, "  " + std::string(78, '-') + "\r\n")) << terminal.out;
  EXPECT_FALSE(contains(terminal.out, std::string(79, '-')));

  const Result no_color = run(in_terminal, folder.path(), "NO_COLOR=1");
  EXPECT_FALSE(contains(no_color.out, "\x1b[")) << no_color.out;
  EXPECT_TRUE(contains(no_color.out, "  " + std::string(78, '-') + "\r\n"));

  const Result piped = run(sheet, folder.path());
  EXPECT_FALSE(contains(piped.out, "\x1b["));
  EXPECT_TRUE(contains(piped.out, "\n  " + std::string(106, '-') + "\n"));
  EXPECT_TRUE(contains(piped.out, "\n> 1945 - AVVENIMENTI"));
}

// Standard output that takes nothing: a full disk, a closed descriptor, a
// pipe whose reader has gone while SIGPIPE is ignored.
TEST(Command, OutputThatCannotBeWrittenIsAFailure) {
  TempFolder folder;
  put_store(folder / "lune.dat", "qui");
  for (const std::string redirect :
       {"--json >/dev/full", "--text >/dev/full", "--json >&-", "--help >/dev/full"}) {
    SCOPED_TRACE(redirect);
    const Result r = run(giornaro(redirect), folder.path());
    EXPECT_EQ(r.status, 4);
    EXPECT_TRUE(contains(r.err, "standard output")) << r.err;
  }

  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  close(pipe_ends[0]);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder.path().c_str());
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, (folder / "err").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  struct sigaction before {};
  sigaction(SIGPIPE, &ignore, &before);  // an ignored signal stays ignored across exec
  std::vector<char*> argv{const_cast<char*>(kGiornaro.c_str()), const_cast<char*>("--json"),
                          nullptr};
  pid_t child = 0;
  ASSERT_EQ(posix_spawn(&child, kGiornaro.c_str(), &actions, nullptr, argv.data(), environ), 0);
  sigaction(SIGPIPE, &before, nullptr);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 4);
  EXPECT_TRUE(contains(folder.read("err"), "pipe")) << folder.read("err");
}

TEST(Command, UnreachableDisplayPrintsTheTextSheet) {
  ASSERT_FALSE(fs::exists("/tmp/.X11-unix/X57")) << "a server on :57 would spoil this test";
  TempFolder folder;
  put_store(folder / "lune.dat", "qui");
  for (const std::string& environment : std::vector<std::string>{
           "-u WAYLAND_DISPLAY DISPLAY=:57", "-u WAYLAND_DISPLAY DISPLAY=unix:57.0",
           "-u DISPLAY WAYLAND_DISPLAY=giornaro-nessuno XDG_RUNTIME_DIR=" +
               folder.path().string()}) {
    SCOPED_TRACE(environment);
    const Result r = run(giornaro(""), folder.path(), environment);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("GIORNARO\n")) << r.out;
    EXPECT_TRUE(contains(r.err, "non risponde: il foglio è stampato come testo")) << r.err;
  }
}

TEST(Command, StoreTextThatIsNotUtf8StillGivesJson) {
  TempFolder folder;
  const StoreTable facts{"OGGI", {"Data", "dato", "Tipo"}, {{"25/04/1945", "- Fatto", "*"}}};
  const StoreTable births{"NATI",
                          {"Data", "nome", "noto", "cosa"},
                          {{"25/04/1950", "Nicol\xf2", "musicista", "cos\xe0"}}};
  giornaro::events::write_store(folder / "lune.dat", {facts, births});
  const Result r = run(giornaro("--json --date 2026-04-25"), folder.path());
  EXPECT_EQ(r.status, 0) << r.err;
  nlohmann::json sheet;
  ASSERT_NO_THROW(sheet = nlohmann::json::parse(r.out)) << r.out;
  EXPECT_EQ(sheet.at("List2").at(0).at("text"), "1950 - Nicol\uFFFD (Martedì) ANNI: 76");
  const Result text = run(giornaro("--text --date 2026-04-25"), folder.path());
  EXPECT_EQ(text.status, 0);
  EXPECT_TRUE(contains(text.out, "Nicol\xf2")) << "the text sheet passes the bytes on";
}

}  // namespace
