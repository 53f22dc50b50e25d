# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the portable program folder lacks a file the program needs at its first start.
set(required gx508 gx508ctl Skins config.bin config0.bin config1.bin str.ini strGaming.ini
             str0.ini str1.ini record.ini)
foreach(name ${required})
    if(NOT EXISTS ${PROGRAM_DIR}/${name})
        message(FATAL_ERROR "missing from ${PROGRAM_DIR}: ${name}")
    endif()
endforeach()
foreach(name config.bin config0.bin config1.bin)
    file(SIZE ${PROGRAM_DIR}/${name} size)
    if(NOT size EQUAL 65401)
        message(FATAL_ERROR "${name} is ${size} bytes, not 65401")
    endif()
endforeach()
