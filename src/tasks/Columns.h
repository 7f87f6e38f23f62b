#pragma once

namespace quillet {

// The seven columns of a new project. The grid itself stays generic: imports can widen it.
enum Column { TaskNo, Description, Hours, StartDate, Cost, Notes, EndDate, DefaultColumnCount };

}  // namespace quillet
