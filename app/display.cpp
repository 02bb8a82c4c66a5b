#include "app/display.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace giornaro::app {
namespace {

class Socket {
 public:
  explicit Socket(int fd) : fd_(fd) {}
  ~Socket() {
    if (fd_ >= 0) close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// Connects to a local socket; `abstract` uses Linux's abstract namespace.
bool connect_local(std::string_view path, bool abstract) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t offset = abstract ? 1 : 0;
  if (path.size() + offset >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path + offset, path.data(), path.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                             path.size() + (abstract ? 0 : 1));
  Socket socket_fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (socket_fd.fd() < 0) return false;
  return connect(socket_fd.fd(), reinterpret_cast<const sockaddr*>(&address), length) == 0;
}

bool connect_tcp(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
  bool connected = false;
  for (addrinfo* a = found; a && !connected; a = a->ai_next) {
    Socket socket_fd(
        socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol));
    if (socket_fd.fd() < 0) continue;
    if (connect(socket_fd.fd(), a->ai_addr, a->ai_addrlen) == 0) {
      connected = true;
    } else if (errno == EINPROGRESS) {
      pollfd waiting{socket_fd.fd(), POLLOUT, 0};
      int error = 0;
      socklen_t size = sizeof error;
      connected = poll(&waiting, 1, 2000) == 1 &&
                  getsockopt(socket_fd.fd(), SOL_SOCKET, SO_ERROR, &error, &size) == 0 &&
                  error == 0;
    }
  }
  freeaddrinfo(found);
  return connected;
}

bool wayland_reachable(std::string_view name) {
  if (name.starts_with('/')) return connect_local(name, false);
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (!runtime || !*runtime) return false;
  return connect_local(std::string(runtime) + "/" + std::string(name), false);
}

// DISPLAY is [host]:number[.screen]; "unix" as host means the local socket.
bool x11_reachable(std::string_view display) {
  const auto colon = display.rfind(':');
  if (colon == std::string_view::npos) return false;
  const std::string host(display.substr(0, colon));
  std::string_view rest = display.substr(colon + 1);
  rest = rest.substr(0, rest.find('.'));
  int number = -1;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
  if (error != std::errc() || end != rest.data() + rest.size() || number < 0) return false;
  if (host.empty() || host == "unix") {
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
    return connect_local(path, true) || connect_local(path, false);
  }
  return connect_tcp(host, 6000 + number);
}

}  // namespace

DisplayCheck check_display() {
  DisplayCheck check;
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* x11 = std::getenv("DISPLAY");
  if (wayland && *wayland) {
    check.named = true;
    check.which = std::string("WAYLAND_DISPLAY=") + wayland;
    if (wayland_reachable(wayland)) {
      check.reachable = true;
      return check;
    }
  }
  if (x11 && *x11) {
    if (check.named) check.which += ", ";
    check.named = true;
    check.which += std::string("DISPLAY=") + x11;
    check.reachable = x11_reachable(x11);
  }
  return check;
}

}  // namespace giornaro::app
