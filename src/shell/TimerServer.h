#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "tools/TimerProtocol.h"
#include "tools/TimerSocketPlace.h"

class QLocalServer;
class QLocalSocket;

namespace quillet {

// The stopwatch's remote control: a local socket only this user can open, answering one
// request line with one reply line. Anything that is not a request, or is too long, or does
// not arrive in time, is dropped without a reply.
class TimerServer : public QObject {
    Q_OBJECT

  public:
    using Handler = std::function<TimerReply(const TimerRequest&)>;
    static constexpr int kRequestTimeoutMs = 3000;

    explicit TimerServer(Handler handler, QObject* parent = nullptr);
    ~TimerServer() override;

    // $XDG_RUNTIME_DIR/quillet1-timer, or one in a private folder of the temporary folder
    // when that is unset; no path, with the reason, when the folder is not ours alone.
    static TimerSocketPlace defaultPlace();
    // False when another running copy already answers there, or the socket cannot be made.
    bool listen(const QString& path);
    QString path() const;

  private:
    void accept();
    void readFrom(QLocalSocket* socket);

    Handler handler_;
    QLocalServer* server_;
};

}  // namespace quillet
