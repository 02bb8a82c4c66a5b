// luogo.txt's bytes read as start-up reads them: the saved place name from the
// file's first line, then looked up in the place table.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "place/place_file.h"
#include "place/place_table.h"
#include "runtime/failure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace giornaro;
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() /
      ("giornaro-fuzz-luogo-" + std::to_string(::getpid()) + ".txt");
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  try {
    const std::string saved = place::read_saved_place(file);
    if (const auto row = place::find_place(saved)) {
      if (*row < 0 || *row >= place::kPlaceCount) __builtin_trap();
    }
  } catch (const Failure&) {
    // An empty file is refused with a message.
  }
  return 0;
}
