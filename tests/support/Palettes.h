#pragma once

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace quillet::test {

// Fusion's own light palette.
inline QPalette lightFusionPalette() {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion ? fusion->standardPalette() : QPalette();
}

// A dark Fusion palette as themes commonly set it: light text on dark grey.
inline QPalette darkFusionPalette() {
    QPalette p;
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::ToolTipBase})
        p.setColor(role, window);
    p.setColor(QPalette::Base, base);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                      QPalette::ToolTipText, QPalette::HighlightedText})
        p.setColor(role, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    return p;
}

// Sets the application's palette for one scope, as a theme change would.
class ScopedPalette {
  public:
    explicit ScopedPalette(const QPalette& palette) : saved_(QApplication::palette()) {
        QApplication::setPalette(palette);
        QApplication::processEvents();
    }
    ~ScopedPalette() { QApplication::setPalette(saved_); }
    ScopedPalette(const ScopedPalette&) = delete;
    ScopedPalette& operator=(const ScopedPalette&) = delete;

  private:
    QPalette saved_;
};

}  // namespace quillet::test
