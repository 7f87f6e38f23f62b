#include "shell/ThemeIcons.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>

#include <optional>

// The resources live in the static shell library: nothing else references them, so the
// linker would drop them unless they are registered by name once.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace quillet {

namespace {

const QString kBundledDir = QStringLiteral(":/icons/quillet-fallback/scalable/actions/");

void ensureResources() {
    static const bool done = (initIconResources(), true);
    (void)done;
}

QString bundledPath(const QString& name) {
    return kBundledDir + name + QStringLiteral(".svg");
}

// Finds the picture the first time it is shown: the desktop theme's icon of that name, when
// there is one, else the drawing at `path`. Menus and the toolbar hold a few dozen icons,
// and looking them all up and reading them before the window shows doubled the start-up
// time.
class DeferredIconEngine : public QIconEngine {
  public:
    DeferredIconEngine(QString themeName, QString path)
        : themeName_(std::move(themeName)), path_(std::move(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(themeName_, path_); }
    QString key() const override { return QStringLiteral("QuilletDeferredIcon"); }
    QString iconName() override { return icon().name(); }

  private:
    QIcon& icon() {
        if (!icon_) {
            icon_ = !themeName_.isEmpty() && QIcon::hasThemeIcon(themeName_)
                        ? QIcon::fromTheme(themeName_)
                        : QIcon(path_);
        }
        return *icon_;
    }

    QString themeName_;  // empty: only the drawing
    QString path_;
    std::optional<QIcon> icon_;
};

QIcon deferredIcon(const QString& themeName, const QString& path) {
    return QIcon(new DeferredIconEngine(themeName, path));
}

}  // namespace

const QStringList& bundledIconNames() {
    static const QStringList names = {
        QStringLiteral("accessories-calculator"),
        QStringLiteral("document-export"),
        QStringLiteral("application-exit"),
        QStringLiteral("document-new"),
        QStringLiteral("document-open"),
        QStringLiteral("document-open-recent"),
        QStringLiteral("document-print"),
        QStringLiteral("document-revert"),
        QStringLiteral("document-save"),
        QStringLiteral("document-save-as"),
        QStringLiteral("edit-clear"),
        QStringLiteral("edit-copy"),
        QStringLiteral("edit-cut"),
        QStringLiteral("edit-find"),
        QStringLiteral("edit-paste"),
        QStringLiteral("edit-redo"),
        QStringLiteral("edit-select-all"),
        QStringLiteral("edit-undo"),
        QStringLiteral("go-home"),
        QStringLiteral("help-about"),
        QStringLiteral("help-contents"),
        QStringLiteral("image-missing"),
        QStringLiteral("list-add"),
        QStringLiteral("list-remove"),
        QStringLiteral("media-playback-start"),
        QStringLiteral("media-playback-stop"),
        QStringLiteral("preferences-desktop-font"),
        QStringLiteral("view-refresh"),
        QStringLiteral("view-sort-ascending"),
        QStringLiteral("x-office-calendar"),
    };
    return names;
}

QIcon bundledIcon(const char* name) {
    ensureResources();
    const QString path = bundledPath(QString::fromLatin1(name));
    return QFile::exists(path) ? deferredIcon(QString(), path) : QIcon();
}

QIcon themeIcon(const char* name) {
    ensureResources();
    const QString themeName = QString::fromLatin1(name);
    const QString path = bundledPath(themeName);
    // A name we do not draw still gets a neutral picture rather than none.
    return deferredIcon(themeName,
                        QFile::exists(path) ? path : bundledPath(QStringLiteral("image-missing")));
}

QIcon programIcon() {
    ensureResources();
    return QIcon(QStringLiteral(":/icons/quillet.svg"));
}

}  // namespace quillet
