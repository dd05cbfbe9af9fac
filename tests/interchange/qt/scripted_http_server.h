#pragma once
// A small HTTP server inside the test process that answers each path as the
// test scripts it: a body, a redirect, silence, a trickle, a broken or an
// oversized answer. It listens on the loopback address only.

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace vq::test {

class ScriptedHttpServer : public QTcpServer {
 public:
  enum class Kind {
    kBody,         ///< status and body, with Content-Length
    kRedirect,     ///< 302 to `body` (a path or URL)
    kSilent,       ///< reads the request, never answers
    kTrickle,      ///< headers and one byte, then silence
    kBroken,       ///< announces 1000 bytes, sends 10, closes
    kOversized,    ///< announces and sends `size` bytes
    kUnannounced,  ///< sends `size` bytes without a length, then closes
  };
  struct Answer {
    Kind kind = Kind::kBody;
    QByteArray body;
    int status = 200;
    qint64 size = 0;
  };

  ScriptedHttpServer() {
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, &ScriptedHttpServer::Accept);
  }

  void Script(const QByteArray& path, Answer answer) { answers_[path] = std::move(answer); }
  void Script(const QByteArray& path, Kind kind, qint64 size = 0) {
    Answer answer;
    answer.kind = kind;
    answer.size = size;
    Script(path, answer);
  }
  QString Url(const QByteArray& path) const {
    return QString("http://127.0.0.1:%1%2").arg(serverPort()).arg(QString::fromLatin1(path));
  }
  int Requests(const QByteArray& path) const { return requests_.value(path); }
  /// Called with the path of each request before it is answered.
  std::function<void(const QByteArray& path)> onRequest;

 private:
  void Accept() {
    while (QTcpSocket* socket = nextPendingConnection()) {
      connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
    }
  }

  void Read(QTcpSocket* socket) {
    QByteArray& request = pending_[socket];
    request += socket->readAll();
    if (!request.contains("\r\n\r\n")) return;
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    request.clear();
    const QByteArray path = words.size() > 1 ? words[1] : QByteArray();
    ++requests_[path];
    if (onRequest) onRequest(path);
    const auto it = answers_.find(path);
    Answer answer = it == answers_.end() ? Answer{Kind::kBody, "not here", 404, 0} : *it;
    Respond(socket, answer);
  }

  void Respond(QTcpSocket* socket, const Answer& a) {
    switch (a.kind) {
      case Kind::kBody:
        socket->write("HTTP/1.1 " + QByteArray::number(a.status) + " X\r\nContent-Length: " +
                      QByteArray::number(a.body.size()) + "\r\n\r\n" + a.body);
        return;
      case Kind::kRedirect:
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + a.body +
                      "\r\nContent-Length: 0\r\n\r\n");
        return;
      case Kind::kSilent:
        return;
      case Kind::kTrickle:
        socket->write("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n[");
        return;
      case Kind::kBroken:
        socket->write("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n[CHANNEL]\n");
        socket->disconnectFromHost();
        return;
      case Kind::kOversized:
        socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(a.size) +
                      "\r\n\r\n");
        socket->write(QByteArray(static_cast<int>(a.size), '#'));
        return;
      case Kind::kUnannounced:
        socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
        socket->write(QByteArray(static_cast<int>(a.size), '#'));
        socket->disconnectFromHost();
        return;
    }
  }

  QMap<QByteArray, Answer> answers_;
  QMap<QByteArray, int> requests_;
  QMap<QTcpSocket*, QByteArray> pending_;
};

}  // namespace vq::test
