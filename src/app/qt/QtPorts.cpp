#include "app/qt/QtPorts.h"
