# --generate SEED prints the level the seed gives, byte for byte as recorded when the generator's
# version was made, on every build.
#   cmake -DGAME=path/to/swirlfall -DSEED=1-easy-42 -DEXPECTED=generated/1-easy-42.swirl -P generate.cmake
execute_process(COMMAND "${GAME}" --generate "${SEED}" OUTPUT_VARIABLE printed RESULT_VARIABLE status)
file(READ "${EXPECTED}" expected)
if(NOT status EQUAL 0 OR NOT printed STREQUAL expected)
  message(FATAL_ERROR "--generate ${SEED} (status ${status}):\n${printed}\nexpected:\n${expected}")
endif()
