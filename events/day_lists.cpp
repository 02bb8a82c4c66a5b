#include "events/day_lists.h"

namespace giornaro::events {

void ApriDB(std::string_view /*GGDD*/, std::chrono::year_month_day /*today*/,
            const std::filesystem::path& /*folder*/, DayLists& /*lists*/) {}

}  // namespace giornaro::events
