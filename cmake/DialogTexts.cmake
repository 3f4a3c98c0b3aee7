# Reads the titles and control texts of dialog templates, so that code which runs without the
# program's resources (the tool, the native tests) knows the English labels the templates show:
#   cmake -DCOMPILER=<c++ compiler> -DSTUBS=<folder> -DOUTPUT=<file.inc> -DSCRIPTS=<a.rc;b.rc>
#         -P DialogTexts.cmake
# Each resource script is run through the compiler's preprocessor first (its macros carry texts
# and ids), against the stub system headers in STUBS, which define only the ids the templates use
# from them (the scripts are parts of one script that includes <windows.h> first, so every one
# gets it here too). OUTPUT gets one line per title and per control with a text and a numeric id:
#   Q700_DIALOG_TITLE("FORMDLG", "Form")
#   Q700_DIALOG_TEXT("FORMDLG", 451, "Name :")

cmake_minimum_required(VERSION 3.25)

if(NOT COMPILER OR NOT STUBS OR NOT OUTPUT OR NOT SCRIPTS)
  message(FATAL_ERROR
    "usage: cmake -DCOMPILER=c++ -DSTUBS=dir -DOUTPUT=file -DSCRIPTS=a.rc;b.rc -P DialogTexts.cmake")
endif()

set(blank "[ \t\r\n]")
set(quoted "\"(([^\"]|\"\")*)\"")
set(name_re "([A-Za-z_][A-Za-z0-9_]*)${blank}+DIALOGEX")
set(caption_re "CAPTION${blank}+${quoted}")
set(control_re
  "(LTEXT|RTEXT|CTEXT|PUSHBUTTON|DEFPUSHBUTTON|GROUPBOX|CONTROL|CHECKBOX|AUTOCHECKBOX|RADIOBUTTON|AUTORADIOBUTTON)${blank}+${quoted}${blank}*,${blank}*([^,]+),")

# A text of the script as a C++ string literal: the script doubles a quote, C++ escapes it.
# Backslash escapes mean the same in both.
function(cxx_literal text out)
  string(REPLACE "\"\"" "\\\"" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

set(lines "// Texts of the dialog templates, made by cmake/DialogTexts.cmake: do not edit.\n")
foreach(script ${SCRIPTS})
  get_filename_component(folder ${script} DIRECTORY)
  execute_process(
    COMMAND ${COMPILER} -E -P -x c -nostdinc -I${STUBS} -I${folder} -include windows.h ${script}
    OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cannot preprocess ${script}:\n${errors}")
  endif()
  # Keep the texts whole through CMake's lists, which split at ";" and treat brackets specially.
  string(REPLACE ";" "@Q700_SEMICOLON@" text "${text}")
  string(REPLACE "[" "@Q700_OPEN@" text "${text}")
  string(REPLACE "]" "@Q700_CLOSE@" text "${text}")
  string(REGEX MATCHALL "${name_re}|${caption_re}|${control_re}" items "${text}")
  set(dialog "")
  foreach(item ${items})
    string(REPLACE "@Q700_SEMICOLON@" ";" item "${item}")
    string(REPLACE "@Q700_OPEN@" "[" item "${item}")
    string(REPLACE "@Q700_CLOSE@" "]" item "${item}")
    if(item MATCHES "^${name_re}$")
      set(dialog "${CMAKE_MATCH_1}")
    elseif(item MATCHES "^${caption_re}$")
      if(dialog STREQUAL "")
        message(FATAL_ERROR "${script}: a caption outside a dialog")
      endif()
      cxx_literal("${CMAKE_MATCH_1}" title)
      string(APPEND lines "Q700_DIALOG_TITLE(\"${dialog}\", ${title})\n")
    elseif(item MATCHES "^${control_re}$")
      set(label "${CMAKE_MATCH_2}")
      string(STRIP "${CMAKE_MATCH_4}" id)
      if(dialog STREQUAL "")
        message(FATAL_ERROR "${script}: a control outside a dialog")
      endif()
      # Controls without an id of their own (-1) can never be relabelled.
      if(NOT id MATCHES "^[0-9 ()+*-]+$")
        message(FATAL_ERROR "${script}: the id \"${id}\" of \"${label}\" is not a number")
      endif()
      math(EXPR id "${id}")
      if(id GREATER 0)
        cxx_literal("${label}" label)
        string(APPEND lines "Q700_DIALOG_TEXT(\"${dialog}\", ${id}, ${label})\n")
      endif()
    endif()
  endforeach()
endforeach()

file(WRITE ${OUTPUT} "${lines}")
