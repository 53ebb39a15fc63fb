# Writes the linker's dynamic list for a shared library: the data that must stay one object for
# the whole process, so the library looks it up at load like the host does instead of binding
# to its own copy. That is the data of vague linkage a host may define too: static members of
# templates, statics of inline functions and their guards. Type information and vtables are
# left out although they are vague too: any copy of them serves, since the C++ runtime compares
# types by name. Everything not listed, our functions and our own data, is bound at link time.
#   cmake -DNM=nm -DOUTPUT=list -DOBJECTS="a.o;b.o" -P InterposableData.cmake
cmake_policy(VERSION 3.16)
execute_process(COMMAND ${NM} --defined-only -P ${OBJECTS} OUTPUT_VARIABLE symbols
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on the objects of ${OUTPUT}")
endif()
# -P prints "name type [value size]"; weak objects are V or v, unique globals u.
string(REGEX MATCHALL "(^|\n)[^ \n]+ [Vvu]" entries "${symbols}")
set(names "")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^\n?([^ ]+) .$" "\\1" name "${entry}")
  if(NOT name MATCHES "^(_ZT[ISVCT]|DW\\.ref\\.)")
    list(APPEND names "${name}")
  endif()
endforeach()
# The linker refuses an empty list; a name nothing defines keeps it valid and binds everything.
if(NOT names)
  set(names quarlin_no_interposable_data)
endif()
list(REMOVE_DUPLICATES names)
list(SORT names)
list(JOIN names ";\n  " body)
# Rewritten only when it changes, so an unchanged list does not look new to the build.
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "{\n  ${body};\n};\n" @ONLY)
