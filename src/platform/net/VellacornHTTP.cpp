#include "platform/net/VellacornHTTP.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "platform/runtime/FileIO.h"

namespace {

// Read in pieces of this size, and let Qt hold no more than that unread.
constexpr qint64 kChunkBytes = 64 * 1024;

constexpr const char* kClosedEarly = "the server closed the connection before the end";

bool IsSuccess(int status) { return status >= 200 && status <= 299; }
bool IsMove(int status) { return status >= 300 && status <= 399; }

// "2 minutes", "30 seconds", "1 second".
std::string DurationText(int32_t ms) {
  if (ms >= 60000 && ms % 60000 == 0) {
    const int32_t minutes = ms / 60000;
    return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
  }
  const int32_t seconds = std::max(1, (ms + 999) / 1000);
  return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
}

}  // namespace

struct VellacornHTTP::Request {
  QNetworkReply* reply = nullptr;  // the reply of the current leg (a move starts a new one)
  Completion done;
  std::string dest;
  runtime::PendingFile file;  // opened when the first byte of the body arrives
  QString host;
  QTimer* deadline = nullptr;
  qint64 maxBytes = kMaxDownloadBytes;
  qint64 received = 0;
  int32_t moves = 0;
  std::string failure;  // why this side ended it, "" while it runs
  bool tooLarge = false;

  ~Request() {
    if (deadline == nullptr) return;
    deadline->stop();
    deadline->deleteLater();
  }
};

VellacornHTTP::VellacornHTTP(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this)) {}

VellacornHTTP::~VellacornHTTP() {
  // Completions are never delivered once the control is gone.
  auto requests = std::move(requests_);
  requests_.clear();
  for (auto& [id, request] : requests) Drop(*request);
}

bool VellacornHTTP::DownloadFile(const std::string& url, const std::string& dest, int32_t id, const Limits& limits,
                                 Completion done, std::string* error) {
  const QUrl target(QString::fromStdString(url), QUrl::StrictMode);
  if (!target.isValid() || (target.scheme() != "http" && target.scheme() != "https") || target.host().isEmpty()) {
    if (error) *error = url + " is not a web address";
    return false;
  }
  if (requests_.count(id) != 0) {
    if (error) *error = "download " + std::to_string(id) + " is already under way";
    return false;
  }
  auto request = std::make_unique<Request>();
  request->done = std::move(done);
  request->dest = dest;
  request->host = target.host();
  if (limits.maxBytes > 0) request->maxBytes = std::min(limits.maxBytes, kMaxDownloadBytes);
  const int32_t deadline = limits.deadlineMs > 0 ? std::min(limits.deadlineMs, deadlineMs_) : deadlineMs_;
  request->deadline = new QTimer(this);
  request->deadline->setSingleShot(true);
  // Never before its time: what a check has left is measured from it.
  request->deadline->setTimerType(Qt::PreciseTimer);
  connect(request->deadline, &QTimer::timeout, this, [this, id, deadline] {
    auto it = requests_.find(id);
    if (it != requests_.end()) Fail(*it->second, "it did not arrive within " + DurationText(deadline));
  });
  request->deadline->start(deadline);
  Request& r = *request;
  requests_[id] = std::move(request);
  Get(id, r, target);
  return true;
}

void VellacornHTTP::Get(int32_t id, Request& request, const QUrl& url) {
  QNetworkRequest get(url);
  get.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  get.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  get.setTransferTimeout(timeoutMs_);
  // Asking for the body as it is stored keeps Qt from unpacking a
  // compressed one, whose end it cannot vouch for.
  get.setRawHeader("Accept-Encoding", "identity");
  // Moves are followed here, one leg at a time, where their target and
  // number are checked.
  get.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
  QNetworkReply* reply = manager_->get(get);
  reply->setReadBufferSize(kChunkBytes);
  request.reply = reply;
  connect(reply, &QNetworkReply::metaDataChanged, this, [this, id, reply] { HeadersArrived(id, reply); });
  connect(reply, &QNetworkReply::readyRead, this, [this, id, reply] { Received(id, reply); });
  connect(reply, &QNetworkReply::downloadProgress, this,
          [this, id](qint64 received, qint64 total) { emit DownloadProgress(id, received, total); });
  connect(reply, &QNetworkReply::finished, this, [this, id, reply] { Finished(id, reply); });
}

void VellacornHTTP::Drop(Request& request) {
  request.reply->disconnect(this);
  request.reply->abort();
  request.reply->deleteLater();
}

void VellacornHTTP::Abandon(int32_t id) {
  auto it = requests_.find(id);
  if (it == requests_.end()) return;
  std::unique_ptr<Request> r = std::move(it->second);
  requests_.erase(it);
  Drop(*r);
}

VellacornHTTP::Request* VellacornHTTP::Find(int32_t id, const QNetworkReply* reply) {
  auto it = requests_.find(id);
  return it != requests_.end() && it->second->reply == reply ? it->second.get() : nullptr;
}

void VellacornHTTP::Fail(Request& request, const std::string& reason, bool tooLarge) {
  if (request.failure.empty()) {
    request.failure = reason;
    request.tooLarge = tooLarge;
  }
  // Aborted from the event loop: Qt reports an abort from inside its own
  // signals twice. Nothing more of the reply is taken meanwhile.
  QMetaObject::invokeMethod(request.reply, &QNetworkReply::abort, Qt::QueuedConnection);
}

void VellacornHTTP::HeadersArrived(int32_t id, QNetworkReply* reply) {
  Request* r = Find(id, reply);
  if (r == nullptr || !r->failure.empty()) return;
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (IsMove(status)) return;  // followed, or refused, when its leg ends
  if (!IsSuccess(status)) {
    Fail(*r, AnswerText(*reply, status));
    return;
  }
  const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
  if (length.isValid() && length.toLongLong() > r->maxBytes) {
    Fail(*r, "it is larger than " + std::to_string(r->maxBytes) + " bytes", true);
    return;
  }
  const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
  if (!encoding.isEmpty() && encoding != "identity") {
    Fail(*r, "the server sent it encoded (" + encoding.toStdString() + ")");
  }
}

void VellacornHTTP::Received(int32_t id, QNetworkReply* reply) {
  Request* r = Find(id, reply);
  if (r == nullptr) return;
  const bool body =
      r->failure.empty() && IsSuccess(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
  while (reply->bytesAvailable() > 0) {
    const QByteArray chunk = reply->read(kChunkBytes);
    if (chunk.isEmpty()) return;
    if (!body) continue;  // what a move says besides its target, or what follows a refusal
    r->received += chunk.size();
    if (r->received > r->maxBytes) {
      Fail(*r, "it is larger than " + std::to_string(r->maxBytes) + " bytes", true);
      return;
    }
    std::string error;
    if ((!r->file.IsOpen() && !r->file.Open(r->dest, &error)) ||
        !r->file.Write(std::string_view(chunk.constData(), static_cast<std::size_t>(chunk.size())), &error)) {
      Fail(*r, "it could not be stored: " + error);
      return;
    }
  }
}

std::string VellacornHTTP::AnswerText(const QNetworkReply& reply, int status) {
  const std::string phrase = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
  return "the server answered " + std::to_string(status) + (phrase.empty() ? "" : " " + phrase);
}

std::string VellacornHTTP::Describe(const QNetworkReply& reply) const {
  switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
      return "the connection was refused";
    case QNetworkReply::HostNotFoundError:
      return "the host " + reply.url().host().toStdString() + " was not found";
    case QNetworkReply::RemoteHostClosedError:
      return kClosedEarly;
    case QNetworkReply::TimeoutError:
      return "the connection timed out";
    case QNetworkReply::OperationCanceledError:
      // Only the idle time-out cancels without a reason of ours.
      return "nothing arrived for " + DurationText(timeoutMs_);
    default:
      return reply.errorString().toStdString();
  }
}

void VellacornHTTP::Finished(int32_t id, QNetworkReply* reply) {
  Request* found = Find(id, reply);
  if (found == nullptr) return;
  // What is still buffered is part of the body (a refusal here only
  // records its reason: aborting a finished reply does nothing).
  Received(id, reply);
  reply->deleteLater();
  Request& r = *found;
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const QByteArray location = reply->rawHeader("Location");
  std::string error = r.failure;
  if (error.empty() && IsMove(status) && !location.isEmpty()) {
    const QUrl target = reply->url().resolved(QUrl::fromEncoded(location));
    const bool onHost = (target.scheme() == "http" || target.scheme() == "https") &&
                        target.host().compare(r.host, Qt::CaseInsensitive) == 0;
    if (!onHost) {
      error = "the server sent it on to " + target.toDisplayString().toStdString() + ", away from " +
              r.host.toStdString();
    } else if (++r.moves > kMaxRedirects) {
      error = "the server sent it on more than " + std::to_string(kMaxRedirects) + " times";
    } else {
      Get(id, r, target);
      return;
    }
  }
  auto node = requests_.extract(id);
  std::unique_ptr<Request> request = std::move(node.mapped());
  const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
  if (!error.empty()) {
  } else if (status != 0 && !IsSuccess(status)) {
    error = AnswerText(*reply, status);
  } else if (reply->error() != QNetworkReply::NoError) {
    error = Describe(*reply);
  } else if (length.isValid() && length.toLongLong() != request->received) {
    // Qt reports a connection closed inside a stated length either as an
    // error or, under load, as a whole reply: one cause, one message.
    error = kClosedEarly;
  } else if (request->received == 0) {
    error = "the server sent an empty file";
  }
  if (error.empty()) {
    std::string saveError;
    if (!request->file.Commit(&saveError)) error = "it could not be stored: " + saveError;
  }
  request->file.Discard();
  if (request->done) request->done(id, Outcome{error.empty(), error, request->tooLarge});
}
