# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a generator of ours afresh into SCRATCH and compares every file it
# writes with the one committed in COMMITTED.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${PYTHON} ${GENERATOR} ${SCRATCH} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${GENERATOR} failed")
endif()
file(GLOB_RECURSE drawn LIST_DIRECTORIES false RELATIVE ${SCRATCH} ${SCRATCH}/*)
foreach(name IN LISTS drawn)
    file(SHA256 ${SCRATCH}/${name} fresh)
    file(SHA256 ${COMMITTED}/${name} kept)
    if(NOT fresh STREQUAL kept)
        message(FATAL_ERROR "${name} differs from what ${GENERATOR} writes")
    endif()
endforeach()
message(STATUS "${drawn} match")
