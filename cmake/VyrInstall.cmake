# Installs the libraries, their public headers, a CMake package and a
# pkg-config file.
#
# Which headers are public follows from where they lie (docs/ARCHITECTURE.md,
# "Public and internal headers"):
#   platform/*.h                         the framework's units
#   platform/hosts/headless/Headless.h   the headless host's interface
#   companion/<package>/**.h, src/<Unit>/**.h
# except, anywhere, a folder named internal/ and files named *Internal.h or
# *_impl.h. Every other header under platform/ (raster/, text/, image/,
# hosts/, graphics/, controls/, ...) is the framework's implementation.
# The lists are globbed again at every build, so a new header follows the
# rule without a CMake edit.
include(CMakePackageConfigHelpers)

foreach(lib platform basepack mathpack guipack)
  set_target_properties(vyr${lib} PROPERTIES EXPORT_NAME ${lib})
  add_library(vyr::${lib} ALIAS vyr${lib})
endforeach()

# The libraries find each other beside themselves wherever the prefix is.
set_target_properties(vyrplatform vyrbasepack vyrmathpack vyrguipack
                      PROPERTIES INSTALL_RPATH "\$ORIGIN")

install(TARGETS vyrplatform vyrbasepack vyrmathpack vyrguipack
        EXPORT vyrguipackTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The public headers, as paths relative to the source folder.
function(vyr_public_headers out)
  set(root ${PROJECT_SOURCE_DIR})
  file(GLOB top CONFIGURE_DEPENDS RELATIVE ${root} ${root}/platform/*.h)
  file(GLOB_RECURSE units CONFIGURE_DEPENDS RELATIVE ${root}
       ${root}/companion/*.h ${root}/src/*.h)
  set(headers ${top} platform/hosts/headless/Headless.h ${units})
  list(FILTER headers EXCLUDE REGEX "(^|/)internal/")
  list(FILTER headers EXCLUDE REGEX "(Internal|_impl)\\.h$")
  list(SORT headers)
  set(${out} ${headers} PARENT_SCOPE)
endfunction()

vyr_public_headers(vyr_headers)
foreach(header IN LISTS vyr_headers)
  get_filename_component(dir ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/${header}
          DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vyrguipack/${dir})
endforeach()

install(EXPORT vyrguipackTargets NAMESPACE vyr::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vyrguipack)
configure_package_config_file(cmake/vyrguipackConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/vyrguipackConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vyrguipack)
write_basic_package_version_file(
  ${CMAKE_CURRENT_BINARY_DIR}/vyrguipackConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vyrguipackConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/vyrguipackConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vyrguipack)

# The pkg-config file names its prefix relative to its own folder, so the
# installed tree can be moved or installed with --prefix.
file(RELATIVE_PATH VYR_PC_PREFIX_FROM_PCDIR
     /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" VYR_PC_PREFIX_FROM_PCDIR "${VYR_PC_PREFIX_FROM_PCDIR}")
configure_file(cmake/vyrguipack.pc.in ${CMAKE_CURRENT_BINARY_DIR}/vyrguipack.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vyrguipack.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
