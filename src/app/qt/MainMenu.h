#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace quillet {

// The main window's menus, pop-up menus and toolbar, with every action named as
// the window's components are, so commands and tests can find them by name.
class MainMenu {
  public:
    explicit MainMenu(QMainWindow* window);

    QAction* action(const QString& name) const;
    const QHash<QString, QAction*>& actions() const { return actions_; }

    QToolBar* toolbar() const { return toolbar_; }
    QMenu* pmnLeft() const { return pmnLeft_; }
    QMenu* pmnRight() const { return pmnRight_; }
    QMenu* pupmnuGrid() const { return pupmnuGrid_; }
    QMenu* puplblTotal() const { return puplblTotal_; }

    // Toolbar buttons and pop-up items that repeat a menu command: button -> command.
    static const QHash<QString, QString>& forwards();

  private:
    QAction* add(QMenu* menu, const char* name, const char* caption);
    void buildMenuBar(QMainWindow* window);
    void buildToolbar(QMainWindow* window);
    void buildPopups(QMainWindow* window);

    QHash<QString, QAction*> actions_;
    QToolBar* toolbar_ = nullptr;
    QMenu* pmnLeft_ = nullptr;
    QMenu* pmnRight_ = nullptr;
    QMenu* pupmnuGrid_ = nullptr;
    QMenu* puplblTotal_ = nullptr;
};

}  // namespace quillet
