#include "app/qt/ThemeIcons.h"

#include <QFile>

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

}  // namespace

const QStringList& bundledIconNames() {
    static const QStringList names = {
        QStringLiteral("accessories-calculator"),
        QStringLiteral("application-exit"),
        QStringLiteral("document-new"),
        QStringLiteral("document-open"),
        QStringLiteral("document-open-recent"),
        QStringLiteral("document-print"),
        QStringLiteral("document-save"),
        QStringLiteral("document-save-as"),
        QStringLiteral("edit-clear"),
        QStringLiteral("edit-copy"),
        QStringLiteral("edit-cut"),
        QStringLiteral("edit-find"),
        QStringLiteral("edit-paste"),
        QStringLiteral("edit-select-all"),
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
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QIcon themeIcon(const char* name) {
    QIcon fallback = bundledIcon(name);
    // A name we do not draw still gets a neutral picture rather than none.
    if (fallback.isNull()) fallback = QIcon(bundledPath(QStringLiteral("image-missing")));
    return QIcon::fromTheme(QString::fromLatin1(name), fallback);
}

QIcon programIcon() {
    ensureResources();
    return QIcon(QStringLiteral(":/icons/quillet.svg"));
}

}  // namespace quillet
