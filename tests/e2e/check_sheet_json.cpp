// Checks the JSON day sheet printed by `giornaro --json`.
//
//   check_sheet_json SHEET.json KEY=VALUE...
//
// Every KEY must hold the text VALUE; the exit status is 0 when all do, 1
// otherwise (each mismatch is printed), 2 when the file is no JSON object.
#include <fstream>
#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: check_sheet_json SHEET.json KEY=VALUE...\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const nlohmann::json sheet = nlohmann::json::parse(in, nullptr, /*allow_exceptions=*/false);
  if (!sheet.is_object()) {
    std::cerr << argv[1] << ": no JSON object\n";
    return 2;
  }
  int mismatches = 0;
  for (int i = 2; i < argc; ++i) {
    const std::string pair = argv[i];
    const auto equals = pair.find('=');
    if (equals == std::string::npos) {
      std::cerr << "not KEY=VALUE: " << pair << "\n";
      return 2;
    }
    const std::string key = pair.substr(0, equals);
    const std::string expected = pair.substr(equals + 1);
    const auto found = sheet.find(key);
    if (found == sheet.end() || !found->is_string() || found->get<std::string>() != expected) {
      std::cerr << key << ": expected \"" << expected << "\", got "
                << (found == sheet.end() ? std::string("nothing") : found->dump()) << "\n";
      ++mismatches;
    }
  }
  return mismatches == 0 ? 0 : 1;
}
