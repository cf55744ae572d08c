#include "platform/net/VellacornHTTP.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

VellacornHTTP::VellacornHTTP(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this)) {}

VellacornHTTP::~VellacornHTTP() {
  // Completions are never delivered once the control is gone.
  auto requests = std::move(requests_);
  requests_.clear();
  for (auto& [id, request] : requests) {
    request.reply->disconnect(this);
    request.reply->abort();
    request.reply->deleteLater();
  }
}

bool VellacornHTTP::DownloadFile(const std::string& url, int32_t id, Completion done) {
  const QUrl target(QString::fromStdString(url), QUrl::StrictMode);
  if (!target.isValid() || (target.scheme() != "http" && target.scheme() != "https") || target.host().isEmpty()) {
    return false;
  }
  if (requests_.count(id) != 0) return false;
  QNetworkRequest request(target);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request.setTransferTimeout(timeoutMs_);
  QNetworkReply* reply = manager_->get(request);
  requests_[id] = Request{reply, std::move(done)};
  connect(reply, &QNetworkReply::downloadProgress, this, [this, id, reply](qint64 received, qint64 total) {
    if (received > kMaxDownloadBytes || total > kMaxDownloadBytes) {
      reply->abort();
      return;
    }
    emit DownloadProgress(id, received, total);
  });
  connect(reply, &QNetworkReply::finished, this, [this, id] { Finished(id); });
  return true;
}

void VellacornHTTP::Abandon(int32_t id) {
  auto it = requests_.find(id);
  if (it == requests_.end()) return;
  QNetworkReply* reply = it->second.reply;
  requests_.erase(it);
  reply->disconnect(this);
  reply->abort();
  reply->deleteLater();
}

void VellacornHTTP::Finished(int32_t id) {
  auto it = requests_.find(id);
  if (it == requests_.end()) return;
  QNetworkReply* reply = it->second.reply;
  Completion done = std::move(it->second.done);
  requests_.erase(it);
  reply->deleteLater();

  std::string error;
  const QByteArray body = reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
  if (reply->error() == QNetworkReply::OperationCanceledError) {
    error = "the transfer timed out or was too large";
  } else if (reply->error() != QNetworkReply::NoError) {
    error = reply->errorString().toStdString();
  } else if (status < 200 || status > 299) {
    error = "HTTP status " + std::to_string(status);
  } else if (length.isValid() && length.toLongLong() != body.size()) {
    error = "the reply was cut short";
  } else if (body.size() > kMaxDownloadBytes) {
    error = "the reply was too large";
  }
  const bool ok = error.empty();
  if (done) done(id, ok, ok ? body.toStdString() : std::string(), error);
}
