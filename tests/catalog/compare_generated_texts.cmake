# Runs the catalogue generator into a fresh folder and compares each text, byte for byte, with
# the committed one. Inputs: PYTHON, GENERATOR, SOURCES, OUTPUT, COMMITTED.
file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${PYTHON}" "${GENERATOR}" --data-dir "${SOURCES}" "${OUTPUT}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make_catalogues.py failed (${status})")
endif()
foreach(text stars.txt constellations.txt deepsky.txt designations.txt milkyway.txt
             boundaries.txt)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUTPUT}/${text}"
                            "${COMMITTED}/${text}"
                    RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "catalog/data/${text} differs from what the generator makes; "
                            "run tools/make_catalogues.py catalog/data")
    endif()
    message(STATUS "${text}: identical")
endforeach()
