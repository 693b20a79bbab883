# Exports every built-in level and checks its proof with --verify, as a player would: the lines
# must be the ones recorded in builtin-levels.verified, whatever compiler, flags or Qt built the
# game. A proof is a replay, so a build that rounds differently would show here first.
#   cmake -DGAME=path/to/swirlfall -DEXPECTED=builtin-levels.verified -DWORK=folder -P verify-builtin.cmake
# --verify runs inside WORK, so a game named relative to the caller must be made absolute first.
get_filename_component(GAME "${GAME}" ABSOLUTE)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(levels "")
foreach(n RANGE 1 20)
  string(LENGTH "${n}" digits)
  set(name "level-${n}.swirl")
  if(digits EQUAL 1)
    set(name "level-0${n}.swirl")
  endif()
  execute_process(COMMAND "${GAME}" --export-level ${n} OUTPUT_FILE "${WORK}/${name}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "--export-level ${n} exited with ${status}")
  endif()
  list(APPEND levels "${name}")
endforeach()
execute_process(COMMAND "${GAME}" --verify ${levels} WORKING_DIRECTORY "${WORK}"
                OUTPUT_VARIABLE verified RESULT_VARIABLE status)
file(READ "${EXPECTED}" expected)
if(NOT status EQUAL 0 OR NOT verified STREQUAL expected)
  message(FATAL_ERROR "--verify of the built-in levels (status ${status}):\n${verified}\nexpected:\n${expected}")
endif()
