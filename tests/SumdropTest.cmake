# SPDX-License-Identifier: MIT
# sumdrop_test: one call registers one test with everything it runs on.
#
#   sumdrop_test(NAME TIMEOUT SECONDS
#                [SESSION offscreen|x11|x11-wm|x11-wm-accessibility|own]
#                [SCREEN WIDTHxHEIGHT-SCALE] [LOCK RESOURCE] [COST N]
#                [NEEDS TOOL...] [ENVIRONMENT VAR=VALUE...]
#                COMMAND ...)
#
# SESSION: offscreen (the default) is Qt's offscreen platform with one screen, SCREEN (by default
# 1920x1080 at 100 %); x11, x11-wm and x11-wm-accessibility run the command in a private desktop
# (desktop/run_in_session.sh) with an X server and a session bus, openbox, and the accessibility
# bus; own is for a command that starts the desktop it needs itself. NEEDS names the programs the
# test cannot run without: where one is missing the test is still listed, and reported as not
# run, with the reason.

set(SUMDROP_SKIPPED 77)

# The offscreen platform with one screen of WIDTH x HEIGHT pixels at SCALE percent, as a desktop
# scaled that much reports it.
function(sumdrop_offscreen_screen variable screen)
  string(REGEX MATCH "^([0-9]+)x([0-9]+)-([0-9]+)$" matched "${screen}")
  if(NOT matched)
    message(FATAL_ERROR "screen ${screen} is not WIDTHxHEIGHT-SCALE")
  endif()
  math(EXPR dpi "96 * ${CMAKE_MATCH_3} / 100")
  set(file "${PROJECT_BINARY_DIR}/screens/${screen}.json")
  file(WRITE "${file}" "{ \"screens\": [ { \"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": ${CMAKE_MATCH_1}, \"height\": ${CMAKE_MATCH_2}, \"logicalDpi\": ${dpi}, \"logicalBaseDpi\": 96 } ] }\n")
  set(${variable} "offscreen:configfile=${file}" PARENT_SCOPE)
endfunction()

function(sumdrop_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT;SESSION;SCREEN;LOCK;COST" "NEEDS;ENVIRONMENT;COMMAND")
  if(NOT arg_TIMEOUT OR NOT arg_COMMAND)
    message(FATAL_ERROR "sumdrop_test(${name}) needs TIMEOUT and COMMAND")
  endif()
  if(NOT arg_SESSION)
    set(arg_SESSION offscreen)
  endif()
  # Every test finds the layout's figures where the build printed them.
  set(environment ${arg_ENVIRONMENT} "SUMDROP_LAYOUT_FIGURES=${SUMDROP_LAYOUT_FIGURES}")
  set(needs ${arg_NEEDS})
  set(session_script "${PROJECT_SOURCE_DIR}/desktop/run_in_session.sh")
  if(arg_SESSION STREQUAL "offscreen")
    if(NOT arg_SCREEN)
      set(arg_SCREEN 1920x1080-100)
    endif()
    sumdrop_offscreen_screen(platform ${arg_SCREEN})
    list(APPEND environment "QT_QPA_PLATFORM=${platform}")
    set(command ${arg_COMMAND})
  elseif(arg_SESSION STREQUAL "x11")
    list(APPEND needs Xvfb dbus-daemon xdpyinfo)
    set(command bash "${session_script}" -- ${arg_COMMAND})
  elseif(arg_SESSION STREQUAL "x11-wm")
    list(APPEND needs Xvfb dbus-daemon xdpyinfo openbox)
    set(command bash "${session_script}" --window-manager -- ${arg_COMMAND})
  elseif(arg_SESSION STREQUAL "x11-wm-accessibility")
    list(APPEND needs Xvfb dbus-daemon xdpyinfo openbox at-spi-bus-launcher)
    set(command bash "${session_script}" --window-manager --accessibility -- ${arg_COMMAND})
  elseif(arg_SESSION STREQUAL "own")
    set(command ${arg_COMMAND})
  else()
    message(FATAL_ERROR "sumdrop_test(${name}): unknown SESSION ${arg_SESSION}")
  endif()

  set(missing)
  foreach(tool IN LISTS needs)
    string(MAKE_C_IDENTIFIER "SUMDROP_TOOL_${tool}" variable)
    find_program(${variable} ${tool} PATHS /usr/libexec /usr/lib/at-spi2-core)
    if(NOT ${variable})
      list(APPEND missing ${tool})
    endif()
  endforeach()
  if(missing)
    string(REPLACE ";" ", " missing "${missing}")
    set(command sh -c "echo 'not run: needs ${missing}'; exit ${SUMDROP_SKIPPED}")
  endif()

  add_test(NAME ${name} COMMAND ${command})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT} SKIP_RETURN_CODE ${SUMDROP_SKIPPED})
  if(environment)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
  endif()
  if(arg_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK ${arg_LOCK})
  endif()
  if(arg_COST)
    set_tests_properties(${name} PROPERTIES COST ${arg_COST})
  endif()
endfunction()
