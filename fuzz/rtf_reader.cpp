// The rich-text reader of the clipboard code on any bytes: it never fails, never
// makes more text than it was given, and leaves plain words in a document alone.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "formats/ClipboardText.h"
#include "formats/RtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    const std::string text = quillet::rtfToPlainText(in);
    QUILLET_FUZZ_CHECK(text.size() <= in.size(), "plain text no longer than the document");

    // The same bytes as the words of a document: markup bytes left out.
    std::string words;
    for (const char ch : in) {
        if (ch != '\\' && ch != '{' && ch != '}' && ch != '\r' && ch != '\n') words += ch;
    }
    QUILLET_FUZZ_CHECK(quillet::rtfToPlainText("{\\rtf1\\ansi " + words + "}") == words,
                       "plain words come through unchanged");

    // Copy takes the document's text, whichever cell holds it.
    quillet::CellGrid grid(2, 2, 1);
    grid.setCellText(1, 1, std::string(in));
    const std::string copied = quillet::copyAllText(grid);
    QUILLET_FUZZ_CHECK(
        copied == "\t\r\n\t" + (quillet::isRtfDocument(in) ? text : std::string(in)) + "\r\n",
        "copy of the cell");
    return 0;
}
