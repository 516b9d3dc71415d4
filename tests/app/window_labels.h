// SPDX-License-Identifier: MIT
#pragma once

// Which control names each field: its label, or for the body mass its frame.

namespace vorlenta::testing {

inline const char *const labelled_by =
    "Text1 Label11 Text23 Label22 Text11 Frame6 Text12 Label12 Text13 Label13 Text14 Label14 Text15 Label15 "
    "Text2 Label2 Text3 Label3 Text4 Label4 Text5 Label5 Text6 Label6 Text7 Label7 Text8 Label8 Text9 Label9 "
    "Text10 Label10 Text16 Label1 Text17 Label18 Text18 Label19 Text19 Label20 Text20 Label21 Text21 Label16 "
    "Text22 Label17";

} // namespace vorlenta::testing
