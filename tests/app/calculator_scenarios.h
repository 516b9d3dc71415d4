// SPDX-License-Identifier: MIT
#pragma once

// The calculators as a user meets them, every worked example of each panel.

#include "scenario.h"

namespace vorlenta::testing {

inline const Scenario calculator_scenarios[] = {
    {"lb to kg", "Text23=150 Command1 Text1:68.2 Text23=220 Command1 Text1:100.0 Text23=1 Command1 Text1:0.5"},
    {"lb rounded to 0.1 first", "Text23=12.44 Command1 Text1:5.6 Text23=abc Command1 Text1:0.0"},
    {"kg to lb", "Text1=45.47 Command1 Text23:100.1 Text1=68.2 Command1 Text23:150.0 Text1=-10 Command1 Text23:-22.0"},
    {"lb kept whole", "Text1=500 Command1 Text23:1100.0"},
    {"first click converts zero lb", "Command1 Text1:0.0 Text23:0.00"},
    {"keys turn the arrows", "Text23=1 Command1:<- Text1:0.0 Text1=2 Command1:-> Text23:0.0 Text21=3 Command2:-> "
                            "Text22:0.0 Text22=4 Command2:<- Text21:0.0"},
    {"fat-free and target mass", "Text11=80 Text12=20 Text14=15 Text13:64.00 Text15:76.00 Text11=72.5 "
                                 "Text12=18.3 Text14=12 Text13:59.23 Text15:67.93"},
    {"body fat out of range", "Text11=80 Text12=120 Text14=10 Text13:-16.00 Text15:-8.00 Text12=-5 "
                              "Text14=0 Text13:84.00 Text15:84.00 Text12=0 Text13:80.00 Text15:80.00"},
    {"an empty percentage writes nothing", "Text11=100 Text12=25 Text14=10 Text13:75.00 Text15:85.00 Text12= "
                                           "Text13:75.00 Text15:85.00 Text14= Text13:100.00 Text15:110.00"},
    {"one-repetition maximum", "Text11=80 Text2=100 Text3=10 Text4:133.37 Text5:1.67 Text3=1 Text4:100.00 "
                               "Text5:1.25 Text3=0 Text4:97.30 Text3=36 Text4:3703.70 Text5:46.30"},
    {"1RM beyond 36 repetitions", "Text11=75.5 Text2=150 Text3=5 Text4:168.77 Text5:2.24 Text3=37 "
                                  "Text4:-187500.00 Text3= Text4:-187500.00"},
    {"1RM without a body mass", "Text2=80 Text3=8 Text4:99.33 Text5:0.00"},
    {"body mass decides the panels", "-panels Text11=8 +panels Text11=0 -panels Text11=-5 -panels "
                                     "Text11=1e39 -panels Text11=75 +panels Tab Text11:75.0 +panels"},
    {"zero body mass still writes", "Text11=80 Text12=20 Text14=15 Text2=100 Text3=10 Text11=0 Text13:0.00 "
                                    "Text15:0.00 Text4:133.37 Text5:0.00"},
    {"letters keep the body mass", "Text11=80 Text12=20 Text11=abc -panels Text13:64.00 Text20:0.0"},
    {"cycling power", "Text11=70 Text16=30 Text17=10 Text18=0 Text19:142 Text20:2.0 Text16=25 Text17=9 "
                      "Text18=5 Text19:355 Text20:5.1 Text16=30 Text17=10 Text18=-5 Text19:-185 Text20:-2.6"},
    {"speed read to 0.01", "Text11=70 Text17=9 Text18=99 Text16=.456 Text19:101 Text20:1.4"},
    {"unreadable speed", "Text11=70 Text16=abc Text17=10 Text18=5 Text19:0 Text20:0.0"},
    {"typed results are recomputed", "Text11=70 Text16=30 Text17=10 Text18=5 Text19=999 Text19:469 "
                                     "Text20=9.9 Text20:6.7 Tab Text20:6.7"},
    {"no power per kg without body mass", "Text11=70 Text16=30 Text17=10 Text11=0 Text19:142 Text20:"},
    {"running to cycling", "Text11=70 Text22=250 Command2 Text21:12.7 Command2 Text22:251 Text21=12 "
                           "Command2 Text22:237"},
    {"zeros convert nothing", "Text11=70 Command2 Text21:0.00 Text22:0.00 Text22=abc Command2 Text21:0.0"},
    {"negative body mass", "Text11=-70 Text22=250 Command2 Text21:-12.7"},
    {"no body mass, a message", "Command2 !message Text21=12 Command2 !message Text22:0.0"},
    {"acceleration", "Text6=10 Text7=2 Text8=30 Text9=4 Text10:1.25 Text8=12 Text10:-1.00 Text6=abc "
                     "Text8=30 Text10:3.75 Text9=2 Text10:0.00 Text9=4 Text7=0 Text10:0.00"},
};

} // namespace vorlenta::testing
