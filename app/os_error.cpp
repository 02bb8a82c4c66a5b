#include "app/os_error.h"

#include <cerrno>
#include <cstring>

namespace giornaro::app {

std::string os_error_text(int error_number) {
  switch (error_number) {
    case EACCES:
    case EPERM:
      return "permesso negato";
    case ENOENT:
      return "non esiste";
    case ENOTDIR:
      return "una parte del percorso non è una cartella";
    case EROFS:
      return "il file system è di sola lettura";
    case ENOSPC:
      return "spazio esaurito sul dispositivo";
    case EDQUOT:
      return "quota del disco superata";
    case EPIPE:
      return "chi leggeva ha chiuso la pipe";
    case EBADF:
      return "il descrittore non è aperto";
    case EIO:
      return "errore di ingresso/uscita";
    default:
      return std::strerror(error_number);
  }
}

}  // namespace giornaro::app
