#pragma once
// A small HTTP server on 127.0.0.1 for the download tests: it listens on a
// free port from construction to destruction, on its own threads, and
// answers GET requests from a table of routes. Each route has a status, a
// body and a mode: normal, truncated (Content-Length says more than is
// sent, then the connection closes), hanging (nothing is ever answered),
// slow (the body dribbles out in small pieces) or trickling (the head, then
// one byte every 50 ms for as long as the client listens). A route may add
// header lines, leave out Content-Length (the body then ends with the
// connection), and follow its body with `filler` bytes made as they are
// sent, so a test can send far more than it holds. Unknown paths answer 404.

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kdtest {

class LocalHttpServer {
 public:
  enum class Mode { kNormal, kTruncated, kHanging, kSlow, kTrickle };
  struct Route {
    int status = 200;
    std::string body;
    Mode mode = Mode::kNormal;
    std::string headers;  // extra lines, each ending "\r\n" ("Location: /upd/x\r\n")
    bool sendLength = true;
    std::size_t filler = 0;
  };

  LocalHttpServer();
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  int Port() const { return port_; }
  // "127.0.0.1:<port>", as setting 0 holds a host.
  std::string Host() const;

  // Answers GET `path` (as requested, e.g. "/upd/kd.txt") with the route.
  void Serve(const std::string& path, Route route);
  void Serve(const std::string& path, const std::string& body) { Serve(path, Route{200, body}); }
  // The paths requested so far, in order of arrival.
  std::vector<std::string> Requests() const;
  int RequestCount(const std::string& path) const;

 private:
  void AcceptLoop();
  void Handle(int fd);
  bool Stopping() const { return stop_.load(); }

  int listenFd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread acceptThread_;
  mutable std::mutex mutex_;
  std::map<std::string, Route> routes_;
  std::vector<std::string> requests_;
  std::vector<std::thread> connections_;
};

}  // namespace kdtest
