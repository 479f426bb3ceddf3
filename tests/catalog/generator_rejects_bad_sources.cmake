# The catalogue generator must refuse sources that do not give the catalogue: each case below
# spoils one copy of the sources and expects a non-zero exit and a message naming the fault.
# Inputs: PYTHON, GENERATOR, SOURCES, WORK.
function(expect_refusal case file search replace expected)
    set(dir "${WORK}/${case}")
    file(REMOVE_RECURSE "${dir}")
    file(COPY "${SOURCES}/" DESTINATION "${dir}/sources")
    file(READ "${dir}/sources/${file}" content)
    string(FIND "${content}" "${search}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${case}: '${search}' not in ${file}; update this test")
    endif()
    string(REPLACE "${search}" "${replace}" content "${content}")
    file(WRITE "${dir}/sources/${file}" "${content}")
    execute_process(COMMAND "${PYTHON}" "${GENERATOR}" --data-dir "${dir}/sources" "${dir}/out"
                    RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(status EQUAL 0 OR NOT errors MATCHES "${expected}")
        message(FATAL_ERROR "${case}: expected a refusal matching '${expected}', "
                            "got status ${status}: ${errors}")
    endif()
    if(EXISTS "${dir}/out/stars.txt")
        message(FATAL_ERROR "${case}: a text was written despite the refusal")
    endif()
    message(STATUS "${case}: refused (${errors})")
endfunction()

# A figure vertex moved one degree away from its star.
expect_refusal(vertex_without_star constellations.lines.json "[30.9748,42.3297]"
               "[31.9748,42.3297]" "no star within 10")
# Andromeda's first line string grown to 43 vertices.
string(REPEAT ",[2.0969,29.0904]" 40 extra)
expect_refusal(figure_too_large constellations.lines.json "[2.0969,29.0904]]"
               "[2.0969,29.0904]${extra}]" "more than 41")
# A Messier object missing.
expect_refusal(object_missing messier.json "\"M\": \"M110\"" "\"M\": \"M111\"" "M1 to M110")
# A Milky Way point moved 50 degrees north, far from the galactic equator.
expect_refusal(milky_way_off_the_band milkyway.outline.json "[97.804,34.571]" "[97.804,84.571]"
               "galactic")
# Andromeda's boundary given a corner its neighbour does not share: the boundaries no longer
# share out the sky.
expect_refusal(boundary_not_shared constellations.bounds.json
               "[-15.5347,35.1682],[-15.6571,53.168]"
               "[-15.5347,35.1682],[-10.0,45.0],[-15.6571,53.168]" "whole sky")
