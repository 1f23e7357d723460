# Fails the build when a core source includes a Qt header: the core must stay toolkit-free.
file(GLOB_RECURSE core_files "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
foreach(f IN LISTS core_files)
  file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(hits)
    message(FATAL_ERROR "Core file ${f} includes a Qt header: ${hits}")
  endif()
endforeach()
file(WRITE "${STAMP}" "ok\n")
