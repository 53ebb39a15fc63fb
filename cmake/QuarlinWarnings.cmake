# Applied to our own targets only; Qt and Boost come in as system includes.
function(quarlin_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Woverloaded-virtual -Wold-style-cast)
  target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII
                                               QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
                                               QT_STRICT_ITERATORS QT_DISABLE_DEPRECATED_BEFORE=0x050F00)
endfunction()
