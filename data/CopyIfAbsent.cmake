# cmake -DSOURCE=<file> -DTARGET=<file> -P CopyIfAbsent.cmake
if(NOT EXISTS "${TARGET}")
  get_filename_component(dir "${TARGET}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
