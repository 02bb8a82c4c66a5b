#include "app/day_sheet.h"

#include "app/day_lists.h"
#include "archive/archive_file.h"
#include "calendar/feasts.h"
#include "calendar/saints.h"
#include "events/event_store.h"
#include "place/place_file.h"
#include "place/place_table.h"
#include "runtime/dates.h"
#include "runtime/failure.h"
#include "runtime/numbers.h"
#include "runtime/text.h"
#include "runtime/text_file.h"
#include "sky/moon.h"
#include "sky/sun.h"

namespace giornaro::app {
namespace {

struct Today {
  int day;      // 1..31
  int month;    // 1..12
  int year;     // 1..9999
  int weekday;  // 1 = Sunday .. 7 = Saturday
};

Today split_date(std::chrono::year_month_day date) {
  return Today{static_cast<int>(static_cast<unsigned>(date.day())),
               static_cast<int>(static_cast<unsigned>(date.month())), static_cast<int>(date.year()),
               rt::weekday_sunday_first(date)};
}

// The moon's captions and picture as one call of flunari leaves them.
void show_moon(DaySheet& sheet, const sky::MoonState& moon) {
  sheet.statoT = std::string(moon.stato());
  sheet.eta = moon.eta();
  sheet.LunaIMG = moon.picture;
}

// The facts and births of the sheet's day; after a failure the lists hold
// what was read before it. Returns why the archive could not be read (the
// lists are then complete but for its entries), empty when it was.
std::string read_day_lists(DaySheet& sheet) {
  DayLists lists;
  try {
    ApriDB(sheet.CANNO, sheet.today, sheet.folder, sheet.store, lists);
  } catch (...) {
    sheet.List1 = std::move(lists.List1);
    sheet.List2 = std::move(lists.List2);
    throw;
  }
  sheet.List1 = std::move(lists.List1);
  sheet.List2 = std::move(lists.List2);
  return lists.archive_problem;
}

// The whole sheet once the place row is known (or still unresolved, which
// fails when the place is shown): names, saint and feast, place and sun, moon,
// date key and day lists, in that order. `archive_problem` receives why the
// archive could not be read.
void compute_from_place(DaySheet& sheet, const Today& t, sky::MoonState& moon,
                        std::string& archive_problem) {
  sheet.luogo2 = place::place_list_rows();

  sheet.giorno = rt::number_text(t.day);
  sheet.meseT = std::string(calendar::month_name(t.month));
  sheet.settimana = std::string(calendar::weekday_name(t.weekday));

  const calendar::SaintTable santi = calendar::ferialday(t.month, t.year);
  sheet.santo = santi.at(static_cast<std::size_t>(t.day));
  const calendar::EasterDays easter = calendar::feste(t.year);
  sheet.santo = calendar::Vfeste(sheet.santo, t.day, t.month, t.year, easter);

  if (sheet.place_index < 0 || sheet.place_index >= place::kPlaceCount) {
    throw Failure("Il luogo salvato in luogo.txt non è tra le città conosciute.");
  }
  const place::Place& here = place::places()[static_cast<std::size_t>(sheet.place_index)];
  sheet.zona = std::string(here.name);

  const sky::SunTimes sun = sky::Sun(t.day, t.month, t.year, here.code);
  sheet.sorge = sun.sorge;
  sheet.tramonta = sun.tramonta;

  sky::flunari(t.month, t.year, sky::MoonCall::phase_days, t.day, t.month, moon);
  show_moon(sheet, moon);
  sky::flunari(12, t.year - 1, sky::MoonCall::moon_age, t.day, t.month, moon);
  show_moon(sheet, moon);

  // "Luna Blu": no illuminated part left, past this month's full moon, and no phase day.
  if (moon.percentage == 0 && t.day > moon.Lunapiena &&
      (moon.phase == sky::Phase::waxing || moon.phase == sky::Phase::waning)) {
    sheet.statoT = "Luna Blu";
  }

  sheet.CANNO = rt::two_digits(t.day) + "/" + rt::two_digits(t.month);

  archive_problem = archive_problem = read_day_lists(sheet);
}

}  // namespace

DaySheet compute_day_sheet(std::chrono::year_month_day today, const std::filesystem::path& folder) {
  return compute_day_sheet(today, folder, folder / events::kStoreFileName);
}

DaySheet compute_day_sheet(std::chrono::year_month_day today, const std::filesystem::path& folder,
                           const std::filesystem::path& store) {
  DaySheet sheet;
  sheet.today = today;
  sheet.folder = folder;
  sheet.store = store;
  const Today t = split_date(today);

  // The archive must exist; an unwritable folder only costs the archive, and
  // its problem is told once, here or when the archive is read.
  const std::filesystem::path archive = archive::archive_path(folder);
  bool archive_reported = false;
  try {
    archive::ensure_archive(archive);
  } catch (const Failure& failure) {
    sheet.errors.emplace_back(failure.what());
    archive_reported = true;
  }
  archive::remove_leftover_temporary(archive);

  sky::MoonState moon;
  std::string archive_problem;
  try {
    sheet.place_file = folder / place::kPlaceFileName;
    const std::string saved = place::read_saved_place(sheet.place_file);
    sheet.place_index = place::find_place(saved).value_or(999);
    compute_from_place(sheet, t, moon, archive_problem);
  } catch (const std::exception&) {
    // Restart once for ROMA, with the lists started afresh.
    sheet.place_index = place::kDefaultPlace;
    sheet.List1.clear();
    sheet.List2.clear();
    try {
      compute_from_place(sheet, t, moon, archive_problem);
    } catch (const std::exception& failure) {
      sheet.errors.emplace_back(failure.what());
    }
  }
  if (!archive_problem.empty() && !archive_reported) sheet.errors.push_back(archive_problem);
  return sheet;
}

void confirm_place(DaySheet& sheet, std::string_view picked) {
  if (picked.empty()) return;
  const std::optional<int> row = place::find_place(picked);
  if (!row) throw Failure("La città scelta non è tra le città conosciute.");
  const Today t = split_date(sheet.today);
  const place::Place& chosen = place::places()[static_cast<std::size_t>(*row)];
  const sky::SunTimes sun = sky::Sun(t.day, t.month, t.year, chosen.code);
  place::write_saved_place(sheet.place_file, picked);
  sheet.zona = std::string(picked);
  sheet.sorge = sun.sorge;
  sheet.tramonta = sun.tramonta;
}

void refresh_day_lists(DaySheet& sheet) {
  sheet.List1.clear();
  sheet.List2.clear();
  const std::string archive_problem = read_day_lists(sheet);
  if (!archive_problem.empty()) throw Failure(archive_problem);
}

}  // namespace giornaro::app
