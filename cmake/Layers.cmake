# One folder = one layer = one library.  Headers are included from one root,
# with their folder: #include "core/DateTime.h".  The root a library puts on
# the include path holds only its own folder (a link to it in the build tree);
# a library sees the folders of the libraries it links, so the headers of a
# layer above it are not on its path and cannot be included.
#   ostrane_layer(target folder)   folder relative to the source root
function(ostrane_layer target folder)
  string(REPLACE "/" "_" name ${folder})
  set(root ${PROJECT_BINARY_DIR}/layers/${name})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
