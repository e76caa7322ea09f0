# Writes flipstone-cli(6) with help2man from the tool's own --help and --version, and adds each
# command's help (`flipstone-cli help COMMAND`, for every command the overview lists: its usage,
# description, options and explanation), so the manual page says what the tool's declared
# options say. Run at build time:
#   cmake -DCLI=<flipstone-cli> -DHELP2MAN=<help2man> -DOUTPUT=<file.6> -P CliManPage.cmake

cmake_minimum_required(VERSION 3.25)

# Roff text from plain text: backslashes and leading dots kept literal, option dashes as minus
# signs, the JSON field lists never hyphenated.
function(roff_text text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|[ \n])[{]" "\\1\\\\%{" text "${text}")
  string(REGEX REPLACE "(^|[ [|,\n-])-" "\\1\\\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE overview COMMAND_ERROR_IS_FATAL ANY)
# The first line, "flipstone-cli: what it is.", gives the NAME line.
string(REGEX REPLACE "^flipstone-cli: ([^\n]*)\\.\n.*" "\\1" name "${overview}")
string(REGEX MATCH "\nCommands:\n(  [^\n]*\n)+" listing "${overview}")
string(REGEX MATCHALL "\n  [a-z]+ " commands "${listing}")

set(include "[COMMANDS]\n")
foreach(entry IN LISTS commands)
  string(STRIP "${entry}" command)
  if(command STREQUAL "help")
    continue()
  endif()
  execute_process(COMMAND ${CLI} help ${command} OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
  # The help is the command's one-line description, its usage, its options and its explanation.
  string(REGEX MATCH "\nUsage: ([^\n]*)\n" usage_line "${help}")
  set(usage "${CMAKE_MATCH_1}")
  string(REGEX MATCH "\nOptions:\n(  [^\n]*\n)+" options "${help}")
  string(REPLACE "${usage_line}" "\n" body "${help}")
  string(REPLACE "${options}" "\n" body "${body}")
  string(REGEX REPLACE "^\nOptions:\n" "" options "${options}")
  string(STRIP "${body}" body)
  roff_text("${usage}" usage)
  roff_text("${body}" body)
  roff_text("${options}" options)
  string(REPLACE "\n\n" "\n.IP\n" body "${body}")
  string(FIND "${body}" "\n" end)
  string(SUBSTRING "${body}" 0 ${end} description)
  string(SUBSTRING "${body}" ${end} -1 explanation)
  string(APPEND include ".TP\n.B ${usage}\n${description}\n.IP\n.nf\n${options}.fi${explanation}\n")
endforeach()
string(APPEND include "[SEE ALSO]\n.BR flipstone (6)\n")

set(include_file ${OUTPUT}.include)
file(WRITE ${include_file} "${include}")
execute_process(COMMAND ${HELP2MAN} --section=6 --no-info --manual=Games
                        --name=${name}
                        --include=${include_file} --output=${OUTPUT} ${CLI}
                COMMAND_ERROR_IS_FATAL ANY)
