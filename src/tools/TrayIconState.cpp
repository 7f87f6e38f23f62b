#include "tools/TrayIconState.h"

namespace quillet {

namespace {

// Length of the well-formed UTF-8 sequence at text[pos], or 1 for a stray byte.
std::size_t sequenceLength(const std::string& text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (pos + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[pos + i]);
        if ((c & 0xC0) != 0x80) return 1;
    }
    return length;
}

}  // namespace

std::string cutUtf8(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + sequenceLength(text, end);
        if (next > maxBytes) break;
        end = next;
    }
    return text.substr(0, end);
}

void TrayIconState::setHint(const std::string& text) {
    if (text == hint_) return;
    tip_ = cutUtf8(text, kMaxTipBytes);
    hint_ = text;
    updateIcon();
}

void TrayIconState::setActive(bool flag) {
    active_ = flag;
    updateIcon();
}

void TrayIconState::setRestoreOnLeftClick(bool flag) {
    restore_[index(TrayButton::Left)] = flag;
    updateIcon();
}

void TrayIconState::updateIcon() {
    ensureAvailabilityKnown();
    if (active_ && hasIcon_ && trayAvailable_) {
        if (!registered_) {
            registered_ = true;
            platform_->showIcon(tip_);
        } else {
            platform_->updateIcon(tip_);
        }
    } else {
        registered_ = false;
        platform_->removeIcon();
    }
    publishHideOffered();
}

void TrayIconState::setApplicationVisible(bool flag) {
    applicationVisible_ = flag;
    updateIcon();
    if (flag) {
        hiddenToTray_ = false;
        platform_->showApplication();
    } else if (canHideToTray()) {
        hideToTray();
    } else {
        // Without an icon to come back by, hiding would strand the user.
        applicationVisible_ = true;
        platform_->minimizeApplication();
    }
}

TrayPress TrayIconState::buttonPressed(TrayButton button) {
    if (restore_[index(button)]) {
        setApplicationVisible(true);
        platform_->bringToFront();
        return TrayPress::Restored;
    }
    if (menus_[index(button)]) {
        if (applicationVisible_) platform_->bringToFront();
        platform_->popupMenu(button);
        return TrayPress::MenuShown;
    }
    return TrayPress::Nothing;
}

void TrayIconState::minimizeLogic() {
    ensureAvailabilityKnown();
    if (canHideToTray()) hideToTray();
}

void TrayIconState::refreshTrayAvailability() {
    const bool available = platform_->isTrayAvailable();
    const bool changed = !availabilityKnown_ || available != trayAvailable_;
    availabilityKnown_ = true;
    trayAvailable_ = available;
    if (changed) {
        if (!available) {
            // The icon went with the area; give a hidden program back to the taskbar.
            registered_ = false;
            platform_->removeIcon();
            if (hiddenToTray_) {
                hiddenToTray_ = false;
                applicationVisible_ = true;
                platform_->minimizeApplication();
            }
        }
        if (available && active_ && hasIcon_) updateIcon();
    }
    publishHideOffered();
}

void TrayIconState::ensureAvailabilityKnown() {
    if (availabilityKnown_) return;
    availabilityKnown_ = true;
    trayAvailable_ = platform_->isTrayAvailable();
}

void TrayIconState::publishHideOffered() {
    const bool offered = canHideToTray();
    if (hideOfferedSent_ && offered == hideOffered_) return;
    hideOfferedSent_ = true;
    hideOffered_ = offered;
    platform_->setHideOffered(offered);
}

void TrayIconState::hideToTray() {
    hiddenToTray_ = true;
    platform_->hideApplication();
}

}  // namespace quillet
