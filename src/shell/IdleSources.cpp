#include "shell/IdleSources.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>

// Xlib's macros (None, Bool, Status) would clash with names below: it comes last.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <dlfcn.h>
#undef None
#undef Bool
#undef Status

namespace quillet {

namespace {

// A D-Bus call that hangs must not freeze the window for long.
constexpr int kDBusTimeoutMs = 500;

// The screen-saver extension's library and the Xlib calls it needs, loaded when the stopwatch
// first asks for the idle time: every start of the program would otherwise load them.
struct ScreenSaverCalls {
    decltype(&XOpenDisplay) openDisplay = nullptr;
    decltype(&XCloseDisplay) closeDisplay = nullptr;
    decltype(&XFree) free = nullptr;
    decltype(&XScreenSaverQueryExtension) queryExtension = nullptr;
    decltype(&XScreenSaverAllocInfo) allocInfo = nullptr;
    decltype(&XScreenSaverQueryInfo) queryInfo = nullptr;

    // None when the library is missing; it stays loaded once it was.
    static const ScreenSaverCalls* load() {
        static const std::optional<ScreenSaverCalls> calls = [] {
            std::optional<ScreenSaverCalls> none;
            void* xss = ::dlopen("libXss.so.1", RTLD_NOW | RTLD_LOCAL);
            void* x11 = ::dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
            if (!xss || !x11) return none;
            ScreenSaverCalls c;
            const auto find = [](void* library, auto& call, const char* name) {
                call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(
                    ::dlsym(library, name));
                return call != nullptr;
            };
            if (!find(x11, c.openDisplay, "XOpenDisplay") ||
                !find(x11, c.closeDisplay, "XCloseDisplay") || !find(x11, c.free, "XFree") ||
                !find(xss, c.queryExtension, "XScreenSaverQueryExtension") ||
                !find(xss, c.allocInfo, "XScreenSaverAllocInfo") ||
                !find(xss, c.queryInfo, "XScreenSaverQueryInfo"))
                return none;
            return std::optional<ScreenSaverCalls>(c);
        }();
        return calls ? &*calls : nullptr;
    }
};

class XScreenSaverIdle : public IdleSource {
  public:
    // Its own connection to the display: the toolkit's is not shared with Xlib.
    static std::unique_ptr<XScreenSaverIdle> open() {
        const ScreenSaverCalls* x = ScreenSaverCalls::load();
        if (!x) return nullptr;
        Display* display = x->openDisplay(nullptr);
        if (!display) return nullptr;
        int eventBase = 0;
        int errorBase = 0;
        if (!x->queryExtension(display, &eventBase, &errorBase)) {
            x->closeDisplay(display);
            return nullptr;
        }
        return std::unique_ptr<XScreenSaverIdle>(new XScreenSaverIdle(*x, display));
    }
    ~XScreenSaverIdle() override {
        if (info_) x_.free(info_);
        x_.closeDisplay(display_);
    }
    XScreenSaverIdle(const XScreenSaverIdle&) = delete;
    XScreenSaverIdle& operator=(const XScreenSaverIdle&) = delete;

    IdleKind kind() const override { return IdleKind::XServer; }
    std::optional<std::int64_t> idleMs() override {
        if (!info_ || !x_.queryInfo(display_, DefaultRootWindow(display_), info_))
            return std::nullopt;
        return static_cast<std::int64_t>(info_->idle);
    }

  private:
    XScreenSaverIdle(const ScreenSaverCalls& x, Display* display)
        : x_(x), display_(display), info_(x.allocInfo()) {}
    const ScreenSaverCalls& x_;
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
