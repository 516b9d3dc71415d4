# SPDX-License-Identifier: MIT
# Installing the expression evaluator as a library for other programs, in two
# components that the Debian packages take over one to one:
#   libvorlenta-eval2     the shared library: libvorlenta-eval.so.2.0.0 and
#                         its SONAME link libvorlenta-eval.so.2;
#   libvorlenta-eval-dev  the headers, the link libvorlenta-eval.so, the CMake
#                         package (Vorlenta::eval) and vorlenta-eval.pc.
include(CMakePackageConfigHelpers)

set(runtime_component libvorlenta-eval${VORLENTA_EVAL_SOVERSION})
set(dev_component libvorlenta-eval-dev)
set(cmake_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Vorlenta)

install(TARGETS vorlenta_eval EXPORT VorlentaEvalTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        COMPONENT ${runtime_component} NAMELINK_COMPONENT ${dev_component})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/eval/include/ ${PROJECT_BINARY_DIR}/eval/include/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT ${dev_component})

install(EXPORT VorlentaEvalTargets NAMESPACE Vorlenta:: DESTINATION ${cmake_package_dir}
    COMPONENT ${dev_component})
configure_package_config_file(VorlentaConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/VorlentaConfig.cmake INSTALL_DESTINATION ${cmake_package_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VorlentaConfigVersion.cmake
    VERSION ${VORLENTA_EVAL_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VorlentaConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/VorlentaConfigVersion.cmake
    DESTINATION ${cmake_package_dir} COMPONENT ${dev_component})

# vorlenta-eval.pc names the prefix it is installed under, so it is written
# at install time: every path in it is ${prefix}/…
set(VORLENTA_PC_PREFIX @VORLENTA_PC_PREFIX@) # left for the install step to fill
foreach(dir LIBDIR INCLUDEDIR)
    if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
        set(VORLENTA_PC_${dir} "${CMAKE_INSTALL_${dir}}")
    else()
        set(VORLENTA_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
    endif()
endforeach()
configure_file(vorlenta-eval.pc.in ${CMAKE_CURRENT_BINARY_DIR}/vorlenta-eval.pc.in @ONLY)
install(CODE "
    set(VORLENTA_PC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
    configure_file(\"${CMAKE_CURRENT_BINARY_DIR}/vorlenta-eval.pc.in\"
        \"${CMAKE_CURRENT_BINARY_DIR}/vorlenta-eval.pc\" @ONLY)"
    COMPONENT ${dev_component})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vorlenta-eval.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT ${dev_component})

# The reference page and the two example programs, beside the package's
# copyright file.
install(FILES ${PROJECT_SOURCE_DIR}/docs/library.md
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${dev_component} COMPONENT ${dev_component})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${dev_component}/examples COMPONENT ${dev_component})
