// The archive editor without its window: the records of NewData.txt as the
// editor lists them, and the adding, deleting and searching behind its
// buttons. The window (archive/archive_window) only copies these lists and
// counters into its controls and passes the texts typed into its fields.
//
// The lists of the editor, all plain ordered texts:
//   List1  the lines shown, "GG/MM/AAAA" + 5 blanks + category field (11) +
//          5 blanks + text: the date at positions 1-10, the category at 16-26,
//          the text from 32
//   List2  every record keyed year, month, day ("AAAAMMGG*Nozze      *text"),
//          kept sorted, so List1 comes in date order, then category and text
//   List3  the lines kept by the last delete, in file order
//   List4  the search list, "MMGGAAAA" + category field + text, kept sorted
// Sorted lists use the program's one sort order (runtime/sort_order.h).
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive_file.h"
#include "runtime/failure.h"

namespace giornaro::archive {

// The archive could not be loaded (other than by being missing, which
// creates it): the program cannot go on.
class LoadFailure : public Failure {
 public:
  using Failure::Failure;
};

// The items of the category box, in order: the ten names, the shorter ones
// padded with blanks to 10 characters ("Nozze     ").
const std::array<std::string, 10>& category_items();

// The category as "Inserisci" rewrites it: blanks around removed, the first
// letter in upper case and the rest in lower case ("  nOZZE " -> "Nozze").
std::string category_caption(std::string_view typed);

// True when `category` is one of the ten names, ignoring case and the blanks
// around either ("NOZZE", "Funerali  ").
bool is_known_category(std::string_view category);

// The date check of "Inserisci": 10 characters, "/" third, an existing day
// read as day/month/year, and characters 4-5 not a number above 12.
bool is_valid_entry_date(std::string_view text);

// Items and the shown line built from a record line of the file, taken apart
// by read_record (archive/archive_file.h). Positions past the end of a short
// line read as empty text; the shown line pads the category field to 11
// characters, so the text always starts at position 32.
std::string list2_item(std::string_view line);
std::string list4_item(std::string_view line);
std::string list1_line(std::string_view line);

// The input fields a line of List1 fills when selected.
struct EditorFields {
  std::string Text1;  // date, the first 10 characters
  std::string Tipo;   // category field without blanks around
  std::string Text2;  // text, from position 32

  friend bool operator==(const EditorFields&, const EditorFields&) = default;
};
EditorFields fields_of_line(std::string_view line);

enum class AddOutcome {
  Added,
  BadDate,       // Text1 refused; nothing written
  BadCategory,   // Tipo empty or not one of the ten names; nothing written
  BadCharacter,  // Text2 holds a character the file cannot store; nothing written
};

struct AddResult {
  AddOutcome outcome;
  // What the category box shows afterwards: the rewritten category once the
  // date passed, the typed text otherwise.
  std::string Tipo;
  // BadCharacter: the first character of the text the code page cannot hold.
  std::string character = {};
};

class ArchiveEditor {
 public:
  // The editor of NewData.txt in `folder`; its lists start empty.
  explicit ArchiveEditor(std::filesystem::path folder);

  const std::filesystem::path& path() const { return path_; }

  const std::vector<std::string>& List1() const { return List1_; }
  const std::vector<std::string>& List2() const { return List2_; }
  const std::vector<std::string>& List3() const { return List3_; }
  const std::vector<std::string>& List4() const { return List4_; }
  // Records in the file at the last Carica (empty lines are no records).
  int Rec() const { return Rec_; }
  // Lines found by the last search; 0 after "RST" and after a delete.
  int Fin() const { return Fin_; }

  // Whether the search key box takes input: there is a record.
  bool search_key_enabled() const { return Rec_ > 0; }
  // Whether "GO" and "RST" work for the search key `Text3`.
  bool search_buttons_enabled(std::string_view Text3) const;

  // Fills List4 from the file. A missing file gives an empty list. Throws
  // LoadFailure when the file cannot be read.
  void FullDB();

  // Reloads List2, List1 and Rec from the file, creating the file empty when
  // it is missing. Throws LoadFailure when it cannot be read or created.
  void Carica();

  // "Inserisci": checks the fields and appends the record (a "*" in the text
  // is dropped, a line break becomes a blank), then FullDB and Carica. A text
  // holding a character the code page cannot store is refused, not changed.
  // When the file held just what the lists show before the record was added,
  // the record is put into the sorted lists at its place instead of reading
  // the whole file again, which gives the same lists. Throws Failure when the
  // record cannot be written (the file is then unchanged), LoadFailure when
  // it cannot be read back.
  AddResult add(std::string_view Text1, std::string_view Tipo, std::string_view Text2);

  // "Cancella": rewrites the file without every line equal to the record
  // built from the fields (the category as it stands, not rewritten) with
  // the text as it is (or, when no line is that record, as "Inserisci" would
  // have stored it) and without empty lines, then Carica. Returns how many records were dropped.
  // The rewrite goes through a temporary file under the archive's lock; on a failure to read or
  // write (Failure) the file, List3 and List4 stay as they were.
  int remove(std::string_view Text1, std::string_view Tipo, std::string_view Text2);

  // "GO": the records of List4 whose day and month ("GG/MM") equal the key
  // replace List1, and Fin counts them. A key shorter than 5 characters is
  // refused (false) and List1 stays.
  bool search(std::string_view Text3);

  // "RST": Fin back to 0 and every record listed again (Carica).
  void reset();

 private:
  ArchiveContent read_lines(bool create_when_missing) const;
  void fill_search_list(const ArchiveContent& content);
  void fill_lists(const ArchiveContent& content);
  void insert_record(const std::string& record);

  std::filesystem::path path_;
  std::vector<std::string> List1_;
  std::vector<std::string> List2_;
  std::vector<std::string> List3_;
  std::vector<std::string> List4_;
  // The shown line of every item of List2 and List4, in their order.
  std::vector<std::string> List2_lines_;
  std::vector<std::string> List4_lines_;
  bool List1_shows_all_ = true;  // List1 holds List2's lines, not a search's
  // The file as List2 and List4 were last filled from it; empty when unknown.
  std::optional<FileStamp> List2_stamp_;
  std::optional<FileStamp> List4_stamp_;
  int Rec_ = 0;
  int Fin_ = 0;
};

}  // namespace giornaro::archive
