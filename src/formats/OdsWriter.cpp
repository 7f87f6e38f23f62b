#include "formats/OdsWriter.h"

#include <zip.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>

#include "formats/AtomicFileWriter.h"
#include "formats/CodePage.h"
#include "ports/DateTime.h"

namespace quillet {

namespace {

constexpr std::string_view kMimeType = "application/vnd.oasis.opendocument.spreadsheet";
constexpr int kNumberStyles = 16;  // decimals 0 to 15

constexpr std::string_view kNamespaces =
    R"( xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
    R"( xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0")"
    R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
    R"( xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0")"
    R"( xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0")"
    R"( xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0")"
    R"( xmlns:config="urn:oasis:names:tc:opendocument:xmlns:config:1.0")"
    R"( office:version="1.2")";

constexpr std::string_view kManifest =
    R"(<?xml version="1.0" encoding="UTF-8"?>)"
    "\n"
    R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0")"
    R"( manifest:version="1.2">)"
    R"(<manifest:file-entry manifest:full-path="/" manifest:version="1.2")"
    R"( manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>)"
    R"(<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>)"
    R"(<manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>)"
    R"(<manifest:file-entry manifest:full-path="settings.xml" manifest:media-type="text/xml"/>)"
    R"(</manifest:manifest>)";

// Text as XML character data: markup escaped, the characters XML cannot carry left out.
void appendEscaped(std::string& out, std::string_view text) {
    for (const char ch : text) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(ch) >= 0x20) out += ch;
        }
    }
}

// One line of a cell as a paragraph. Blanks that XML would fold (runs, and those at either
// end) and tabs are written as the elements that keep them.
void appendParagraph(std::string& out, std::string_view line) {
    out += "<text:p>";
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch == ' ' && (i == 0 || i + 1 == line.size() || line[i - 1] == ' ')) {
            out += "<text:s/>";
        } else if (ch == '\t') {
            out += "<text:tab/>";
        } else {
            appendEscaped(out, line.substr(i, 1));
        }
    }
    out += "</text:p>";
}

void appendLines(std::string& out, std::string_view text) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n", start);
        appendParagraph(out, text.substr(start, end == text.npos ? text.npos : end - start));
        if (end == text.npos) return;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

void appendDouble(std::string& out, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void appendDigits(std::string& out, int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    out += buffer;
}

void appendDateValue(std::string& out, double value) {
    const CivilDate date = decodeDate(value);
    appendDigits(out, date.year, 4);
    out += '-';
    appendDigits(out, date.month, 2);
    out += '-';
    appendDigits(out, date.day, 2);
    const ClockTime time = decodeTime(value);
    if (time.hour || time.minute || time.second) {
        out += 'T';
        appendDigits(out, time.hour, 2);
        out += ':';
        appendDigits(out, time.minute, 2);
        out += ':';
        appendDigits(out, time.second, 2);
    }
}

std::string dateStyle(const std::string& pattern) {
    std::string style = R"(<number:date-style style:name="Ndate">)";
    for (const DatePatternPart& part : datePatternParts(pattern)) {
        switch (part.kind) {
            case DatePatternPart::Kind::Day:
                style += part.twoDigits ? R"(<number:day number:style="long"/>)" : "<number:day/>";
                break;
            case DatePatternPart::Kind::Month:
                style +=
                    part.twoDigits ? R"(<number:month number:style="long"/>)" : "<number:month/>";
                break;
            case DatePatternPart::Kind::Year:
                style += R"(<number:year number:style="long"/>)";
                break;
            case DatePatternPart::Kind::Literal:
                style += "<number:text>";
                appendEscaped(style, part.text);
                style += "</number:text>";
                break;
        }
    }
    return style + "</number:date-style>";
}

// content.xml, made a piece at a time as the zip reads it.
class ContentXml {
  public:
    ContentXml(const Sheet& sheet, const ExportSettings& settings)
        : sheet_(sheet), cols_(sheet.columnCount()) {
        zip_error_init(&error_);
        start(settings);
    }
    ~ContentXml() { zip_error_fini(&error_); }
    ContentXml(const ContentXml&) = delete;
    ContentXml& operator=(const ContentXml&) = delete;

    zip_error_t* error() { return &error_; }

    // Copies up to `size` bytes; 0 at the end.
    std::size_t read(char* data, std::size_t size) {
        while (pending_.size() - taken_ < size && row_ <= sheet_.rowCount()) {
            pending_.erase(0, taken_);
            taken_ = 0;
            // Rows in batches keep the per-call cost small against the zip's reads.
            for (int n = 0; n < 256 && row_ <= sheet_.rowCount(); ++n) nextRow();
        }
        const std::size_t count = std::min(size, pending_.size() - taken_);
        std::memcpy(data, pending_.data() + taken_, count);
        taken_ += count;
        return count;
    }

  private:
    void start(const ExportSettings& settings) {
        std::string& out = pending_;
        out += R"(<?xml version="1.0" encoding="UTF-8"?>)";
        out += "\n<office:document-content";
        out += kNamespaces;
        out += "><office:automatic-styles>";
        out += dateStyle(settings.datePattern);
        for (int d = 0; d < kNumberStyles; ++d) {
            out += R"(<number:number-style style:name="N)" + std::to_string(d) +
                   R"("><number:number number:decimal-places=")" + std::to_string(d) +
                   R"(" number:min-integer-digits="1"/></number:number-style>)";
            out += R"(<style:style style:name="cn)" + std::to_string(d) +
                   R"(" style:family="table-cell" style:data-style-name="N)" + std::to_string(d) +
                   R"("/>)";
        }
        out += R"(<style:style style:name="cdate" style:family="table-cell")"
               R"( style:data-style-name="Ndate"/>)";
        out += R"(<style:style style:name="chead" style:family="table-cell">)"
               R"(<style:text-properties fo:font-weight="bold"/></style:style>)";
        for (int c = 0; c < cols_; ++c) {
            // A character of the default font is about 7 pixels at 96 per inch.
            out += R"(<style:style style:name="co)" + std::to_string(c) +
                   R"(" style:family="table-column"><style:table-column-properties)"
                   R"( style:column-width=")";
            appendDouble(out, (sheet_.columnWidth(c) * 7 + 5) / 96);
            out += R"(in"/></style:style>)";
        }
        out += "</office:automatic-styles><office:body><office:spreadsheet>";
        out += R"(<table:table table:name=")";
        appendEscaped(out, displayUtf8(sheet_.name()));
        out += R"(">)";
        for (int c = 0; c < cols_; ++c)
            out += R"(<table:table-column table:style-name="co)" + std::to_string(c) + R"("/>)";
        if (sheet_.rowCount() > 0 && sheet_.hasHeaderRow()) {
            headerOpen_ = true;
            out += "<table:table-header-rows>";
        }
    }

    void nextRow() {
        std::string& out = pending_;
        if (row_ == sheet_.rowCount()) {
            out += "</table:table></office:spreadsheet></office:body></office:document-content>";
            ++row_;
            return;
        }
        const bool heading = headerOpen_ && row_ == 0;
        out += "<table:table-row>";
        for (int c = 0; c < cols_; ++c) appendCell(sheet_.cell(row_, c), heading);
        out += "</table:table-row>";
        if (heading) out += "</table:table-header-rows>";
        ++row_;
    }

    void appendCell(const SheetCell& cell, bool heading) {
        std::string& out = pending_;
        switch (cell.storedType()) {
            case SheetCell::Type::Number: {
                out += R"(<table:table-cell office:value-type="float" office:value=")";
                appendDouble(out, cell.value);
                out += '"';
                if (heading) {
                    out += R"( table:style-name="chead")";
                } else if (cell.decimals >= 0) {
                    out += R"( table:style-name="cn)" +
                           std::to_string(std::min(cell.decimals, kNumberStyles - 1)) + '"';
                }
                break;
            }
            case SheetCell::Type::Date:
                out += R"(<table:table-cell office:value-type="date" office:date-value=")";
                appendDateValue(out, cell.value);
                out += heading ? R"(" table:style-name="chead")" : R"(" table:style-name="cdate")";
                break;
            case SheetCell::Type::Text:
                if (cell.text.empty()) {
                    out += heading ? R"(<table:table-cell table:style-name="chead"/>)"
                                   : "<table:table-cell/>";
                    return;
                }
                out += R"(<table:table-cell office:value-type="string")";
                if (heading) out += R"( table:style-name="chead")";
                break;
        }
        out += '>';
        appendLines(out, exportText(cell.text, converted_));
        out += "</table:table-cell>";
    }

    const Sheet& sheet_;
    int cols_;
    int row_ = 0;
    bool headerOpen_ = false;
    std::string pending_;
    std::size_t taken_ = 0;
    std::string converted_;
    zip_error_t error_;
};

zip_int64_t readContent(void* state, void* data, zip_uint64_t size, zip_source_cmd_t command) {
    auto* content = static_cast<ContentXml*>(state);
    switch (command) {
        case ZIP_SOURCE_OPEN:
        case ZIP_SOURCE_CLOSE:
        case ZIP_SOURCE_FREE:
            return 0;
        case ZIP_SOURCE_READ:
            return static_cast<zip_int64_t>(content->read(static_cast<char*>(data), size));
        case ZIP_SOURCE_STAT:
            zip_stat_init(static_cast<zip_stat_t*>(data));
            return sizeof(zip_stat_t);
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(content->error(), data, size);
        case ZIP_SOURCE_SUPPORTS:
            return ZIP_SOURCE_SUPPORTS_READABLE;
        default:
            return -1;
    }
}

std::string settingsXml(const Sheet& sheet) {
    std::string out = R"(<?xml version="1.0" encoding="UTF-8"?>)";
    out += "\n<office:document-settings";
    out += kNamespaces;
    out += "><office:settings>";
    if (sheet.hasHeaderRow() && sheet.rowCount() > 0) {
        // The heading row stays in view while the rows scroll.
        out +=
            R"(<config:config-item-set config:name="ooo:view-settings">)"
            R"(<config:config-item-map-indexed config:name="Views">)"
            R"(<config:config-item-map-entry>)"
            R"(<config:config-item config:name="ViewId" config:type="string">view1</config:config-item>)"
            R"(<config:config-item-map-named config:name="Tables">)"
            R"(<config:config-item-map-entry config:name=")";
        appendEscaped(out, displayUtf8(sheet.name()));
        out +=
            R"(">)"
            R"(<config:config-item config:name="VerticalSplitMode" config:type="short">2</config:config-item>)"
            R"(<config:config-item config:name="VerticalSplitPosition" config:type="int">1</config:config-item>)"
            R"(<config:config-item config:name="ActiveSplitRange" config:type="short">2</config:config-item>)"
            R"(<config:config-item config:name="PositionTop" config:type="int">0</config:config-item>)"
            R"(<config:config-item config:name="PositionBottom" config:type="int">1</config:config-item>)"
            R"(</config:config-item-map-entry></config:config-item-map-named>)"
            R"(</config:config-item-map-entry></config:config-item-map-indexed>)"
            R"(</config:config-item-set>)";
    }
    return out + "</office:settings></office:document-settings>";
}

std::string stylesXml() {
    std::string out = R"(<?xml version="1.0" encoding="UTF-8"?>)";
    out += "\n<office:document-styles";
    out += kNamespaces;
    return out + "><office:styles/></office:document-styles>";
}

struct ArchiveDiscarder {
    void operator()(zip_t* archive) const {
        if (archive) zip_discard(archive);
    }
};
struct SourceFreer {
    void operator()(zip_source_t* source) const {
        if (source) zip_source_free(source);
    }
};

[[noreturn]] void failWith(const std::string& path, zip_error_t* error) {
    throw ExportError(cannotWriteMessage(path, zip_error_strerror(error)));
}

// Adds a file held in memory; the archive copies nothing until it is written.
zip_int64_t addFile(zip_t* archive, const char* name, std::string_view bytes,
                    const std::string& path) {
    zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (!source) failWith(path, zip_get_error(archive));
    const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        failWith(path, zip_get_error(archive));
    }
    return index;
}

}  // namespace

void writeOds(const Sheet& sheet, const std::string& path, const ExportSettings& settings) {
    AtomicFileWriter out(path);
    zip_error_t error;
    zip_error_init(&error);
    // The archive is built in memory and then written like any other file.
    std::unique_ptr<zip_source_t, SourceFreer> buffer(
        zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer) failWith(path, &error);
    std::unique_ptr<zip_t, ArchiveDiscarder> archive(
        zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error));
    if (!archive) failWith(path, &error);
    zip_source_keep(buffer.get());  // kept past zip_close, to read the result from

    // The standard wants the type first and stored, so a reader finds it at a fixed place.
    const zip_int64_t mime = addFile(archive.get(), "mimetype", kMimeType, path);
    if (zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(mime), ZIP_CM_STORE, 0) !=
        0)
        failWith(path, zip_get_error(archive.get()));
    addFile(archive.get(), "META-INF/manifest.xml", kManifest, path);
    const std::string styles = stylesXml();
    addFile(archive.get(), "styles.xml", styles, path);
    const std::string settingsFile = settingsXml(sheet);
    addFile(archive.get(), "settings.xml", settingsFile, path);
    ContentXml content(sheet, settings);
    zip_source_t* contentSource = zip_source_function(archive.get(), readContent, &content);
    if (!contentSource) failWith(path, zip_get_error(archive.get()));
    const zip_int64_t contentIndex =
        zip_file_add(archive.get(), "content.xml", contentSource, ZIP_FL_ENC_UTF_8);
    if (contentIndex < 0) {
        zip_source_free(contentSource);
        failWith(path, zip_get_error(archive.get()));
    }
    // The table's XML is large and repetitive: the fastest deflate level already shrinks it
    // most of the way, in a fraction of the default level's time.
    if (zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(contentIndex),
                                 ZIP_CM_DEFLATE, 1) != 0)
        failWith(path, zip_get_error(archive.get()));
    if (zip_close(archive.get()) != 0) failWith(path, zip_get_error(archive.get()));
    archive.release();

    if (zip_source_open(buffer.get()) != 0) failWith(path, zip_source_error(buffer.get()));
    std::vector<char> chunk(1 << 16);
    while (true) {
        const zip_int64_t got = zip_source_read(buffer.get(), chunk.data(), chunk.size());
        if (got < 0) {
            zip_source_close(buffer.get());
            failWith(path, zip_source_error(buffer.get()));
        }
        if (got == 0) break;
        out.write(std::string_view(chunk.data(), static_cast<std::size_t>(got)));
    }
    zip_source_close(buffer.get());
    out.commit();
}

}  // namespace quillet
