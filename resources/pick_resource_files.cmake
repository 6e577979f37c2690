# cmake -DGENERATED=dir -DPLACEHOLDER=dir -DOUT=dir -P pick_resource_files.cmake
# Copies zalvane.ico and thumb.png into OUT from GENERATED when both are there, else from
# PLACEHOLDER; unchanged files keep their time stamps, so nothing is rebuilt for them.
set(source ${PLACEHOLDER})
if(EXISTS ${GENERATED}/zalvane.ico AND EXISTS ${GENERATED}/thumb.png)
  set(source ${GENERATED})
endif()
file(MAKE_DIRECTORY ${OUT})
foreach(name zalvane.ico thumb.png)
  execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source}/${name} ${OUT}/${name})
endforeach()
