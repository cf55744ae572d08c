#pragma once
// The asynchronous download control: an HTTP GET of a URL into a file,
// completed later on this thread through the callback given with the
// request, and only that one.
//
// The body is streamed to a temporary file beside the destination and
// renamed over it only when the reply is 2xx, arrived whole (as long as its
// Content-Length said), was not empty and stayed within the request's byte
// limit; otherwise the destination is left as it was. No body is ever held
// in memory whole.
//
// A server decides nothing about how long a transfer lasts: one that sends
// nothing for the idle time-out, or has not finished by the request's
// deadline, is aborted and completes as failed. Redirects are followed only
// to the host first asked (http or https), and a body is taken only as
// sent: the request asks for no compression, and an encoded reply is
// refused, so a cut-short compressed body can never pass for a whole one.

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
class QUrl;

class VellacornHTTP : public QObject {
  Q_OBJECT

 public:
  static constexpr int32_t kDefaultTimeoutMs = 30000;
  // Every transfer ends by then, whatever a server sends.
  static constexpr int32_t kDefaultDeadlineMs = 120000;
  // Far above any archive the update server publishes; a request states its
  // own, smaller limit.
  static constexpr qint64 kMaxDownloadBytes = 512ll * 1024 * 1024;
  static constexpr int32_t kMaxRedirects = 5;

  struct Limits {
    qint64 maxBytes = 0;     // 0: kMaxDownloadBytes
    int32_t deadlineMs = 0;  // 0: the control's deadline
  };
  // How a download ended: stored, or why not ("" when ok), and whether it
  // was refused for its size.
  struct Outcome {
    bool ok = false;
    std::string error;
    bool tooLarge = false;
  };
  using Completion = std::function<void(int32_t id, const Outcome& outcome)>;

  explicit VellacornHTTP(QObject* parent = nullptr);
  ~VellacornHTTP() override;

  // Milliseconds without data after which a transfer is abandoned.
  void SetTransferTimeout(int32_t ms) { timeoutMs_ = ms; }
  int32_t TransferTimeout() const { return timeoutMs_; }
  // Milliseconds after its start by which every transfer has ended, unless
  // the request names a shorter time.
  void SetDeadline(int32_t ms) { deadlineMs_ = ms; }

  // Starts fetching `url` (http or https; never from a cache) into `dest`
  // as download `id`. `done` is called once, from the event loop. False,
  // with `error` set, when the URL cannot be fetched or `id` is already
  // under way; `done` is then never called. The temporary file beside
  // `dest` is made when the body starts to arrive.
  bool DownloadFile(const std::string& url, const std::string& dest, int32_t id, const Limits& limits,
                    Completion done, std::string* error = nullptr);
  // Aborts the download and removes what it wrote; its completion is never
  // delivered.
  void Abandon(int32_t id);
  // Downloads under way.
  int32_t Pending() const { return static_cast<int32_t>(requests_.size()); }

 signals:
  void DownloadProgress(int32_t id, qint64 received, qint64 total);

 private:
  struct Request;
  // Starts one leg of the request: its first GET, or the one a move asks for.
  void Get(int32_t id, Request& request, const QUrl& url);
  // Aborts the request's reply without a completion.
  void Drop(Request& request);
  Request* Find(int32_t id, const QNetworkReply* reply);
  void Received(int32_t id, QNetworkReply* reply);
  void HeadersArrived(int32_t id, QNetworkReply* reply);
  static std::string AnswerText(const QNetworkReply& reply, int status);
  // Ends the transfer as failed for `reason`; the completion follows at once.
  void Fail(Request& request, const std::string& reason, bool tooLarge = false);
  void Finished(int32_t id, QNetworkReply* reply);
  std::string Describe(const QNetworkReply& reply) const;

  QNetworkAccessManager* manager_;
  std::map<int32_t, std::unique_ptr<Request>> requests_;
  int32_t timeoutMs_ = kDefaultTimeoutMs;
  int32_t deadlineMs_ = kDefaultDeadlineMs;
};
