#pragma once

namespace quillet {

// The seven columns of a new project. The grid itself stays generic: imports can widen it.
enum Column { TaskNo, Description, Hours, StartDate, Cost, Notes, EndDate, DefaultColumnCount };

inline constexpr const char* kDefaultHeadings[DefaultColumnCount] = {
    "Task #", "Task Description", "Hours", "Start Date", "Cost", "Misc. Notes", "End Date"};

}  // namespace quillet
