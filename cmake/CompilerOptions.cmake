# Warnings and sanitizers shared by every target of the project.
add_library(vq_options INTERFACE)
target_compile_options(vq_options INTERFACE -Wall -Wextra)

if(VQ_SANITIZE)
  set(VQ_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${VQ_SANITIZER_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()

if(VQ_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VQ_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
endif()
if(VQ_FUZZ)
  # Every library gets coverage instrumentation so the fuzzers can steer.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
