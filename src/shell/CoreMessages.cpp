#include "shell/CoreMessages.h"

#include <QCoreApplication>
#include <QStringList>

#include "formats/CodePage.h"

namespace quillet {

namespace {

// %1..%9 replaced in one pass, so an argument holding "%2" stays as it is.
QString substitute(const QString& text, const QStringList& arguments) {
    QString out;
    out.reserve(text.size());
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k] == u'%' && k + 1 < text.size() && text[k + 1] >= u'1' && text[k + 1] <= u'9') {
            const qsizetype n = text[k + 1].unicode() - u'1';
            if (n < arguments.size()) {
                out += arguments[n];
                ++k;
                continue;
            }
        }
        out += text[k];
    }
    return out;
}

}  // namespace

QString CoreMessages::translate(const Message& message) {
    // A path or a cell may hold bytes in the old code page: shown as the windows show any text.
    if (message.isVerbatim()) {
        const std::string utf8 = displayUtf8(message.text());
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
    if (message.empty()) return {};
    const QString text = QCoreApplication::translate("CoreMessages", message.text().c_str());
    if (message.args().empty()) return text;
    QStringList arguments;
    arguments.reserve(static_cast<qsizetype>(message.args().size()));
    for (const Message& argument : message.args()) arguments << translate(argument);
    return substitute(text, arguments);
}

}  // namespace quillet
