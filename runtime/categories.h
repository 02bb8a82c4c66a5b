// The ten categories of dated entries, shared by the event store's facts
// (by code) and the personal archive (by name).
#pragma once

#include <array>
#include <string_view>

namespace giornaro::rt {

struct Category {
  std::string_view code;  // the store's Tipo
  std::string_view name;  // as the archive editor offers it; the day lists show it in capitals
};

// In the archive editor's order.
// clang-format off
inline constexpr std::array<Category, 10> kCategories{{
    {"*",  "Avvenimenti"},
    {"CO", "Anniversari"},
    {"AS", "Astronomia"},
    {"FU", "Funerali"},
    {"IN", "Invenzioni"},
    {"LT", "Lutti"},
    {"MU", "Musica"},
    {"NZ", "Nozze"},
    {"CI", "Spettacoli"},
    {"SP", "Sport"},
}};
// clang-format on

}  // namespace giornaro::rt
