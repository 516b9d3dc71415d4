// SPDX-License-Identifier: MIT
// Run by the build (on node): writes what the page takes from the model's
// headers, so that no number of them is written twice.
//   FACTS_JSON  each field's character limit by its id, for index.html;
//   FACTS_JS    a module with the field and panel counts and the bits of an
//               action's answer, for the page's script.

#include <cstdio>
#include <fstream>
#include <iostream>

#include "fields/field_table.h"
#include "web/changes.h"

int main(int argc, char **argv)
{
    using namespace vorlenta;
    if (argc != 3) {
        std::cerr << "usage: page_facts FACTS_JSON FACTS_JS\n";
        return 2;
    }
    std::ofstream json(argv[1]);
    json << "{\"maxLength\": {";
    const char *comma = "";
    for (const FieldEntry &entry : field_entries()) {
        json << comma << '"' << entry.name << "\": " << entry.max_length;
        comma = ", ";
    }
    json << "}}\n";

    std::ofstream js(argv[2]);
    js << "// Written by the build from the model's headers.\n"
       << "export const FIELD_COUNT = " << field_count << ";\n"
       << "export const PANEL_COUNT = " << panel_count << ";\n"
       << "export const PANELS_CHANGED = " << page_changes::panels << ";\n"
       << "export const CAPTION_CHANGED = " << page_changes::caption << ";\n";
    return json.good() && js.good() ? 0 : 1;
}
