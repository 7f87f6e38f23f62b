#include "shell/windows/FrmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>

#include "grid/ColorContrast.h"
#include "ports/ProductInfo.h"
#include "shell/AppIcon.h"
#include "shell/GridModel.h"
#include "shell/windows/SecondaryWindow.h"

namespace quillet {

namespace {
// A label that acts on a left click, drawn as a link: coloured, underlined, hand cursor. Its
// colour is the wanted one made readable on the window's background, again whenever the
// palette changes (a theme switched while the window is open).
class LinkLabel : public QLabel {
  public:
    LinkLabel(const QString& text, const QColor& color, std::function<void()> onClick,
              QWidget* parent)
        : QLabel(text, parent), wanted_(toColor(color)), onClick_(std::move(onClick)) {
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
        setCursor(Qt::PointingHandCursor);
        recolour();
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            onClick_)
            onClick_();
    }
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::PaletteChange && !recolouring_) recolour();
    }

  private:
    void recolour() {
        recolouring_ = true;
        QPalette pal = palette();
        const QColor shown = fromColor(readableOn(toColor(pal.color(backgroundRole())), wanted_));
        pal.setColor(QPalette::WindowText, shown);
        pal.setColor(QPalette::Text, shown);
        setPalette(pal);
        recolouring_ = false;
    }

    Color wanted_;
    bool recolouring_ = false;
    std::function<void()> onClick_;
};

QLabel* addLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    return label;
}
}  // namespace

FrmAbout::FrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About Quillet1"));
    setModal(false);
    // The colours of a text field: white in a light theme, dark in a dark one.
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setAutoFillBackground(true);
    setFixedSize(298, 316);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);  // lowered outside, raised inside
    panel->setGeometry(8, 8, 281, 257);

    auto* icon = new QLabel(panel);
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(appIcon().pixmap(64, 64));
    icon->setScaledContents(true);
    icon->setGeometry(8, 8, 65, 57);

    addLabel(panel, tr("Product Name"), 88, 8);
    addLabel(panel, QString::fromUtf8(kProductName), 192, 8);
    addLabel(panel, tr("Version"), 88, 32);
    QLabel* lblVersion = addLabel(panel, QString::fromUtf8(kProductVersion), 192, 32);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setMinimumWidth(45);

    // The web address is shown without its scheme, as people write it.
    const QString web = QString::fromUtf8(kMakerWebAddress)
                            .remove(QRegularExpression(QStringLiteral("^https?://")))
                            .remove(QRegularExpression(QStringLiteral("/$")));
    addLabel(panel, tr("Web site:"), 8, 104);
    QLabel* lblComments = new LinkLabel(
        web, Qt::red,
        [this] {
            if (openMakerWebSite) openMakerWebSite();
        },
        panel);
    lblComments->setObjectName("lblComments");
    lblComments->move(96, 104);
    addLabel(panel, tr("E-mail:"), 8, 128);
    QLabel* Label2 = new LinkLabel(
        QString::fromUtf8(kMakerEmailAddress), Qt::blue,
        [this] {
            if (writeEmail) writeEmail();
        },
        panel);
    Label2->setObjectName("Label2");
    Label2->move(96, 128);
    for (QLabel* link : {lblComments, Label2}) {
        link->adjustSize();
        link->resize(std::max(link->width(), 153), std::max(link->height(), 17));
    }

    addLabel(panel, tr("Info:"), 8, 160);
    lblinfo2_ = new QLabel(panel);
    lblinfo2_->setObjectName("lblinfo2");
    lblinfo2_->setWordWrap(true);
    lblinfo2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblinfo2_->setGeometry(96, 160, 177, 89);

    auto* OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(111, 276, 75, 25);
    OKButton->setCursor(Qt::PointingHandCursor);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    showNote();
    placeCentred(this, width(), height());
}

void FrmAbout::showNote() {
    lblinfo2_->setText(
        tr("This program allows you to track where you spend your time - "
           "which tasks, projects, etc.  I welcome your feedback."));
}

}  // namespace quillet
