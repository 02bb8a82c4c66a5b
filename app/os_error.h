// Italian wording of the operating system's error numbers that users meet
// with files and terminals.
#pragma once

#include <string>

namespace giornaro::app {

// "permesso negato" for EACCES and so on; the C library's own text for the
// rarer ones.
std::string os_error_text(int error_number);

}  // namespace giornaro::app
