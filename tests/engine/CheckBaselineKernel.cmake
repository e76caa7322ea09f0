# Checks the object code of the search kernel's baseline build, which must run on every x86-64
# processor:
# - it uses no AVX: no ymm or zmm register and no VEX- or EVEX-encoded instruction (their
#   mnemonics start with v), nor any BMI or POPCNT instruction;
# - it defines no weak symbol and calls no C++ function defined elsewhere, so the linker cannot
#   hand it another build's copy of a function. The one weak symbol allowed is data, not code:
#   DW.ref.__gxx_personality_v0, the pointer to the C++ exception personality routine that the
#   ThreadSanitizer build's unwind tables refer to.
# The AVX2 build's object, when given, must show ymm registers: proof that the check sees them.
#
#   cmake -DOBJDUMP=... -DNM=... -DBASELINE=a.o[|b.o] [-DAVX2=c.o[|d.o]] -P CheckBaselineKernel.cmake

foreach(tool OBJDUMP NM)
  if(NOT ${tool} OR NOT EXISTS "${${tool}}")
    message(FATAL_ERROR "no ${tool} to read the kernel's object code: '${${tool}}'")
  endif()
endforeach()

# One object's disassembly, with its instruction lines (address, tab, instruction) in `lines`.
function(disassemble object lines)
  if(NOT EXISTS "${object}")
    message(FATAL_ERROR "no kernel object at '${object}'")
  endif()
  execute_process(COMMAND "${OBJDUMP}" -d --no-show-raw-insn "${object}"
                  OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} failed on ${object}")
  endif()
  # A semicolon would split a line in two as a CMake list.
  string(REPLACE ";" "," text "${text}")
  string(REGEX MATCHALL "\n *[0-9a-f]+:\t[^\n]*" found "${text}")
  list(LENGTH found count)
  if(count EQUAL 0)
    message(FATAL_ERROR "no code in ${object}")
  endif()
  set(${lines} "${found}" PARENT_SCOPE)
endfunction()

set(avx_register "%[yz]mm[0-9]")
# The mnemonic ends the line when the instruction has no operands (vzeroupper).
set(avx_instruction "\t(v[a-z0-9]+|popcnt|pdep|pext|shlx|shrx|sarx|rorx|andn|bzhi|blsr|blsi|blsmsk)([ \t]|$)")

string(REPLACE "|" ";" baseline_objects "${BASELINE}")
if(NOT baseline_objects)
  message(FATAL_ERROR "no baseline kernel object named")
endif()
set(faults "")
set(fault_count 0)
# Notes a fault; the first few are listed in full.
macro(fault text)
  math(EXPR fault_count "${fault_count} + 1")
  if(fault_count LESS_EQUAL 20)
    string(APPEND faults "\n  ${text}")
  endif()
endmacro()
foreach(object IN LISTS baseline_objects)
  disassemble("${object}" lines)
  list(LENGTH lines count)
  foreach(line IN LISTS lines)
    if(line MATCHES "${avx_register}" OR line MATCHES "${avx_instruction}")
      string(STRIP "${line}" line)
      fault("${object}: ${line}")
    endif()
  endforeach()

  execute_process(COMMAND "${NM}" "${object}" OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${object}")
  endif()
  string(REGEX MATCHALL "[^\n]* [VvWw] [^\n]*" weak "${symbols}")
  list(FILTER weak EXCLUDE REGEX " V DW\\.ref\\.__gxx_personality_v0$")
  string(REGEX MATCHALL " U _Z[^\n]*" borrowed "${symbols}")
  foreach(symbol IN LISTS weak borrowed)
    string(STRIP "${symbol}" symbol)
    fault("${object}: shared symbol ${symbol}")
  endforeach()
  message(STATUS "${object}: ${count} instructions")
endforeach()
if(fault_count GREATER 0)
  message(FATAL_ERROR "the baseline kernel may not run on every x86-64 processor "
                      "(${fault_count} faults):${faults}")
endif()

string(REPLACE "|" ";" avx2_objects "${AVX2}")
foreach(object IN LISTS avx2_objects)
  disassemble("${object}" lines)
  set(seen FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "${avx_register}")
      set(seen TRUE)
      break()
    endif()
  endforeach()
  if(NOT seen)
    message(FATAL_ERROR "the check finds no ymm register even in the AVX2 kernel ${object}")
  endif()
endforeach()
