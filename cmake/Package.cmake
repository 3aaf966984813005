# The data package "Quibnar2.VexPak": every picture the asset generator draws, every sample
# and music module the sound generator makes, the hand-made content (levels, the set
# file, solutions) and the intro video made from all of these, zipped by vexpak. Nothing generated is committed; the build makes it.
if(TARGET assetgen AND TARGET soundgen AND TARGET vidgen AND TARGET vexpak)
  set(QN2_PACKAGE_FILES "${CMAKE_BINARY_DIR}/package")
  set(QN2_PACKAGE "${CMAKE_BINARY_DIR}/Quibnar2.VexPak")
  file(GLOB_RECURSE qn2_content_files CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/content/*")
  add_custom_command(
    OUTPUT "${QN2_PACKAGE}"
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${QN2_PACKAGE_FILES}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${QN2_PACKAGE_FILES}"
    COMMAND $<TARGET_FILE:assetgen> "${QN2_PACKAGE_FILES}"
    COMMAND $<TARGET_FILE:soundgen> "${QN2_PACKAGE_FILES}"
    COMMAND "${CMAKE_COMMAND}" -E copy_directory "${PROJECT_SOURCE_DIR}/content" "${QN2_PACKAGE_FILES}"
    COMMAND $<TARGET_FILE:vidgen> "${QN2_PACKAGE_FILES}"
    COMMAND $<TARGET_FILE:vexpak> create "${QN2_PACKAGE}" "${QN2_PACKAGE_FILES}"
    DEPENDS assetgen soundgen vidgen vexpak ${qn2_content_files}
    COMMENT "Building the data package Quibnar2.VexPak"
    VERBATIM)
  add_custom_target(data_package ALL DEPENDS "${QN2_PACKAGE}")
endif()
