if(QUARLIN_SANITIZE)
  # vptr checks misfire on QObject casts made while an object is being destroyed;
  # every other UB check stays on and is fatal.
  set(QUARLIN_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize=vptr -fno-sanitize-recover=undefined
           -fno-omit-frame-pointer)
  add_compile_options(${QUARLIN_SANITIZER_FLAGS})
  add_link_options(${QUARLIN_SANITIZER_FLAGS})
endif()
