#pragma once

#include <string>

namespace quillet {

// Makes a text one the project file gives back byte for byte; call it wherever
// text enters a cell (edit, paste, import). The file cannot carry everything:
// 0x1A ends the file on reading and BS reads back as LF, so both are dropped;
// in a text with a line break a TAB reads back as CR, so it becomes a space; and
// a text whose line breaks are all bare CRs would read back with TABs, so each
// of its CRs becomes CR LF. Any other text is returned unchanged.
std::string sanitizeCellText(std::string text);

}  // namespace quillet
