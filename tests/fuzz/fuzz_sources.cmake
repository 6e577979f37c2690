# The fuzz targets and the sources they reach, shared by the libFuzzer build
# (tests/fuzz/CMakeLists.txt) and the corpus replay of the main build. Needs `root`.
file(GLOB zalvane_fuzz_target_files CONFIGURE_DEPENDS ${root}/tests/fuzz/*_fuzz.cpp)
set(zalvane_fuzz_targets)
foreach(file IN LISTS zalvane_fuzz_target_files)
  get_filename_component(name ${file} NAME_WE)
  list(APPEND zalvane_fuzz_targets ${name})
endforeach()

set(zalvane_fuzzed_sources
  ${root}/src/cli/profile_summary.cpp
  ${root}/src/cli/function_names.cpp
  ${root}/src/cli/json.cpp
  ${root}/src/device/linux/report_descriptor.cpp)
foreach(dir language platform settings device ui assign app pages dialogs factory)
  file(GLOB dir_sources CONFIGURE_DEPENDS ${root}/src/${dir}/*.cpp)
  list(APPEND zalvane_fuzzed_sources ${dir_sources})
endforeach()
