# The font configuration is compiled into the library, so a program finds it
# wherever it runs from; the file is installed as well for inspection.
set(_zarn_fonts_conf "${CMAKE_CURRENT_LIST_DIR}/zarn-fonts.conf")
file(READ "${_zarn_fonts_conf}" ZARN_FONTS_CONF)
configure_file("${CMAKE_CURRENT_LIST_DIR}/fonts_conf.cpp.in"
  "${CMAKE_CURRENT_BINARY_DIR}/text_fonts_conf.cpp" @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_zarn_fonts_conf}")
target_sources(zarn_surface PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/text_fonts_conf.cpp")
install(FILES "${_zarn_fonts_conf}" DESTINATION ${CMAKE_INSTALL_DATADIR}/zarn)

find_package(Freetype REQUIRED)
find_package(Fontconfig REQUIRED)
target_link_libraries(zarn_surface PRIVATE Freetype::Freetype Fontconfig::Fontconfig)
