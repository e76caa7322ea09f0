# Writes flipstone-cli(6) with help2man from the tool's own --help and --version, and adds each
# command's help (`flipstone-cli help COMMAND`, for every command the overview lists), so the
# manual page says what the tool says. Run at build time:
#   cmake -DCLI=<flipstone-cli> -DHELP2MAN=<help2man> -DOUTPUT=<file.6> -P CliManPage.cmake

cmake_minimum_required(VERSION 3.25)

# Roff text from plain text: backslashes and leading dots kept literal, option dashes as minus
# signs, the JSON field lists never hyphenated.
function(roff_text text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|[ \n])[{]" "\\1\\\\%{" text "${text}")
  string(REGEX REPLACE "(^|[ [|\n-])-" "\\1\\\\-" text "${text}")
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
  string(FIND "${help}" "\n" end)
  string(SUBSTRING "${help}" 0 ${end} usage)
  string(SUBSTRING "${help}" ${end} -1 body)
  string(STRIP "${body}" body)
  roff_text("${usage}" usage)
  roff_text("${body}" body)
  string(REPLACE "\n\n" "\n.IP\n" body "${body}")
  string(APPEND include ".TP\n.B ${usage}\n${body}\n")
endforeach()
string(APPEND include "[SEE ALSO]\n.BR flipstone (6)\n")

set(include_file ${OUTPUT}.include)
file(WRITE ${include_file} "${include}")
execute_process(COMMAND ${HELP2MAN} --section=6 --no-info --manual=Games
                        --name=${name}
                        --include=${include_file} --output=${OUTPUT} ${CLI}
                COMMAND_ERROR_IS_FATAL ANY)
