#include "shell/IdleSources.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>

// Xlib's macros (None, Bool, Status) would clash with names below: it comes last.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#undef None
#undef Bool
#undef Status

namespace quillet {

namespace {

// A D-Bus call that hangs must not freeze the window for long.
constexpr int kDBusTimeoutMs = 500;

class XScreenSaverIdle : public IdleSource {
  public:
    // Its own connection to the display: the toolkit's is not shared with Xlib.
    static std::unique_ptr<XScreenSaverIdle> open() {
        Display* display = XOpenDisplay(nullptr);
        if (!display) return nullptr;
        int eventBase = 0;
        int errorBase = 0;
        if (!XScreenSaverQueryExtension(display, &eventBase, &errorBase)) {
            XCloseDisplay(display);
            return nullptr;
        }
        return std::unique_ptr<XScreenSaverIdle>(new XScreenSaverIdle(display));
    }
    ~XScreenSaverIdle() override {
        if (info_) XFree(info_);
        XCloseDisplay(display_);
    }
    XScreenSaverIdle(const XScreenSaverIdle&) = delete;
    XScreenSaverIdle& operator=(const XScreenSaverIdle&) = delete;

    IdleKind kind() const override { return IdleKind::XServer; }
    std::optional<std::int64_t> idleMs() override {
        if (!info_ || !XScreenSaverQueryInfo(display_, DefaultRootWindow(display_), info_))
            return std::nullopt;
        return static_cast<std::int64_t>(info_->idle);
    }

  private:
    explicit XScreenSaverIdle(Display* display)
        : display_(display), info_(XScreenSaverAllocInfo()) {}
    Display* display_;
    XScreenSaverInfo* info_;
};

// org.freedesktop.ScreenSaver.GetSessionIdleTime (uint32 ms) or GNOME's
// org.gnome.Mutter.IdleMonitor.GetIdletime (uint64 ms).
class DBusIdle : public IdleSource {
  public:
    // A plain call: an interface object would introspect the service first, blocking.
    DBusIdle(const QString& service, const QString& path, const QString& interface,
             const QString& method)
        : call_(QDBusMessage::createMethodCall(service, path, interface, method)) {}
    IdleKind kind() const override { return IdleKind::DBus; }
    std::optional<std::int64_t> idleMs() override {
        const QDBusMessage reply =
            QDBusConnection::sessionBus().call(call_, QDBus::Block, kDBusTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return std::nullopt;
        bool ok = false;
        const qulonglong ms = reply.arguments().front().toULongLong(&ok);
        if (!ok) return std::nullopt;
        return static_cast<std::int64_t>(ms);
    }

  private:
    QDBusMessage call_;
};

class NoIdle : public IdleSource {
  public:
    IdleKind kind() const override { return IdleKind::None; }
    std::optional<std::int64_t> idleMs() override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<IdleSource> makeIdleSource() {
    if (QGuiApplication::platformName() == u"xcb") {
        if (auto x = XScreenSaverIdle::open()) return x;
    }
    if (QDBusConnection::sessionBus().isConnected()) {
        // A service may exist and still refuse (GNOME's ScreenSaver answers NotSupported):
        // only one that gives a reading is used.
        auto freedesktop = std::make_unique<DBusIdle>(
            QStringLiteral("org.freedesktop.ScreenSaver"),
            QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("GetSessionIdleTime"));
        if (freedesktop->idleMs()) return freedesktop;
        auto mutter = std::make_unique<DBusIdle>(
            QStringLiteral("org.gnome.Mutter.IdleMonitor"),
            QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
            QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("GetIdletime"));
        if (mutter->idleMs()) return mutter;
    }
    return std::make_unique<NoIdle>();
}

}  // namespace quillet
