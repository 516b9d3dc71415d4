// SPDX-License-Identifier: MIT
#include "cli/squad_help.h"

namespace vorlenta::cli {

const char squad_help_text[] =
    "Usage: vorlenta-squad [OPTION]... [FILE]...\n"
    "Read a squad's CSV file (one row per athlete; or standard input) and write it\n"
    "to standard output with the calculators' columns and then the formula\n"
    "columns appended, each cell the very text the Vorlenta window shows.\n"
    "\n"
    "  -c, --column NAME=EXPRESSION  add a formula column, evaluated for every row\n"
    "                                (repeatable; a formula may use earlier ones)\n"
    "  -d, --decimal . | ,           the decimal separator of the file's numbers\n"
    "  -h, --help                    show this help and exit\n"
    "      --version                 show the version and exit\n"
    "  --                            what follows are files, even if they start with -\n"
    "\n"
    "Input columns (names match without regard to case and surrounding blanks):\n"
    "  body_mass (kg), body_fat (%), target_body_fat (%), load (kg), reps,\n"
    "  dist1 (m), time1 (s), dist2 (m), time2 (s), speed (km/h), bike_mass (kg),\n"
    "  grade (%), running_speed (km/h)\n"
    "Calculators' columns, each appended when all its inputs are columns of the file:\n"
    "  fat_free_mass, target_body_mass (body_mass, body_fat[, target_body_fat]);\n"
    "  one_rm (load, reps), one_rm_per_kg (and body_mass); acceleration (dist1,\n"
    "  time1, dist2, time2); power, power_per_kg (speed, bike_mass, grade,\n"
    "  body_mass); running_power (running_speed, body_mass).\n"
    "A cell is empty when one of its inputs is. Every other column passes through.\n"
    "\n"
    "A file whose header is separated by ';' has decimal commas and is written back\n"
    "so; ',' means decimal points. Output keeps the input's separator and line ends.\n"
    "A text cell that a spreadsheet would run as a formula (starting with = + - @)\n"
    "is written as '=... in quotes, so that it stays text.\n"
    "\n"
    "Problems go to standard error as FILE:LINE: column: message; every row is\n"
    "still written. Exit status:\n"
    "  0  no problem\n"
    "  1  a problem was reported (a cell that is no number, a formula fault, an\n"
    "     unclosed quote, a row with too many cells, a file that cannot be read)\n"
    "  2  usage error\n"
    "See vorlenta-squad(1).\n";

} // namespace vorlenta::cli
