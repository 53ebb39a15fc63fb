if(QUARLIN_SANITIZE)
  # vptr checks misfire on QObject casts made while an object is being destroyed;
  # every other UB check stays on and is fatal.
  set(_san -fsanitize=address,undefined -fno-sanitize=vptr -fno-sanitize-recover=undefined
           -fno-omit-frame-pointer)
  add_compile_options(${_san})
  add_link_options(${_san})
endif()
