#pragma once

#include <array>
#include <cstdio>
#include <string>

#include "support/TempDir.h"

namespace quillet::test {

// Reads a file back with an independent reader in Python: runs `script` with the system's
// interpreter (the one with openpyxl and odfpy) on `path` and returns what it prints.
inline std::string runPythonReader(const TempDir& dir, const std::string& script,
                                   const std::string& path) {
    const std::string scriptPath = dir.file("reader.py");
    writeBytes(scriptPath, script);
    const std::string command = "/usr/bin/python3 '" + scriptPath + "' '" + path + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return "(cannot run python)";
    std::string out;
    std::array<char, 4096> buffer{};
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), got);
    ::pclose(pipe);
    return out;
}

// Each cell as "type:value", a tab between cells and a newline after each row; line breaks
// inside a cell shown as "|".
inline const char* kXlsxReader = R"(import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.active
print('sheet', ws.title, 'frozen', ws.freeze_panes, 'bold', ws['A1'].font.b,
      'widthB', round(ws.column_dimensions['B'].width or 0))
for row in ws.iter_rows():
    out = []
    for c in row:
        v = c.value
        if v is None: out.append('-'); continue
        if c.is_date: out.append('date:' + v.strftime('%Y-%m-%d') + ':' + c.number_format); continue
        if c.data_type == 'n': out.append('num:' + repr(v) + ':' + c.number_format); continue
        out.append('text:' + str(v).replace('\n', '|'))
    print('\t'.join(out))
)";

inline const char* kOdsReader = R"(import sys, zipfile
from odf.opendocument import load
from odf.table import Table, TableRow, TableCell
from odf.text import P
from odf import teletype
z = zipfile.ZipFile(sys.argv[1])
first = z.infolist()[0]
print('first', first.filename, 'stored', first.compress_type == zipfile.ZIP_STORED)
doc = load(sys.argv[1])
for t in doc.spreadsheet.getElementsByType(Table):
    print('sheet', t.getAttribute('name'))
    for row in t.getElementsByType(TableRow):
        out = []
        for c in row.getElementsByType(TableCell):
            kind = c.getAttribute('valuetype')
            text = '|'.join(teletype.extractText(p) for p in c.getElementsByType(P))
            if kind == 'float': out.append('num:' + c.getAttribute('value') + ':' + text)
            elif kind == 'date': out.append('date:' + c.getAttribute('datevalue'))
            elif kind == 'string': out.append('text:' + text)
            else: out.append('-')
        print('\t'.join(out))
)";

inline std::string csvReader(char separator) {
    return std::string(R"(import sys, csv
with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:
    for row in csv.reader(f, delimiter=')") +
           separator + R"('):
        print('\t'.join(v.replace('\r\n', '|').replace('\n', '|') for v in row))
)";
}

}  // namespace quillet::test
