// SPDX-License-Identifier: MIT
// A squad's file through the calculators and the formula columns: what each
// row becomes and every problem with its line.

#include <gtest/gtest.h>

#include "squad/squad_stream.h"

namespace vorlenta::squad {
namespace {

struct Outcome {
    std::string out;
    std::string problems; // "LINE column: message", one a line
};

Outcome run(const std::string &file, const std::vector<std::string> &formulas)
{
    StreamOptions options;
    for (const std::string &text : formulas) {
        std::string why;
        options.formulas.push_back(*parse_formula_definition(text, options.formulas, why));
    }
    TextSource source(file);
    SquadStream stream(source, options);
    Outcome result;
    std::vector<Problem> problems;
    while (stream.next(result.out, problems) != SquadStream::Output::End) {}
    for (const Problem &problem : problems)
        result.problems += std::to_string(problem.line) + " " + (problem.column.empty() ? "" : problem.column + ": ")
            + problem.message + "\n";
    return result;
}

TEST(SquadColumns, ComputesEachRowAndReportsWhatIsWrong)
{
    const struct {
        const char *name;
        const char *file;
        std::vector<std::string> formulas;
        const char *out;
        const char *problems;
    } rows[] = {
        {"formulas use earlier ones, in the file's notation",
         "a;b\n1,5;2\n",
         {"s = A+b", "t=s*2"},
         "a;b;s;t\n1,5;2;3,5;7\n",
         ""},
        {"an empty cell leaves no result, one that is no number is reported",
         "a,b\n1,\nx,2\n1,2\n",
         {"s=a+b"},
         "a,b,s\n1,,\nx,2,\n1,2,3\n",
         "3 s: a is not a number: 'x'\n"},
        {"a fault of one row", "a\n0\n4\n", {"r=1/a"}, "a,r\n0,\n4,0.25\n", "2 r: Division by zero\n"},
        {"a formula's own fault, once",
         "a,Squat\n1,2\n",
         {"f=a+*2", "g=b*2", "h=Squat"},
         "a,Squat,f,g,h\n1,2,,,\n",
         "1 f: Operand expected (position 3)\n"
         "1 g: no column named 'b' (a formula sees the file's columns and the ones before it)\n"
         "1 h: no column named 'quat' (S is a function: write squat in lower case)\n"},
        {"a column the file has is filled, or kept and reported",
         "body_mass,body_fat,fat_free_mass\n80,20,\n80,20,64.00\n80,20,60\n",
         {},
         "body_mass,body_fat,fat_free_mass\n80,20,64.00\n80,20,64.00\n80,20,60\n",
         "4 fat_free_mass: the file's '60' is kept; computed: '64.00'\n"},
        {"inputs the window cannot take",
         "Body_Mass ,load,reps,speed,bike_mass,grade\n1e39,100,10,30,10,0\n80,100,10,25.75,9,5\n",
         {},
         "Body_Mass ,load,reps,speed,bike_mass,grade,one_rm,one_rm_per_kg,power,power_per_kg\n"
         "1e39,100,10,30,10,0,133.37,,,\n80,100,10,25.75,9,5,133.37,1.67,,\n",
         "2 Body_Mass : '1e39' is beyond the range of the calculators\n"
         "3 speed: '25.75' is longer than the 4 characters the window's field takes\n"},
        {"the running power asks for a body mass; a speed of 0 converts nothing",
         "body_mass,running_speed\n0,12\n70,12\n70,0\n",
         {},
         "body_mass,running_speed,running_power\n0,12,\n70,12,237\n70,0,0.0\n",
         "2 running_power: Please insert body mass first.\n"},
        {"short rows, and long ones with every cell",
         "a,b\n1\n1,2,3\n",
         {},
         "a,b\n1,\n1,2,3\n",
         "3 a row with too many cells: 3, the header has 2 (the others are kept at the end)\n"},
    };
    for (const auto &row : rows) {
        const Outcome result = run(row.file, row.formulas);
        EXPECT_EQ(result.out, row.out) << row.name;
        EXPECT_EQ(result.problems, row.problems) << row.name;
    }
}

TEST(SquadColumns, RefusesFormulasThatCannotBeColumns)
{
    std::vector<FormulaDefinition> earlier{{"x", "1"}};
    for (const char *text : {"=1", "y=", "y", "Power=2", " body_mass = 1", "X=2"}) {
        std::string why;
        EXPECT_FALSE(parse_formula_definition(text, earlier, why)) << text;
        EXPECT_FALSE(why.empty()) << text;
    }
}

} // namespace
} // namespace vorlenta::squad
