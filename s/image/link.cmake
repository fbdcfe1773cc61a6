# JPEG decoding links libjpeg (v62 API): the system's on the host, and on Windows the static
# MinGW build that scripts/setup-libjpeg-mingw.sh puts in build/deps/libjpeg-mingw-<arch>.
if(WIN32)
  set(VEXO_LIBJPEG_MINGW "${CMAKE_SOURCE_DIR}/build/deps/libjpeg-mingw-${CMAKE_SYSTEM_PROCESSOR}" CACHE PATH
      "Where scripts/setup-libjpeg-mingw.sh installed libjpeg for MinGW")
  if(NOT EXISTS "${VEXO_LIBJPEG_MINGW}/lib/libjpeg.a")
    message(FATAL_ERROR "libjpeg for MinGW is missing: run scripts/setup-libjpeg-mingw.sh")
  endif()
  target_include_directories(s PUBLIC "${VEXO_LIBJPEG_MINGW}/include")
  target_link_libraries(s PUBLIC "${VEXO_LIBJPEG_MINGW}/lib/libjpeg.a" gdi32)
elseif(VEXO_FUZZERS AND EXISTS "${CMAKE_SOURCE_DIR}/build/deps/libjpeg-fuzz/lib/libjpeg.a")
  # Fuzzing builds use the decoder built with coverage (scripts/setup-libjpeg-fuzz.sh), so that
  # the fuzzer is guided through libjpeg's own paths too.
  set(vexo_libjpeg_fuzz "${CMAKE_SOURCE_DIR}/build/deps/libjpeg-fuzz")
  target_include_directories(s BEFORE PUBLIC "${vexo_libjpeg_fuzz}/include")
  target_link_libraries(s PUBLIC "${vexo_libjpeg_fuzz}/lib/libjpeg.a")
else()
  target_link_libraries(s PUBLIC jpeg)
endif()
