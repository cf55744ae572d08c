#include "LocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace kdtest {

namespace {

constexpr int kPollMs = 20;
constexpr std::size_t kSlowPiece = 16;
constexpr auto kSlowPause = std::chrono::milliseconds(15);
constexpr auto kTricklePause = std::chrono::milliseconds(50);
constexpr std::size_t kFillerPiece = 64 * 1024;

bool SendAll(int fd, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

std::string Phrase(int status) {
  switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

std::string Header(const LocalHttpServer::Route& route, std::size_t contentLength) {
  return "HTTP/1.1 " + std::to_string(route.status) + " " + Phrase(route.status) +
         "\r\nContent-Type: application/octet-stream\r\n" +
         (route.sendLength ? "Content-Length: " + std::to_string(contentLength) + "\r\n" : std::string()) +
         route.headers + "Connection: close\r\n\r\n";
}

}  // namespace

LocalHttpServer::LocalHttpServer() {
  listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listenFd_ < 0) throw std::runtime_error("socket");
  const int yes = 1;
  ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;  // a free port
  if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(listenFd_, 64) != 0) {
    ::close(listenFd_);
    throw std::runtime_error("bind/listen on 127.0.0.1");
  }
  socklen_t len = sizeof addr;
  ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  acceptThread_ = std::thread([this] { AcceptLoop(); });
}

LocalHttpServer::~LocalHttpServer() {
  stop_ = true;
  acceptThread_.join();
  ::close(listenFd_);
  std::vector<std::thread> connections;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    connections.swap(connections_);
  }
  for (std::thread& t : connections) t.join();
}

std::string LocalHttpServer::Host() const { return "127.0.0.1:" + std::to_string(port_); }

void LocalHttpServer::Serve(const std::string& path, Route route) {
  std::lock_guard<std::mutex> lock(mutex_);
  routes_[path] = std::move(route);
}

std::vector<std::string> LocalHttpServer::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

int LocalHttpServer::RequestCount(const std::string& path) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(std::count(requests_.begin(), requests_.end(), path));
}

void LocalHttpServer::AcceptLoop() {
  while (!Stopping()) {
    pollfd p{listenFd_, POLLIN, 0};
    if (::poll(&p, 1, kPollMs) <= 0) continue;
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    std::lock_guard<std::mutex> lock(mutex_);
    connections_.emplace_back([this, fd] {
      Handle(fd);
      // Closed gracefully: a close with unread bytes would reset the
      // connection under a reply the client is still reading.
      ::shutdown(fd, SHUT_WR);
      char drain[4096];
      for (int rounds = 0; rounds < 10 && !Stopping(); ++rounds) {
        pollfd readable{fd, POLLIN, 0};
        if (::poll(&readable, 1, kPollMs) > 0 && ::recv(fd, drain, sizeof drain, 0) <= 0) break;
      }
      ::close(fd);
    });
  }
}

void LocalHttpServer::Handle(int fd) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    if (Stopping()) return;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, kPollMs) <= 0) continue;
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) return;
    request.append(buffer, static_cast<std::size_t>(n));
  }
  // "GET /path HTTP/1.1"
  const std::size_t start = request.find(' ');
  const std::size_t end = request.find(' ', start + 1);
  if (start == std::string::npos || end == std::string::npos) return;
  const std::string path = request.substr(start + 1, end - start - 1);
  Route route{404, "Not Found", Mode::kNormal};
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(path);
    if (auto it = routes_.find(path); it != routes_.end()) route = it->second;
  }
  const std::size_t length = route.body.size() + route.filler;
  switch (route.mode) {
    case Mode::kNormal:
      if (!SendAll(fd, Header(route, length) + route.body)) return;
      for (std::size_t sent = 0; sent < route.filler && !Stopping(); sent += kFillerPiece) {
        if (!SendAll(fd, std::string(std::min(kFillerPiece, route.filler - sent), 'x'))) return;
      }
      break;
    case Mode::kTruncated:
      SendAll(fd, Header(route, length) + route.body.substr(0, route.body.size() / 2));
      break;
    case Mode::kHanging:
      while (!Stopping()) std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
      break;
    case Mode::kSlow:
      if (!SendAll(fd, Header(route, length))) return;
      for (std::size_t at = 0; at < route.body.size() && !Stopping(); at += kSlowPiece) {
        std::this_thread::sleep_for(kSlowPause);
        if (!SendAll(fd, route.body.substr(at, kSlowPiece))) return;
      }
      break;
    case Mode::kTrickle:
      if (!SendAll(fd, Header(route, 1u << 10))) return;
      while (!Stopping()) {
        std::this_thread::sleep_for(kTricklePause);
        if (!SendAll(fd, "x")) return;
      }
      break;
  }
}

}  // namespace kdtest
