#pragma once
// The asynchronous download control: an HTTP GET of a URL into bytes,
// completed later on this thread through the callback given with the
// request, and only that one.
//
// A download counts as stored only when the reply is 2xx, arrived whole (as
// long as its Content-Length said) and without error. Every transfer has a
// time-out: one that receives nothing for that long is aborted and
// completes as failed, so no caller waits for ever. Bodies above
// kMaxDownloadBytes are refused.

#include <QObject>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;

class VellacornHTTP : public QObject {
  Q_OBJECT

 public:
  static constexpr int32_t kDefaultTimeoutMs = 30000;
  // Far above any archive the update server publishes.
  static constexpr qint64 kMaxDownloadBytes = 512ll * 1024 * 1024;

  // ok, the bytes received, and why it failed ("" when ok).
  using Completion = std::function<void(int32_t id, bool ok, const std::string& bytes, const std::string& error)>;

  explicit VellacornHTTP(QObject* parent = nullptr);
  ~VellacornHTTP() override;

  // Milliseconds without data after which a transfer is abandoned.
  void SetTransferTimeout(int32_t ms) { timeoutMs_ = ms; }
  int32_t TransferTimeout() const { return timeoutMs_; }

  // Starts fetching `url` (http or https; never from a cache) as download
  // `id`. `done` is called once, from the event loop. False when the URL
  // cannot be fetched or `id` is already under way; `done` is then never called.
  bool DownloadFile(const std::string& url, int32_t id, Completion done);
  // Aborts the download; its completion is never delivered.
  void Abandon(int32_t id);
  // Downloads under way.
  int32_t Pending() const { return static_cast<int32_t>(requests_.size()); }

 signals:
  void DownloadProgress(int32_t id, qint64 received, qint64 total);

 private:
  struct Request {
    QNetworkReply* reply = nullptr;
    Completion done;
  };
  void Finished(int32_t id);

  QNetworkAccessManager* manager_;
  std::map<int32_t, Request> requests_;
  int32_t timeoutMs_ = kDefaultTimeoutMs;
};
