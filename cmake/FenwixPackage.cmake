# Installs the library as a CMake package: the public header, libfenwix.a, the message
# database, the toolchain file of the library's target (32-bit or 64-bit Windows), the
# programs' manifest and a configuration that lets another mingw-w64 project write
#   find_package(Fenwix 1.0 REQUIRED)
#   target_link_libraries(app PRIVATE Fenwix::fenwix)
#   fenwix_add_manifest(app)
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(FENWIX_CONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Fenwix)

# Installed programs include <fenwix/fenwix.h>, as the library's own sources do.
target_include_directories(fenwix PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
# A program's Release build carries no symbols, as the library's own programs do.
target_link_options(fenwix INTERFACE $<INSTALL_INTERFACE:$<$<CONFIG:Release>:-s>>)

install(TARGETS fenwix EXPORT FenwixTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/fenwix/fenwix.h ${PROJECT_SOURCE_DIR}/fenwix/fenwix.hpp
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/fenwix)
# A program reads fenmsg.fdb from its current directory, else from beside its executable;
# the package ships the library's own texts for programs to copy next to themselves.
install(FILES ${PROJECT_SOURCE_DIR}/data/fenmsg.fdb
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fenwix)
# A program must be compiled by the same mingw-w64 toolchain as the library; shipping the
# toolchain file beside the configuration lets the installed tree alone configure it. The
# library's pointer size says which one: a 64-bit libfenwix.a links only into PE32+ programs.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(FENWIX_TOOLCHAIN_FILE mingw-x86_64.cmake)
else()
  set(FENWIX_TOOLCHAIN_FILE mingw-i686.cmake)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/cmake/${FENWIX_TOOLCHAIN_FILE} DESTINATION ${FENWIX_CONFIG_DIR})
# fenwix_add_manifest, with the manifest and the resource script it compiles into a program.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/FenwixManifest.cmake ${CMAKE_CURRENT_LIST_DIR}/fenwix.manifest
              ${CMAKE_CURRENT_LIST_DIR}/fenwix_manifest.rc
        DESTINATION ${FENWIX_CONFIG_DIR})
install(EXPORT FenwixTargets NAMESPACE Fenwix:: DESTINATION ${FENWIX_CONFIG_DIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/FenwixConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/FenwixConfig.cmake
  INSTALL_DESTINATION ${FENWIX_CONFIG_DIR}
  PATH_VARS CMAKE_INSTALL_DATADIR)
# Any 1.x is compatible with 1.0: calls are only ever added within a major version.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/FenwixConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/FenwixConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/FenwixConfigVersion.cmake
        DESTINATION ${FENWIX_CONFIG_DIR})
