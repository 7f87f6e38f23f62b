#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "tools/LocalSocket.h"
#include "tools/TimerProtocol.h"
#include "tools/TimerSocketPlace.h"

class QSocketNotifier;

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
    struct Client {
        UniqueFd fd;
        QSocketNotifier* notifier = nullptr;
        std::string received;
    };
    void accept();
    void readFrom(std::uint64_t id);
    void drop(std::uint64_t id);

    Handler handler_;
    UniqueFd listener_;
    QSocketNotifier* listenerNotifier_ = nullptr;
    std::string path_;
    // The socket file this copy bound, told from one another copy put there since.
    std::uint64_t device_ = 0;
    std::uint64_t inode_ = 0;
    // By a number of their own: a descriptor's number comes back for the next client.
    std::map<std::uint64_t, Client> clients_;
    std::uint64_t nextClient_ = 0;
};

}  // namespace quillet
