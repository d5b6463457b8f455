# Installs the libraries, their headers, a CMake package and a pkg-config file.
include(CMakePackageConfigHelpers)

foreach(lib platform basepack mathpack guipack)
  set_target_properties(vyr${lib} PROPERTIES EXPORT_NAME ${lib})
  add_library(vyr::${lib} ALIAS vyr${lib})
endforeach()

install(TARGETS vyrplatform vyrbasepack vyrmathpack vyrguipack
        EXPORT vyrguipackTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

foreach(dir platform companion src)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}
          DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vyrguipack
          FILES_MATCHING PATTERN "*.h")
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

configure_file(cmake/vyrguipack.pc.in ${CMAKE_CURRENT_BINARY_DIR}/vyrguipack.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vyrguipack.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
