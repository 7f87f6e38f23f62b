#pragma once

#include "app/MainController.h"
#include "shell/Form1.h"

namespace quillet::test {

struct ControllerOwner {
    explicit ControllerOwner(ControllerPorts ports) : ownController(std::move(ports)) {}
    MainController ownController;
};

// A main window with a controller of its own that outlives it, as main's does: the
// controller is a base made before the window and destroyed after it.
class OwnedForm1 : private ControllerOwner, public Form1 {
  public:
    explicit OwnedForm1(ControllerPorts ports)
        : ControllerOwner(std::move(ports)), Form1(ownController) {}
};

}  // namespace quillet::test
