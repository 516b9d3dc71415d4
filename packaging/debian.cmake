# SPDX-License-Identifier: MIT
# The Debian packages: `cpack -G DEB` in the build folder builds one package
# per install component, named after it:
#   vorlenta              the window, its menu entry, icons, metadata, help
#                         pages and manual page;
#   vorlenta-eval         the evaluator on the command line;
#   libvorlenta-eval2     the evaluator's shared library;
#   libvorlenta-eval-dev  what building against the library needs.
# Each carries its copyright file and changelog in /usr/share/doc/<package>/,
# as Debian policy asks of every package.

set(debian_components vorlenta vorlenta-eval libvorlenta-eval2 libvorlenta-eval-dev)
if(NOT VORLENTA_WINDOW)
    list(REMOVE_ITEM debian_components vorlenta)
endif()
set(debian_dir ${CMAKE_CURRENT_SOURCE_DIR}/debian)

configure_file(${debian_dir}/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)
configure_file(${debian_dir}/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
execute_process(COMMAND gzip -9nc ${CMAKE_CURRENT_BINARY_DIR}/changelog
    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
foreach(component IN LISTS debian_components)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${component} COMPONENT ${component})
    string(TOUPPER ${component} upper)
    set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${component})
endforeach()

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ONE_PER_GROUP)
set(CPACK_COMPONENTS_ALL ${debian_components})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlenta)
set(CPACK_PACKAGE_VENDOR "The Vorlenta developers")
set(CPACK_PACKAGE_CONTACT "${VORLENTA_PACKAGE_MAINTAINER}")
# CPackDeb puts the package summary above every component's description
# unless the summary is CPack's own default; each description below starts
# with its own summary line instead.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
# No RUNPATH and no compiler notes in the packaged binaries.
set(CPACK_PRE_BUILD_SCRIPTS ${debian_dir}/finish_binaries.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE vorlenta)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORLENTA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VORLENTA_WEB_ADDRESS}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The libraries the binaries link are found by dpkg-shlibdeps; the library
# package says which of its versions satisfy a program built against it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# dpkg-shlibdeps looks for the evaluator's library where the build left it,
# since it is in a package of its own; the dependency on that package, which
# the programs need in exactly their own version, is written by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/eval)
set(library_package "libvorlenta-eval2 (= ${PROJECT_VERSION})")

# Each description: its summary line, then what its readers need to know,
# wrapped to fit a terminal. An empty line separates paragraphs.
set(CPACK_DEBIAN_VORLENTA_PACKAGE_SECTION science)
# Qt loads the platform (xcb) plugin at run time, which dpkg-shlibdeps cannot see.
# The window does not evaluate expressions, so it needs no evaluator library.
set(CPACK_DEBIAN_VORLENTA_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_COMPONENT_VORLENTA_DESCRIPTION "field-test calculator for coaches and athletes
Vorlenta gathers six field-test calculations in one small desktop window:
body mass in pounds and kilograms, fat-free mass and the body mass at a
target body-fat percentage, the one-repetition maximum from a load lifted
several times (also per kilogram of body mass), running speed and the
equivalent cycling power, acceleration from two timed distances, and
road-cycling power from speed, grade and the masses of bicycle and rider.

Results follow every keystroke. The window speaks English, German, French
and Spanish, and its help pages are installed with it.")

set(CPACK_DEBIAN_VORLENTA-EVAL_PACKAGE_SECTION math)
# The command carries the evaluator and the C++ runtime in itself; line
# editing at a terminal loads libedit at run time, out of dpkg-shlibdeps' sight.
set(CPACK_DEBIAN_VORLENTA-EVAL_PACKAGE_DEPENDS "libedit2")
set(CPACK_COMPONENT_VORLENTA-EVAL_DESCRIPTION "evaluate arithmetic expressions on the command line
vorlenta-eval evaluates arithmetic expressions given as arguments, or read
line by line from files or standard input, and prints one value a line,
like bc; a line \"name = expression\" defines a name for the lines after it.
Numbers are read and written in the user's locale, or with a decimal point
when asked. Faults go to standard error with a caret under their position,
and the exit status tells a script whether every expression was evaluated
or which kind of fault stopped one.

It is the expression evaluator of the Vorlenta field-test calculator.")

# Multi-Arch: same, so that the library of several architectures can be
# installed side by side. CPack of CMake 3.25 (Debian 12) has no setting for
# the field, so it rides on the Section line of the control file.
set(CPACK_DEBIAN_LIBVORLENTA-EVAL2_PACKAGE_SECTION "libs\nMulti-Arch: same")
# The symbols file tells dpkg-shlibdeps which version of the package brought
# each symbol. The package test fails when the library's symbols change;
# rewrite it then from the package's files, extracted to ROOT, with
#   dpkg-gensymbols -plibvorlenta-eval2 -PROOT -vVERSION -Opackaging/debian/symbols
# (from a folder without debian/), giving each new symbol the version that
# brings it.
set(CPACK_DEBIAN_LIBVORLENTA-EVAL2_PACKAGE_CONTROL_EXTRA ${debian_dir}/triggers ${debian_dir}/symbols)
install(FILES ${debian_dir}/libvorlenta-eval2.lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME libvorlenta-eval2
    COMPONENT libvorlenta-eval2)
set(CPACK_COMPONENT_LIBVORLENTA-EVAL2_DESCRIPTION "infix expression evaluator for C++ programs - shared library
libvorlenta-eval evaluates infix arithmetic expressions with named symbols
and numbers in the user's notation, on the C++ standard library alone. A
syntax fault raises an error with its number and position, or comes back as
a value; an arithmetic fault such as a division by zero is reported as a
notice or a value.

This package contains the shared library that programs built against it
need at run time.")

set(CPACK_DEBIAN_LIBVORLENTA-EVAL-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBVORLENTA-EVAL-DEV_PACKAGE_DEPENDS "${library_package}")
set(CPACK_COMPONENT_LIBVORLENTA-EVAL-DEV_DESCRIPTION "infix expression evaluator for C++ programs - development files
libvorlenta-eval evaluates infix arithmetic expressions with named symbols
and numbers in the user's notation, on the C++ standard library alone.

This package contains what building a C++17 or later program against the
library needs: the headers under /usr/include/vorlenta, the CMake package
Vorlenta (target Vorlenta::eval), the pkg-config file vorlenta-eval.pc, the
reference page library.md and two example programs.")

include(CPack)
